#!/bin/sh
# Makes the prefix in WINEPREFIX if need be, starts a persistent wine server
# for it and waits until a first program has run in it (the session start runs
# wineboot, which under qemu's emulation now and then hangs: then the server is
# stopped and the start tried again, three times at most).
#   wine-warm.sh <build dir>
build=$(cd "${1:-build}" && pwd)
"$build/wine-run.sh" --prepare || exit 1
for attempt in 1 2 3; do
    wineserver -p >/dev/null 2>&1
    timeout 120 "$build/wine-run.sh" cmd /c exit >/dev/null 2>&1 && exit 0
    echo "wine-warm: the first program in $WINEPREFIX did not end; starting again" >&2
    "$build/wine-run.sh" --stop
    sleep 1
done
exit 1
