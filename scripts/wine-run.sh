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
exec timeout 300 wine "$@"
