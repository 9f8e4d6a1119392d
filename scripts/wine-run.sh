#!/bin/sh
# Runs a Windows program under the project's own headless Wine prefix.
# WINEPREFIX defaults to <build dir>/wine; the build dir is this script's copy location.
#   wine-run.sh <program> [arguments]
#   wine-run.sh --prepare    makes the prefix only (status 0 when it is ready)
#   wine-run.sh --stop       stops every process of the prefix
here=$(cd "$(dirname "$0")" && pwd)
: "${WINEPREFIX:=$here/wine}"
WINEPREFIX=${WINEPREFIX%/}
export WINEPREFIX
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# The build's word size (set when the build copies this script): a 32-bit
# build runs under Wine's 32-bit loader (emulated where the kernel runs no
# 32-bit code), a 64-bit build under the 64-bit loader, natively, in a win64
# prefix. `wine` below is the loader of the build.
bits=@CC_WINE_BITS@
case $bits in
64) export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64; wine=$WINELOADER ;;
*) export WINEARCH=win32; wine=wine; unset WINELOADER ;;
esac
# (A 32-bit run drops a WINELOADER inherited from a 64-bit caller: Wine would
# start the program's children with it.)
# cc_stop_prefix, cc_create_prefix, cc_copy_prefix: shared with the panel runner.
. "@CMAKE_SOURCE_DIR@/scripts/wine-prefix.sh"
[ "${1:-}" = --stop ] && { cc_stop_prefix; exit 0; }
# The settings for running the build's programs by hand or from a script:
#   eval "$(<build>/wine-run.sh --env)"; $wine program.exe
if [ "${1:-}" = --env ]; then
    echo "export WINEPREFIX='$WINEPREFIX' WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' WINEARCH=$WINEARCH"
    if [ $bits = 64 ]; then echo "export WINELOADER=$WINELOADER"; else echo "unset WINELOADER"; fi
    echo "wine=$wine cc_bits=$bits"
    exit 0
fi
# The build's other prefixes (demo, real input, panel runner) are copies of
# its first one: one creation per build. Creations wait for each other.
if [ ! -f "$WINEPREFIX/.cc-ready" ]; then
    base=$here/wine
    (
        flock 9
        if [ ! -f "$base/.cc-ready" ]; then
            (WINEPREFIX=$base; cc_create_prefix null)
        fi
        if [ ! -f "$WINEPREFIX/.cc-ready" ] && [ -f "$base/.cc-ready" ]; then
            cc_stop_prefix
            rm -rf "$WINEPREFIX"
            cc_copy_prefix "$base" "$WINEPREFIX.part" && mv "$WINEPREFIX.part" "$WINEPREFIX"
        fi
    ) 9>"$here/.wine-prefix.lock"
fi
[ "${1:-}" = --prepare ] && { [ -f "$WINEPREFIX/.cc-ready" ]; exit; }
# Under qemu's emulation a test program that dies is resumed past the case it
# died in (see gtest-resume.sh). A native run never runs a case again: a death
# is a failure.
case "$1" in
*_test.exe)
    if [ $bits = 32 ] && [ $# -eq 1 ] && [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
        exec sh "$here/gtest-resume.sh" timeout 300 wine "$@"
    fi ;;
esac
exec timeout 300 $wine "$@"
