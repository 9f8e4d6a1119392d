#!/bin/sh
# Runs the demo panel from the build's demo installation.
#   run-demo.sh [build dir] [demo options]
# Headless (default): Wine's null driver, the scripted tour, screenshot in
# <build>/demo/panel.png. With --interactive: the display in DISPLAY, through
# Wine's X11 driver in a prefix of its own (<build>/wine-x11).
set -e
build=build
case "${1:-}" in
    -*|"") ;;
    *) build=$1; shift ;;
esac
[ -x "$build/demo/ccdemo.exe" ] || { echo "run-demo.sh: $build/demo/ccdemo.exe missing (make build)" >&2; exit 1; }
build=$(cd "$build" && pwd)
interactive=no
for a in "$@"; do [ "$a" = "--interactive" ] && interactive=yes; done

if [ $interactive = yes ]; then
    [ -n "$DISPLAY" ] || { echo "run-demo.sh: --interactive needs a display (DISPLAY)" >&2; exit 1; }
    WINEPREFIX=$build/wine-x11
    export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win32
    if [ ! -f "$WINEPREFIX/.cc-ready" ]; then
        mkdir -p "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1
        wineserver -w
        touch "$WINEPREFIX/.cc-ready"
    fi
    run="wine"
else
    WINEPREFIX=$build/wine
    export WINEPREFIX
    "$build/wine-run.sh" cmd /c exit >/dev/null 2>&1 || true   # creates the prefix once
    run="$build/wine-run.sh"
fi

wineserver -p 2>/dev/null || true
trap 'wineserver -k 2>/dev/null || true' EXIT
CC_ROOT=$(winepath -w "$build/demo/install" 2>/dev/null)
CC_SYSTEM=studio
export CC_ROOT CC_SYSTEM
shot=panel.png
[ $interactive = yes ] && shot=panel-x11.png   # written when the panel is closed
png=$(winepath -w "$build/demo/$shot" 2>/dev/null)
$run "$build/demo/ccdemo.exe" --png "$png" "$@"
