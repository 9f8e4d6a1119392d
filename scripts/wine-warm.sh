#!/bin/sh
# Makes the prefix in WINEPREFIX (default: the build's own, <build>/wine) if
# need be, starts a persistent wine server for it and waits until a first
# program has run in it (the session start runs wineboot, which under qemu's
# emulation now and then hangs: then the server is stopped and the start tried
# again, three times at most). The word size is the build's (wine-run.sh --env).
# The server and the programs it leaves running (explorer.exe /desktop, ...)
# get no output stream of the caller: a test runner waiting for its test's
# output would otherwise wait until they end.
#   wine-warm.sh <build dir>
build=$(cd "${1:-build}" && pwd)
eval "$("$build/wine-run.sh" --env)"
"$build/wine-run.sh" --prepare </dev/null >/dev/null 2>&1 || exit 1
for attempt in 1 2 3; do
    wineserver -p </dev/null >/dev/null 2>&1
    timeout 120 "$build/wine-run.sh" cmd /c exit </dev/null >/dev/null 2>&1 && exit 0
    echo "wine-warm: the first program in $WINEPREFIX did not end; starting again" >&2
    "$build/wine-run.sh" --stop >/dev/null 2>&1
    sleep 1
done
exit 1
