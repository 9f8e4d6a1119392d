#!/bin/sh
# Static analysis of the libraries' sources: cppcheck, then clang-tidy (its
# checks in .clang-tidy) for the i686 MinGW target, each library with its own
# include folders and variant. Silent and exit 0 when nothing is found.
#   sh scripts/analyse.sh [cppcheck|tidy|all] [jobs]
set -e
cd "$(dirname "$0")/.."
what=${1:-all}; jobs=${2:-2}
gcc=$(i686-w64-mingw32-g++-posix -print-libgcc-file-name | xargs dirname)
sys=$(i686-w64-mingw32-g++-posix -print-sysroot)
[ -n "$sys" ] || sys=/usr/i686-w64-mingw32
std="-Iinclude -Iframe -Idraw -Istandard"
s09="-Iinclude -Iframe -Idraw -Ispecial -DCC_VARIANT_09=1"
status=0

if [ "$what" = all ] || [ "$what" = cppcheck ]; then
    for lib in standard special; do
        if [ $lib = standard ]; then inc=$std; else inc=$s09; fi
        # shellcheck disable=SC2086
        cppcheck -q --std=c++17 --platform=win32A --enable=warning,performance,portability --inline-suppr \
            --suppressions-list=scripts/cppcheck.supp --error-exitcode=1 --template=gcc \
            -DWIN32 -D_WIN32 $inc frame draw $lib || status=1
    done
fi

if [ "$what" = all ] || [ "$what" = tidy ]; then
    tidy=$(command -v clang-tidy-14 || command -v clang-tidy)
    # The C++ library and platform headers of the cross compiler; clang's own
    # intrinsics headers in place of gcc's.
    res=$(clang-14 -print-resource-dir 2>/dev/null || clang -print-resource-dir)
    target="--target=i686-w64-mingw32 -std=c++17 -nostdinc -nostdinc++ -isystem $gcc/include/c++
        -isystem $gcc/include/c++/i686-w64-mingw32 -isystem $res/include -isystem $sys/include -msse2"
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
