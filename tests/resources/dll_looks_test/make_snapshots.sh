#!/bin/sh
# Writes looks.txt beside this script: the looks of every kind as a given revision
# of the library draws them (default: the first-round library, 9919340), taken by
# dll_looks_test.exe of the current build. The revision's library is built for
# the build's word size (wine-run.sh --env); revisions older than the 64-bit
# build (the default one among them) build 32-bit only: give a 32-bit build.
#   sh tests/resources/dll_looks_test/make_snapshots.sh [build dir] [git revision]
# With --64, writes looks64.txt instead: the looks that a 64-bit build of the
# current library draws unlike looks.txt. Review each one before keeping it: only
# a difference of Wine's text rendering between the word sizes belongs there.
#   sh tests/resources/dll_looks_test/make_snapshots.sh --64 <64-bit build dir>
set -e
here=$(cd "$(dirname "$0")" && pwd)
if [ "${1:-}" = --64 ]; then
    build=$(cd "${2:?64-bit build dir}" && pwd)
    WINEPREFIX=$build/wine
    export WINEPREFIX
    rm -f "$build/looks64-all.txt"
    (cd "$build/bin" && CC_LOOKS_WRITE='..\looks64-all.txt' "$build/wine-run.sh" ./dll_looks_test.exe \
        >"$build/looks64.log" 2>&1 </dev/null)
    [ -s "$build/looks64-all.txt" ] || { echo "make_snapshots.sh: no snapshots written" >&2; exit 1; }
    grep -v '^#' "$here/looks.txt" >"$build/looks32-lines.txt"
    {
        sed -n '1,4p' "$here/looks64.txt" | grep '^#'
        tr -d '\r' <"$build/looks64-all.txt" | grep -v '^#' | grep -vxFf "$build/looks32-lines.txt" || true
    } >"$build/looks64.txt"
    mv "$build/looks64.txt" "$here/looks64.txt"
    echo "$(grep -c '^[0-9a-f]' "$here/looks64.txt") looks written to $here/looks64.txt"
    exit 0
fi
top=$(cd "$here/../../.." && pwd)
build=${1:-build}
rev=${2:-9919340}
[ -x "$build/bin/dll_looks_test.exe" ] || { echo "make_snapshots.sh: $build/bin/dll_looks_test.exe missing (make build)" >&2; exit 1; }
build=$(cd "$build" && pwd)
eval "$(WINEPREFIX=$build/wine "$build/wine-run.sh" --env)"
if [ "$cc_bits" = 64 ]; then toolchain=toolchain-x86_64-mingw.cmake; else toolchain=toolchain-i686-mingw.cmake; fi
work=$build/looks
rm -rf "$work/src"
mkdir -p "$work/src"
git -C "$top" archive "$rev" | tar -x -C "$work/src"
[ -f "$work/src/cmake/$toolchain" ] || {
    echo "make_snapshots.sh: revision $rev has no $cc_bits-bit build (cmake/$toolchain); use a 32-bit build dir" >&2
    exit 1
}
cmake -S "$work/src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$work/src/cmake/$toolchain" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/build" --target kerv_cc >/dev/null
cp "$work/build/bin/KERV_CC.DLL" "$work/KERV_CC_LOOKS.DLL"
rm -f "$work/looks.txt"
(cd "$build/bin" && CC_LOOKS_DLL='..\looks\KERV_CC_LOOKS.DLL' CC_LOOKS_WRITE='..\looks\looks.txt' \
    "$build/wine-run.sh" ./dll_looks_test.exe >"$work/looks.log" 2>&1 </dev/null)
[ -s "$work/looks.txt" ] || { echo "make_snapshots.sh: no snapshots written" >&2; exit 1; }
{ echo "# Library: revision $(git -C "$top" rev-parse --short "$rev")."; tr -d '\r' <"$work/looks.txt"; } >"$here/looks.txt"
echo "$(grep -c '^[0-9a-f]' "$here/looks.txt") looks written to $here/looks.txt"
