#!/bin/sh
# Runs the benchmark under the build's Wine prefix: the table on stdout and in
# <build>/bench/bench.txt, the rows in <build>/bench/bench.csv.
#   run-bench.sh [build dir] [git revision to measure beside] [-- cc_bench options]
# With a revision, that revision's libraries (the standard one and, where the
# revision has it, the special one) are built in <build>/bench/before for the
# build's word size and every kind, label, press, drag and the panel are
# measured beside them. A revision older than the 64-bit build cannot be built
# for a 64-bit build: measure it from a 32-bit build.
# The word size and Wine loader are the build's (wine-run.sh --env).
# The program and its wineserver run on one CPU (BENCH_CPU, default the last;
# BENCH_CPU=all leaves them free): every request then hands over on that CPU,
# instead of waking an idle one, which on a virtual machine costs tens of
# microseconds and makes the figures jump.
set -e
build=${1:-build}
[ $# -gt 0 ] && shift
before=""
if [ $# -gt 0 ] && [ "$1" != "--" ]; then before=$1; shift; fi
[ "${1:-}" = "--" ] && shift
[ -x "$build/bin/cc_bench.exe" ] || { echo "run-bench.sh: $build/bin/cc_bench.exe missing (make build)" >&2; exit 1; }
build=$(cd "$build" && pwd)
out=$build/bench
mkdir -p "$out"
set --  --csv ../bench/bench.csv "$@"
eval "$(WINEPREFIX=$build/wine "$build/wine-run.sh" --env)"
if [ -n "$before" ]; then
    src=$out/before/src
    rm -rf "$src" "$out/KERV_CC_BEFORE.DLL" "$out/KERV_CC09_BEFORE.DLL"
    mkdir -p "$src"
    git archive "$before" | tar -x -C "$src"
    if [ "$cc_bits" = 64 ]; then toolchain=toolchain-x86_64-mingw.cmake; else toolchain=toolchain-i686-mingw.cmake; fi
    [ -f "$src/cmake/$toolchain" ] || {
        echo "run-bench.sh: revision $before has no $cc_bits-bit build (cmake/$toolchain); measure it from a 32-bit build" >&2
        exit 1
    }
    cmake -S "$src" -B "$out/before/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$src/cmake/$toolchain" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$out/before/build" --target kerv_cc >/dev/null
    cp "$out/before/build/bin/KERV_CC.DLL" "$out/KERV_CC_BEFORE.DLL"
    # The special library, where the revision has one (cc_bench finds it by name).
    if cmake --build "$out/before/build" --target kerv_cc09 >/dev/null 2>&1; then
        cp "$out/before/build/bin/KERV_CC09.DLL" "$out/KERV_CC09_BEFORE.DLL"
    fi
    set -- "$@" --before '..\bench\KERV_CC_BEFORE.DLL'
    echo "baseline: $(git rev-parse --short "$before")"
fi
"$build/wine-run.sh" --prepare </dev/null >/dev/null 2>&1 || true  # the prefix, once
wineserver -w 2>/dev/null || true   # a server already running would not be pinned: let it end
cpu=${BENCH_CPU:-$(($(nproc) - 1))}
pin=""
if [ "$cpu" != all ] && command -v taskset >/dev/null; then
    pin="taskset -c $cpu"
    echo "pinned to CPU $cpu"
fi
$pin wineserver -p </dev/null >/dev/null 2>&1 || true
trap 'wineserver -k 2>/dev/null || true' EXIT
# The output goes to a file first: Wine's helper processes keep a pipe open.
rc=0
(cd "$build/bin" && $pin "$build/wine-run.sh" ./cc_bench.exe "$@" </dev/null >"$out/bench.txt" 2>"$out/bench.err") || rc=$?
tr -d '\r' <"$out/bench.txt"
tr -d '\r' <"$out/bench.err" >&2
exit $rc
