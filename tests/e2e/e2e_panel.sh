#!/bin/sh
# The demo panel under a real X server with real input: Xvfb, Wine's X11
# driver (unmanaged windows, a prefix of its own), the demo in --interactive
# mode; xdotool clicks a Button, rolls across the Browse bank, slides across
# the Flat buttons, drags a fader, holds a Repeat button for a second and
# right-clicks special controls; the panel's log is compared with the
# expected notifications; ImageMagick keeps a screenshot. Then the keyboard:
# the example playout desk in the panel runner, Tab across its row, Space on
# two buttons, an arrow and Home on its fader.
# The word size is the build's (wine-run.sh --env: its loader, a copy of its
# prefix). Xvfb, the wineserver and the programs Wine leaves running get none
# of this script's output streams: CTest would wait for them to end.
#   e2e_panel.sh <build dir>        (exit 77: a tool is missing, test skipped)
set -u
build=$(cd "${1:-build}" && pwd)
eval "$(WINEPREFIX=$build/wine-e2e "$build/wine-run.sh" --env)"
for tool in Xvfb xdotool import convert "$wine" wineserver; do
    command -v "$tool" >/dev/null || { echo "e2e_panel: $tool missing, skipped"; exit 77; }
done
out=$build/e2e/x11
rm -rf "$out"
mkdir -p "$out"
log=$out/log.txt
unset CC_ROOT CC_SYSTEM
xvfb= demo= desk=

cleanup() {
    [ -n "$demo" ] && kill "$demo" 2>/dev/null
    [ -n "$desk" ] && kill "$desk" 2>/dev/null
    "$build/wine-run.sh" --stop >/dev/null 2>&1
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
}
trap cleanup EXIT
fail() {
    echo "e2e_panel: $*"
    echo "--- demo log:"; cat "$log" 2>/dev/null
    exit 1
}
xdo() { timeout 10 xdotool "$@"; }
pause() { sleep 0.03; }

# A private X server on a free display (none possible: skipped, saying why).
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$out/display" </dev/null >"$out/xvfb.log" 2>&1 &
xvfb=$!
i=0
while [ ! -s "$out/display" ]; do
    i=$((i + 1))
    if [ $i -gt 100 ] || ! kill -0 "$xvfb" 2>/dev/null; then
        echo "e2e_panel: Xvfb cannot start here, skipped ($(tail -n1 "$out/xvfb.log" 2>/dev/null))"
        exit 77
    fi
    sleep 0.1
done
DISPLAY=:$(head -n1 "$out/display")
export DISPLAY

# The prefix: a copy of the build's, with the X11 driver and windows without
# a window manager.
for attempt in 1 2 3; do
    [ -f "$WINEPREFIX/.cc-e2e-ready" ] && break
    "$build/wine-run.sh" --prepare </dev/null >/dev/null 2>&1 || fail "no Wine prefix"
    timeout 60 $wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d x11 /f </dev/null >/dev/null 2>&1 &&
    timeout 60 $wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 &&
    timeout 60 wineserver -w && touch "$WINEPREFIX/.cc-e2e-ready" && break
    "$build/wine-run.sh" --stop >/dev/null 2>&1
done
[ -f "$WINEPREFIX/.cc-e2e-ready" ] || fail "the prefix's X11 settings could not be written"
sh "$(dirname "$0")/../../scripts/wine-warm.sh" "$build" </dev/null >/dev/null 2>&1 || fail "the Wine session did not start"

png="Z:$(printf '%s' "$out/panel.png" | tr / '\\')"   # drive Z: is the root
timeout 300 $wine "$build/demo/ccdemo.exe" --interactive --png "$png" </dev/null >"$log" 2>"$out/stderr.txt" &
demo=$!
deadline=$(($(date +%s) + 150))
until grep -q "^demo: ready" "$log" 2>/dev/null; do
    [ "$(date +%s)" -gt $deadline ] && fail "the panel did not open"
    kill -0 "$demo" 2>/dev/null || fail "the demo ended early"
    sleep 0.1
