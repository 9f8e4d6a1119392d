#!/bin/sh
# Runs the whole test suite under the build's Wine prefix with a persistent wineserver.
set -e
build=${1:-build}; jobs=${2:-2}
WINEPREFIX=$(cd "$build" && pwd)/wine
export WINEPREFIX
"$build/wine-run.sh" cmd /c exit >/dev/null 2>&1 || true   # creates the prefix once
sh scripts/wine-warm.sh "$build" || true
trap 'wineserver -k 2>/dev/null || true' EXIT
ctest --test-dir "$build" -j "$jobs" --output-on-failure
