#!/bin/sh
# Runs the example panel built against an installed SDK, with CC_ROOT and
# CC_SYSTEM naming the tree's system path of the program's word size, under
# Wine in the installed panel runner's prefix (ccpanel --env: WINEPREFIX when
# it is set, else ccpanel's own, made on first use, with the null graphics
# driver, so that no display is needed; with --interactive one for the display).
#   run.sh <SDK prefix> <sdkpanel.exe> [--interactive]
# CC_SYSTEM, when set, names another system folder of the tree.
usage() { echo "usage: run.sh <SDK prefix> <sdkpanel.exe> [--interactive]" >&2; exit 2; }
[ $# -ge 2 ] && [ $# -le 3 ] || usage
[ $# -lt 3 ] || [ "$3" = --interactive ] || usage
sdk=$(cd "$1" 2>/dev/null && pwd) || { echo "run.sh: $1: no such folder (the SDK: make install)" >&2; exit 2; }
exe=$2
[ -f "$exe" ] || { echo "run.sh: $exe: no such program (build the example first)" >&2; exit 2; }
# The word size from the program's PE header (machine i386 014c, x86-64 8664).
pe=$(od -An -tu4 -j60 -N4 "$exe" 2>/dev/null | tr -d ' ')
machine=$(od -An -tx2 -j$((${pe:-0} + 4)) -N2 "$exe" 2>/dev/null | tr -d ' ')
case $machine in
014c) bin=bin system=studio ;;
8664) bin=bin64 system=studio64 ;;
*) echo "run.sh: $exe is no 32-bit or 64-bit Windows program" >&2; exit 2 ;;
esac
[ -x "$sdk/$bin/ccpanel" ] ||
    { echo "run.sh: $sdk has no $bin/ccpanel: install the build of the program's word size there" >&2; exit 2; }
settings=$("$sdk/$bin/ccpanel" --env ${3:-}) || exit
eval "$settings"
CC_ROOT=$(printf 'Z:%s' "$sdk" | tr / '\\')
CC_SYSTEM=${CC_SYSTEM:-$system}
export CC_ROOT CC_SYSTEM
limit=300
[ -n "${3:-}" ] && limit=3600
exec timeout --foreground $limit $wine "$exe" ${3:-}
