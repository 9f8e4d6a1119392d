#!/bin/sh
# The demo panel headless, as `make demo` runs it, in a Wine prefix of its own
# (its real mouse input must not reach windows of tests running beside it):
# the tour gets exactly the notifications it expects, and the screenshot is a
# PNG of the panel's size that shows the controls' colours. The word size is
# the build's (wine-run.sh --env); the prefix a copy of the build's.
# Programs left running (the wineserver, explorer.exe /desktop, Wine's
# services) never get this script's output streams: CTest would wait for them.
#   demo_tour.sh <build dir>
set -u
build=$(cd "${1:-build}" && pwd)
out=$build/e2e/tour
rm -rf "$out"
mkdir -p "$out"
eval "$(WINEPREFIX=$build/wine-demo "$build/wine-run.sh" --env)"
unset CC_ROOT CC_SYSTEM   # the program finds its installation by itself
# A server left behind by an earlier run that was stopped half way goes first.
"$build/wine-run.sh" --stop >/dev/null 2>&1
trap '"$build/wine-run.sh" --stop >/dev/null 2>&1' EXIT
sh "$(dirname "$0")/../../scripts/wine-warm.sh" "$build" </dev/null >/dev/null 2>&1 || true
fail() { echo "demo_tour: $*"; echo "--- log:"; cat "$out/log.txt"; exit 1; }

# Wine's drive Z: is the root of the file system.
png="Z:$(printf '%s' "$out/panel.png" | tr / '\\')"
"$build/wine-run.sh" "$build/demo/ccdemo.exe" --strict --png "$png" </dev/null >"$out/log.txt" 2>"$out/stderr.txt"
rc=$?
[ $rc -eq 0 ] || fail "exit status $rc"
grep -q "^demo: loaded KERV_CC.DLL; class VEK_CC_Button registered" "$out/log.txt" || fail "library not loaded"
grep -q "^demo: tour done, [1-9][0-9]* steps checked, 0 mismatched" "$out/log.txt" || fail "tour incomplete"
grep -q "MISMATCH" "$out/log.txt" && fail "mismatch"
[ -s "$out/panel.png" ] || fail "no screenshot"

# Size of the PNG from its header, against the client size the program logged.
size=$(od -An -tu1 -j16 -N8 "$out/panel.png" | awk '{print $1*16777216+$2*65536+$3*256+$4 " x " $5*16777216+$6*65536+$7*256+$8}')
grep -q "^demo: panel client $size at" "$out/log.txt" || fail "screenshot size $size differs from the panel's"

# Broken installations: a copy of the system path without the libraries'
# folder, without the sibling, without the font. A clear message, status 2.
lib=$build/demo/install/studio/windows/lib
for missing in folder KERV_CC.DLL KERV_CC09.DLL DotMatrix.ttf; do
    rm -rf "$out/broken"
    mkdir -p "$out/broken/studio/windows"
    case $missing in
    folder) want="no installation at the system path" ;;
    KERV_CC.DLL) want="the standard library is missing" ;;
    KERV_CC09.DLL) want="the special library (sibling of KERV_CC.DLL) is missing" ;;
    *) want="the Dot-Matrix font is missing" ;;
    esac
    if [ $missing != folder ]; then
        cp -r "$lib" "$out/broken/studio/windows/lib"
        rm "$out/broken/studio/windows/lib/$missing"
    fi
    CC_ROOT="Z:$(printf '%s' "$out/broken" | tr / '\\')" CC_SYSTEM=studio \
        "$build/wine-run.sh" "$build/demo/ccdemo.exe" </dev/null >"$out/broken.txt" 2>/dev/null
    rc=$?
    [ $rc -eq 2 ] || fail "without $missing: exit status $rc, expected 2 ($(cat "$out/broken.txt"))"
    grep -qF "demo: $want" "$out/broken.txt" || fail "without $missing: no message '$want'"
done

# Pixel colours need ImageMagick (installed by the bootstrap).
command -v convert >/dev/null || exit 0
pixel() {  # id dx dy -> "r,g,b" of the screenshot pixel at the control's top-left + (dx, dy)
    set -- $(sed -n "s/^control id=$1 .* x=\([0-9]*\) y=\([0-9]*\) .*/\1 \2/p" "$out/log.txt") "$2" "$3"
    convert "$out/panel.png" -format "%[fx:int(255*p{$(($1 + $3)),$(($2 + $4))}.r)],%[fx:int(255*p{$(($1 + $3)),$(($2 + $4))}.g)],%[fx:int(255*p{$(($1 + $3)),$(($2 + $4))}.b)]" info:
}
# Faces set by option texts, read inside the bevel: 101 green, 102 red, 111 cyan;
# Button 104 disabled: dark grey.
for want in "101 0,255,0" "102 255,0,0" "111 0,255,255" "104 128,128,128"; do
    set -- $want
    got=$(pixel "$1" 5 5)
    [ "$got" = "$2" ] || fail "control $1: face $got, expected $2"
done
exit 0
