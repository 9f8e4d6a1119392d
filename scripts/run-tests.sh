#!/bin/sh
# Runs the whole test suite under the build's Wine prefix with a persistent wineserver.
set -e
build=${1:-build}; jobs=${2:-2}
WINEPREFIX=$(cd "$build" && pwd)/wine
export WINEPREFIX
sh scripts/wine-warm.sh "$build" || true
trap '"$build/wine-run.sh" --stop' EXIT
ctest --test-dir "$build" -j "$jobs" --output-on-failure
