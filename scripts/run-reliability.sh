#!/bin/sh
# Full reliability runs (slow under emulation: start them and come back).
#   sh scripts/run-reliability.sh <build> storm|soak [messages or cycles per kind] [kinds...]
# (kinds: names as in tests/harness/allkinds.h; default all twenty. Two runs
# with different kinds may go side by side.)
# Each kind runs in its own program start, under the Wine loader of the build's
# word size (wine-run.sh --env), in a prefix of its own (<build>/wine-<what>-<first
# kind>, a copy of the build's) so that test runs meanwhile do not stop its
# wineserver.
# Output: <build>/reliability/<what>-<first kind>.log, one summary line per kind.
set -e
build=${1:-build}; what=${2:-storm}; count=${3:-}
[ $# -gt 3 ] && shift 3 || set --
kinds=${*:-Button Led Dest Static Browse Ident Bitmap Touch Flat Multi VFader HFader \
        Font Combo LedDisplay DualLed Font95 FontDisplay Chunky Repeat}
tag=$what-$(echo "$kinds" | cut -d' ' -f1)
case $what in
storm) var=CC_STORM_MESSAGES; n=${count:-100000}; prog=dll_storm_test.exe ;;
soak) var=CC_SOAK_CYCLES; n=${count:-10000}; prog=dll_soak_test.exe ;;
*) echo "usage: $0 <build> storm|soak [count]" >&2; exit 2 ;;
esac
build=$(cd "$build" && pwd)
out=$build/reliability; mkdir -p "$out"
eval "$(WINEPREFIX=$build/wine-$tag "$build/wine-run.sh" --env)"
"$build/wine-run.sh" --prepare </dev/null >/dev/null 2>&1 || { echo "run-reliability: no Wine prefix" >&2; exit 1; }
export $var=$n
log=$out/$tag.log; : > "$log"
trap '"$build/wine-run.sh" --stop' EXIT
wineserver -p </dev/null >/dev/null 2>&1
# A copy of the programs and libraries: rebuilding meanwhile leaves them alone.
rm -rf "$out/bin-$tag"; cp -a "$build/bin" "$out/bin-$tag"
cd "$out/bin-$tag"
echo "$cc_bits-bit build, $what with $var=$n per kind, prefix $WINEPREFIX" | tee -a "$log"
for kind in $kinds; do
    start=$(date +%s)
    if timeout 7200 $wine "$prog" --gtest_filter="*/$kind" </dev/null >"$out/$what-$kind.txt" 2>&1 &&
        grep -aq "PASSED.*1 test" "$out/$what-$kind.txt"; then verdict=passed; else verdict=FAILED; fi
    line=$(grep -a "^\[ $what" "$out/$what-$kind.txt" | tr -d '\r' | tail -1)
    echo "$verdict $(( $(date +%s) - start )) s: $line" | tee -a "$log"
done
