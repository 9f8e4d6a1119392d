#!/bin/sh
# Runs the whole test suite of each build given, one after the other, each in
# its build's own Wine prefix with a persistent wineserver; then, when both a
# 64-bit and a 32-bit build were given, compares their galleries pixel by pixel.
#   run-tests.sh <jobs> <build dir>...
# Prints the time each part took; the status is 0 only when every part passed.
jobs=${1:-2}; shift
[ $# -gt 0 ] || set -- build
here=$(cd "$(dirname "$0")" && pwd)
status=0; summary=""; builds=""
now() { date +%s; }
for build in "$@"; do
    build=$(cd "$build" && pwd)
    eval "$(WINEPREFIX= "$build/wine-run.sh" --env)"
    echo "==== $cc_bits-bit build ($build)"
    start=$(now)
    sh "$here/wine-warm.sh" "$build" || true
    ctest --test-dir "$build" -j "$jobs" --output-on-failure
    rc=$?
    "$build/wine-run.sh" --stop
    took=$(( $(now) - start ))
    [ $rc -eq 0 ] && verdict=passed || { verdict=FAILED; status=1; }
    summary="$summary$cc_bits-bit suite: $verdict in $took s
"
    builds="$builds $cc_bits:$build"
done
b64=""; b32=""
for b in $builds; do
    case $b in 64:*) b64=${b#64:} ;; 32:*) b32=${b#32:} ;; esac
done
if [ -n "$b64" ] && [ -n "$b32" ]; then
    start=$(now)
    if sh "$here/../tools/gallery/compare-builds.sh" "$b64" "$b32"; then verdict=passed
    else verdict=FAILED; status=1; fi
    summary="${summary}gallery of both builds compared: $verdict in $(( $(now) - start )) s
"
fi
printf '\n%s' "$summary"
exit $status
