#!/bin/sh
# Smoke run of the benchmark. Skipped (exit 77) where Wine runs under qemu's
# instruction emulation (see scripts/bootstrap.sh): timings there measure the
# emulator, and its threads are not reliable enough for the watchdog.
#   smoke.sh <build dir>
build=$(cd "${1:-build}" && pwd)
if [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
    echo "bench_smoke: skipped, 32-bit programs run emulated on this machine"
    exit 77
fi
cd "$build/bin" || exit 1
exec "$build/wine-run.sh" cc_bench.exe --smoke --profile --before KERV_CC.DLL --csv bench_smoke.csv
