#!/bin/sh
# Static analysis of the libraries' sources: cppcheck, then clang-tidy (its
# checks in .clang-tidy) for a MinGW target, each library with its own include
# folders and variant. Silent and exit 0 when nothing is found.
#   sh scripts/analyse.sh [cppcheck|tidy|all] [jobs] [32|64]
# It reads the sources only (no build dir, no compile database, no Wine), so it
# runs the same whichever build exists. The word size (default 32, the
# deliverable; also CC_ANALYSE_BITS) picks the target: i686 with cppcheck's
# win32A platform, or x86_64 with win64 (pointer-wide types checked as there).
set -e
cd "$(dirname "$0")/.."
what=${1:-all}; jobs=${2:-2}; bits=${3:-${CC_ANALYSE_BITS:-32}}
case $bits in
64) triple=x86_64-w64-mingw32; platform=win64 ;;
32) triple=i686-w64-mingw32; platform=win32A ;;
*) echo "usage: $0 [cppcheck|tidy|all] [jobs] [32|64]" >&2; exit 2 ;;
esac
gcc=$($triple-g++-posix -print-libgcc-file-name | xargs dirname)
sys=$($triple-g++-posix -print-sysroot)
[ -n "$sys" ] || sys=/usr/$triple
std="-Iinclude -Iframe -Idraw -Istandard"
s09="-Iinclude -Iframe -Idraw -Ispecial -DCC_VARIANT_09=1"
status=0

if [ "$what" = all ] || [ "$what" = cppcheck ]; then
    for lib in standard special; do
        if [ $lib = standard ]; then inc=$std; else inc=$s09; fi
        # shellcheck disable=SC2086
        cppcheck -q --std=c++17 --platform=$platform --enable=warning,performance,portability --inline-suppr \
            --suppressions-list=scripts/cppcheck.supp --error-exitcode=1 --template=gcc \
            -DWIN32 -D_WIN32 $inc frame draw $lib || status=1
    done
fi

if [ "$what" = all ] || [ "$what" = tidy ]; then
    tidy=$(command -v clang-tidy-14 || command -v clang-tidy)
    # The C++ library and platform headers of the cross compiler; clang's own
    # intrinsics headers in place of gcc's.
    res=$(clang-14 -print-resource-dir 2>/dev/null || clang -print-resource-dir)
    target="--target=$triple -std=c++17 -nostdinc -nostdinc++ -isystem $gcc/include/c++
        -isystem $gcc/include/c++/$triple -isystem $res/include -isystem $sys/include -msse2"
    list=$(mktemp)
    trap 'rm -f "$list"' EXIT
    for f in frame/*.cpp draw/*.cpp standard/*.cpp; do echo "$f|$std"; done >"$list"
    for f in special/*.cpp draw/*.cpp; do echo "$f|$s09"; done >>"$list"
    # shellcheck disable=SC2016
    xargs -P "$jobs" -I{} sh -c 'f=${1%%|*}; inc=${1#*|}; out=$("$2" --quiet "$f" -- $3 $inc 2>&1) ||
        { printf "%s\n" "$out" | grep -v "warnings generated\|^Suppressed\|Use -header-filter\|treated as errors"; exit 1; }' \
        _ {} "$tidy" "$target" <"$list" || status=1
fi
exit $status
