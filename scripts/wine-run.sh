#!/bin/sh
# Runs a Windows program under the project's own headless Wine prefix.
# WINEPREFIX defaults to <build dir>/wine; the build dir is this script's copy location.
here=$(cd "$(dirname "$0")" && pwd)
: "${WINEPREFIX:=$here/wine}"
export WINEPREFIX
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win32
if [ ! -f "$WINEPREFIX/.cc-ready" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.cc-ready"
fi
# Under qemu's emulation a test program that dies is resumed past the case it
# died in (see gtest-resume.sh).
case "$1" in
*_test.exe)
    if [ $# -eq 1 ] && [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
        exec sh "$here/gtest-resume.sh" timeout 300 wine "$@"
    fi ;;
esac
exec timeout 300 wine "$@"
