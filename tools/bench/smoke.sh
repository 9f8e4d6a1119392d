#!/bin/sh
# Smoke run of the benchmark. Skipped (exit 77) where the build's programs run
# under qemu's instruction emulation (a 32-bit build where the kernel runs no
# 32-bit code, see scripts/bootstrap.sh): timings there measure the emulator,
# and its threads are not reliable enough for the watchdog. A 64-bit build runs
# natively. The library stands in as its own baseline (--before KERV_CC.DLL,
# and its sibling KERV_CC09.DLL for the special kinds).
#   smoke.sh <build dir>
build=$(cd "${1:-build}" && pwd)
eval "$(WINEPREFIX= "$build/wine-run.sh" --env)"
if [ "$cc_bits" = 32 ] && [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
    echo "bench_smoke: skipped, 32-bit programs run emulated on this machine"
    exit 77
fi
cd "$build/bin" || exit 1
exec "$build/wine-run.sh" cc_bench.exe --smoke --profile --before KERV_CC.DLL --csv bench_smoke.csv </dev/null