done
sleep 0.5

# Screen point of a control's centre: client origin (logged) + its place.
set -- $(sed -n 's/^demo: panel client .* at screen \(-*[0-9]*\),\(-*[0-9]*\);.*/\1 \2/p' "$log")
ox=$1 oy=$2
centre() {  # id -> "x y"
    sed -n "s/^control id=$1 .* x=\([0-9]*\) y=\([0-9]*\) w=\([0-9]*\) h=\([0-9]*\) .*/\1 \2 \3 \4/p" "$log" |
        awk -v ox="$ox" -v oy="$oy" '{print ox + $1 + int($3 / 2), oy + $2 + int($4 / 2)}'
}
move() { xdo mousemove "$1" "$2"; pause; }
# Moves the pointer to (x, y) in steps of 10 pixels, as a hand would.
glide() {
    set -- $(xdo getmouselocation | sed 's/x:\([0-9]*\) y:\([0-9]*\).*/\1 \2/') "$1" "$2"
    steps=$(awk -v a="$1" -v b="$2" -v c="$3" -v d="$4" 'BEGIN { dx = c - a; dy = d - b; if (dx < 0) dx = -dx; if (dy < 0) dy = -dy; print int((dx > dy ? dx : dy) / 10) + 1 }')
    k=1
    while [ $k -le "$steps" ]; do
        move $(($1 + ($3 - $1) * k / steps)) $(($2 + ($4 - $2) * k / steps))
        k=$((k + 1))
    done
}
down() { xdo mousedown 1; pause; }
up() { xdo mouseup 1; pause; }
# The ids of the notifications so far; a run of the same id counts once
# (a fader reports every move, a Repeat button every repeat).
notes() { grep "^WM_COMMAND" "$log" | sed 's/^WM_COMMAND id=\([0-9]*\) .*/\1/' | uniq | tr '\n' ' ' | sed 's/ $//'; }
count() { grep -c "^WM_COMMAND id=$1 " "$log"; }
expect() {  # what, expected id sequence so far (waits for slow machines, then
    i=0       # checks that nothing more arrives)
    while [ "$(notes)" != "$2" ] && [ $i -lt 50 ]; do i=$((i + 1)); sleep 0.1; done
    sleep 0.3
    [ "$(notes)" = "$2" ] || fail "$1: notifications '$(notes)', expected '$2'"
}

glide $(centre 101); down; up
expect "click on Button 101" "101"

glide $(centre 102); down
set -- $(centre 102); glide "$1" $(($2 - 30)); up   # above the row: nothing there
expect "Button 102 released outside" "101"

glide $(centre 121); down
expect "press on Touch 121" "101 121"
up
expect "release of Touch 121" "101 121"

glide $(centre 111); down
for id in 112 113 114 115; do glide $(centre $id); done
up
expect "roll-on across the Browse row" "101 121 111 112 113 114 115"

# Flat buttons: a press slides into each one entered; the release reports + 1000.
glide $(centre 701); down
for id in 702 703 704; do glide $(centre $id); done
up
so_far="101 121 111 112 113 114 115 701 702 703 704 1704"
expect "slide across the Flat buttons" "$so_far"

# Fader 301: press at its centre, drag up 20 pixels, release: every step reported.
set -- $(centre 301)
glide "$1" "$2"; down; glide "$1" $(($2 - 20)); up
so_far="$so_far 301"
expect "fader drag" "$so_far"
[ "$(count 301)" -ge 3 ] || fail "fader drag: $(count 301) notifications, expected press, moves and release"

# Repeat Up 916 held for a second: the press, then repeats after 500 ms.
glide $(centre 916); down; sleep 1; up
so_far="$so_far 916"
expect "Repeat button held" "$so_far"
[ "$(count 916)" -ge 2 ] || fail "Repeat button held a second: $(count 916) notifications, expected repeats"

