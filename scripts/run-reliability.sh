#!/bin/sh
# Full reliability runs (slow under emulation: start them and come back).
#   sh scripts/run-reliability.sh <build> storm|soak [messages or cycles per kind]
# Each kind runs in its own program start, in a prefix of its own
# (<build>/wine-<what>) so that test runs meanwhile do not stop its wineserver.
# Output: <build>/reliability/<what>.log, one summary line per kind.
set -e
build=${1:-build}; what=${2:-storm}
case $what in
storm) var=CC_STORM_MESSAGES; n=${3:-100000}; prog=dll_storm_test.exe ;;
soak) var=CC_SOAK_CYCLES; n=${3:-10000}; prog=dll_soak_test.exe ;;
*) echo "usage: $0 <build> storm|soak [count]" >&2; exit 2 ;;
esac
build=$(cd "$build" && pwd)
out=$build/reliability; mkdir -p "$out"
export WINEPREFIX=$build/wine-$what WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win32
[ -f "$WINEPREFIX/.cc-ready" ] || cp -a "$build/wine" "$WINEPREFIX"
export $var=$n
log=$out/$what.log; : > "$log"
trap 'wineserver -k 2>/dev/null || true' EXIT
wineserver -p
# A copy of the programs and libraries: rebuilding meanwhile leaves them alone.
rm -rf "$out/bin-$what"; cp -a "$build/bin" "$out/bin-$what"
cd "$out/bin-$what"
for kind in Button Led Dest Static Browse Ident Bitmap Touch Flat Multi VFader HFader \
            Font Combo LedDisplay DualLed Font95 FontDisplay Chunky Repeat; do
    start=$(date +%s)
    if timeout 7200 wine "$prog" --gtest_filter="*/$kind" >"$out/$what-$kind.txt" 2>&1 &&
        grep -aq "PASSED.*1 test" "$out/$what-$kind.txt"; then verdict=passed; else verdict=FAILED; fi
    line=$(grep -a "^\[ $what" "$out/$what-$kind.txt" | tr -d '\r' | tail -1)
    echo "$verdict $(( $(date +%s) - start )) s: $line" | tee -a "$log"
done
