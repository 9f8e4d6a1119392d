#!/bin/sh
# Runs the benchmark under the build's Wine prefix: the table on stdout and in
# <build>/bench/bench.txt, the rows in <build>/bench/bench.csv.
#   run-bench.sh [build dir] [git revision to measure beside] [-- cc_bench options]
# With a revision, that revision's library is built in <build>/bench/before and
# every kind, label, press, drag and the panel are measured beside it.
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
if [ -n "$before" ]; then
    src=$out/before/src
    rm -rf "$src"
    mkdir -p "$src"
    git archive "$before" | tar -x -C "$src"
    cmake -S "$src" -B "$out/before/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$src/cmake/toolchain-i686-mingw.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$out/before/build" --target kerv_cc >/dev/null
    cp "$out/before/build/bin/KERV_CC.DLL" "$out/KERV_CC_BEFORE.DLL"
    set -- "$@" --before '..\bench\KERV_CC_BEFORE.DLL'
    echo "baseline: $(git rev-parse --short "$before")"
fi
WINEPREFIX=$build/wine
export WINEPREFIX
"$build/wine-run.sh" --prepare || true  # the prefix, once
wineserver -w 2>/dev/null || true   # a server already running would not be pinned: let it end
cpu=${BENCH_CPU:-$(($(nproc) - 1))}
pin=""
if [ "$cpu" != all ] && command -v taskset >/dev/null; then
    pin="taskset -c $cpu"
    echo "pinned to CPU $cpu"
fi
$pin wineserver -p 2>/dev/null || true
trap 'wineserver -k 2>/dev/null || true' EXIT
# The output goes to a file first: Wine's helper processes keep a pipe open.
rc=0
(cd "$build/bin" && $pin "$build/wine-run.sh" ./cc_bench.exe "$@" </dev/null >"$out/bench.txt" 2>"$out/bench.err") || rc=$?
tr -d '\r' <"$out/bench.txt"
tr -d '\r' <"$out/bench.err" >&2
exit $rc