# Right clicks on special controls reach the panel at the controls' centres.
for id in 901 906; do
    glide $(centre $id); xdo click 3; pause
    set -- $(sed -n "s/^control id=$id .* x=\([0-9]*\) y=\([0-9]*\) w=\([0-9]*\) h=\([0-9]*\) .*/\1 \2 \3 \4/p" "$log")
    want="WM_RBUTTONDOWN x=$(($1 + $3 / 2)) y=$(($2 + $4 / 2)) over=$id "
    i=0
    until grep -q "^$want" "$log"; do
        i=$((i + 1)); [ $i -gt 50 ] && fail "right click on $id: no '$want' in the log"
        sleep 0.1
    done
done
expect "right clicks (no WM_COMMAND)" "$so_far"

# The screen as X shows it: the faces in the colours the panel set.
timeout 30 import -window root "$out/screen.png" || fail "no screenshot"
pixel() {  # x y -> r,g,b
    convert "$out/screen.png" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:
}
for want in "101 0,255,0" "102 255,0,0" "111 0,255,255"; do
    set -- $want
    xy=$(sed -n "s/^control id=$1 .* x=\([0-9]*\) y=\([0-9]*\) .*/\1 \2/p" "$log")
    set -- $xy "$2" "$1"
    got=$(pixel $((ox + $1 + 5)) $((oy + $2 + 5)))
    [ "$got" = "$3" ] || fail "control $4 on screen: face $got, expected $3"
done

# Closing the panel ends the program, which saves its own screenshot.
win=$(xdo search --sync --name "Control kit demo panel" | head -n1)
[ -n "$win" ] || fail "panel window not found"
xdo windowfocus --sync "$win" key alt+F4
i=0
while kill -0 "$demo" 2>/dev/null; do
    i=$((i + 1)); [ $i -gt 200 ] && fail "the demo did not close"
    sleep 0.1
done
demo=
grep -q "^demo: closed" "$log" || fail "no orderly close"
grep -q "^demo: screenshot .*panel.png" "$log" || fail "no screenshot from the program"

# The keyboard: the playout desk opens with the focus on its first button.
keys=$out/keys.txt
src=$(cd "$(dirname "$0")/../.." && pwd)
CCPANEL_WINE=$wine timeout 120 "$build/demo/ccpanel" "$src/examples/panels/keyboard.rc" --interactive \
    </dev/null >"$keys" 2>&1 &
desk=$!
i=0
until grep -q "^control 501" "$keys" 2>/dev/null; do
    i=$((i + 1)); [ $i -gt 600 ] && fail "the playout desk did not open: $(cat "$keys")"
    sleep 0.1
done
win=$(xdo search --sync --name "Playout desk" | head -n1)
[ -n "$win" ] || fail "playout desk window not found"
xdo windowfocus --sync "$win"; sleep 0.3
key() { xdo key "$1"; sleep 0.1; }
keynotes() { grep "^notify:" "$keys" | tr -d '\r' | sed 's/^notify: \([0-9]*\) .*/\1/' | tr '\n' ' ' | sed 's/ $//'; }
keyexpect() {
    i=0
    while [ "$(keynotes)" != "$2" ] && [ $i -lt 50 ]; do i=$((i + 1)); sleep 0.1; done
    sleep 0.3
    [ "$(keynotes)" = "$2" ] || fail "$1: notifications '$(keynotes)', expected '$2'"
}
key Tab; key space
keyexpect "Tab to Play, Space" "102"
key Tab; key space
keyexpect "Tab to the Flat Stop, Space" "102 103 1103"
key Tab; key Down; key Home
keyexpect "Tab to the fader, Down, Home" "102 103 1103 301 301"
grep -q '^notify: 301 from VFader 301 "1"' "$keys" || fail "fader not at its minimum after Home: $(keynotes)"
xdo windowfocus --sync "$win" key alt+F4
i=0
while kill -0 "$desk" 2>/dev/null; do
    i=$((i + 1)); [ $i -gt 200 ] && fail "the playout desk did not close"
    sleep 0.1
done
desk=
echo "e2e_panel: ok ($(notes); keys $(keynotes)); screenshot $out/screen.png"
exit 0
