#!/bin/sh
# Runs the demo panel from the build's demo installation, under the Wine
# loader of the build's word size (wine-run.sh --env).
#   run-demo.sh [build dir] [demo options]
# Headless (default): Wine's null driver, the scripted tour, screenshot in
# <build>/demo/panel.png. With --interactive: the display in DISPLAY, through
# Wine's X11 driver in a prefix of its own (<build>/wine-x11, a copy of the
# build's prefix); without a display that can be opened it says so and exits
# with status 2. DEMO_TIMEOUT bounds an interactive session (seconds, default
# 3600).
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
    [ -n "${DISPLAY:-}" ] ||
        { echo "run-demo.sh: --interactive needs a display and DISPLAY is not set (without it the demo runs headless)" >&2; exit 2; }
    # Wine's X11 driver with a display it cannot open makes no window at all.
    if command -v xdotool >/dev/null && ! timeout 20 xdotool getdisplaygeometry >/dev/null 2>&1; then
        echo "run-demo.sh: --interactive needs a display and DISPLAY=$DISPLAY cannot be opened" >&2
        exit 2
    fi
    eval "$(WINEPREFIX=$build/wine-x11 "$build/wine-run.sh" --env)"
    if [ ! -f "$WINEPREFIX/.cc-x11-ready" ]; then   # a copy of the build's prefix, X11 driver
        "$build/wine-run.sh" --prepare || exit 1
        timeout 120 $wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d x11 /f </dev/null >/dev/null 2>&1 &&
        timeout 120 wineserver -w && touch "$WINEPREFIX/.cc-x11-ready"
    fi
    run="timeout ${DEMO_TIMEOUT:-3600} $wine"
else
    eval "$(WINEPREFIX=$build/wine "$build/wine-run.sh" --env)"
    run="$build/wine-run.sh"
fi

# The prefix made once, its session started (and started again if it hangs).
sh "$(dirname "$0")/wine-warm.sh" "$build" || true
trap '"$build/wine-run.sh" --stop' EXIT
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }   # drive Z: is the root
CC_ROOT=$(winpath "$build/demo/install")
CC_SYSTEM=studio
export CC_ROOT CC_SYSTEM
shot=panel.png
[ $interactive = yes ] && shot=panel-x11.png   # written when the panel is closed
png=$(winpath "$build/demo/$shot")
$run "$build/demo/ccdemo.exe" --png "$png" "$@"
