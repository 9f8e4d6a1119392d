#!/bin/sh
# Starts a persistent wine server for the prefix in WINEPREFIX and waits until a
# first program has run in it (the session start runs wineboot, which under
# qemu's emulation now and then hangs: then the server is stopped and the start
# tried again, three times at most).
#   wine-warm.sh <build dir>
build=$(cd "${1:-build}" && pwd)
for attempt in 1 2 3; do
    wineserver -p 2>/dev/null
    timeout 120 "$build/wine-run.sh" cmd /c exit >/dev/null 2>&1 && exit 0
    echo "wine-warm: the first program in $WINEPREFIX did not end; starting again" >&2
    wineserver -k 2>/dev/null
    sleep 1
done
exit 1
