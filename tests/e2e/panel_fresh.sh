#!/bin/sh
# The panel runner as a new user or a build server starts it: from a clean
# environment (PATH only: no WINEPREFIX, no DISPLAY, HOME a fresh folder).
# - Two runs at once make ccpanel's own headless prefix once and both pass an
#   example panel; a third reuses it; other programs run there through
#   `ccpanel --env`.
# - --interactive says what it needs, with status 2: with no DISPLAY, and with
#   a display Wine cannot open.
# - A headless run given the X11 prefix in WINEPREFIX names the missing
#   graphics driver.
# - A broken prefix (half made, of the other word size, another user's) is
#   named with how to remove it.
#   panel_fresh.sh <build dir>
set -u
build=$(cd "${1:-build64}" && pwd)
src=$(cd "$(dirname "$0")/../.." && pwd)
out=$build/e2e/fresh
rm -rf "$out"
mkdir -p "$out"
home=$(mktemp -d "${TMPDIR:-/tmp}/ccpanel-home.XXXXXX") || exit 1
bits=$(eval "$(WINEPREFIX= "$build/wine-run.sh" --env)" && echo "$cc_bits")
own=$home/.cache/kerv-cc/wine$bits
cleanup() {
    for p in "$own" "$own-x11"; do [ -d "$p" ] && WINEPREFIX=$p timeout 30 wineserver -k 2>/dev/null; done
    rm -rf "$home"
}
trap cleanup EXIT
ccpanel=$build/demo/ccpanel
panels=$src/examples/panels
failed=0
fail() { echo "panel_fresh: $*"; failed=1; }

# run NAME [VAR=value...] COMMAND...: in a clean environment; output and
# status in $out/NAME.txt and NAME.rc.
run() {
    name=$1; shift
    env -i PATH="$PATH" HOME="$home" "$@" </dev/null >"$out/$name.txt" 2>&1
    echo $? >"$out/$name.rc"
}
# expect NAME STATUS TEXT: what that run gave.
expect() {
    rc=$(cat "$out/$1.rc")
    if [ "$rc" != "$2" ] || ! grep -qF -- "$3" "$out/$1.txt"; then
        fail "$1: status $rc (wanted $2) and no '$3':"
        sed 's/^/    /' "$out/$1.txt"
    fi
}

t0=$(date +%s)
run first "$ccpanel" "$panels/talkback.rc" --script "$panels/talkback.txt" &
run second "$ccpanel" "$panels/routing.rc" --script "$panels/routing.txt" &
wait
t1=$(date +%s)
run again "$ccpanel" "$panels/talkback.rc" --script "$panels/talkback.txt"
t2=$(date +%s)
expect first 0 "script: 8 actions, 0 failed"
expect second 0 "script: 9 actions, 0 failed"
expect again 0 "script: 8 actions, 0 failed"
made=$(cat "$out/first.txt" "$out/second.txt" "$out/again.txt" | grep -c "^ccpanel: making a Wine prefix")
[ "$made" = 1 ] || fail "the prefix was made $made times (wanted once)"
echo "panel_fresh: two first runs at once $((t1 - t0)) s, the next run $((t2 - t1)) s"
run env sh -c 'eval "$("$1" --env)" && timeout 120 $wine "$2" --strict --png "$3"' sh "$ccpanel" \
    "$build/bin/ccgallery.exe" "Z:$(printf '%s' "$out/gallery.png" | tr / '\\')"
expect env 0 "kinds"

# A display number nothing answers on.
n=70
while [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
run nodisplay "$ccpanel" "$panels/talkback.rc" --interactive
expect nodisplay 2 "ccpanel: --interactive needs a display and DISPLAY is not set"
run baddisplay DISPLAY=:$n "$ccpanel" "$panels/talkback.rc" --interactive
expect baddisplay 2 "ccpanel: --interactive needs a display and Wine's graphics driver cannot open DISPLAY=:$n"
run nodriver WINEPREFIX="$own-x11" "$ccpanel" "$panels/talkback.rc"
expect nodriver 3 "could not be created: no graphics driver: Wine can make no window in the prefix $own-x11"

# Broken prefixes, each in a cache folder of its own; the last one given as WINEPREFIX.
other=win32
[ "$bits" = 32 ] && other=win64
for c in "half:is half made (it has no drive_c/windows/system32)" "arch:is a 32-bit prefix, and the program is a 64-bit one" \
         "owner:belongs to another user" "user:(WINEPREFIX) is a 32-bit prefix, and the program is a 64-bit one"; do
    name=${c%%:*} says=${c#*:}
    [ $name = owner ] && [ "$(id -u)" != 0 ] && continue   # only root can give a folder away
    [ $name = arch ] || [ $name = user ] && [ "$bits" = 32 ] && continue   # a 32-bit program runs in both
    p=$out/$name/kerv-cc/wine$bits
    mkdir -p "$p/drive_c/windows"
    echo "#arch=$other" >"$p/system.reg"
    : >"$p/user.reg"
    : >"$p/.cc-ready"
    [ $name = half ] || mkdir "$p/drive_c/windows/system32"
    [ $name = owner ] && chown -R 65534 "$p"
    if [ $name = user ]; then
        run $name WINEPREFIX="$p" "$ccpanel" "$panels/talkback.rc"
        expect $name 3 "ccpanel: the Wine prefix $p $says; unset WINEPREFIX"
    else
        run $name XDG_CACHE_HOME="$out/$name" "$ccpanel" "$panels/talkback.rc"
        expect $name 3 "ccpanel: the Wine prefix $p $says; remove it with: rm -rf '$p'"
    fi
done
[ $failed -eq 0 ] && echo "panel_fresh: clean environment, display and prefix faults as expected"
exit $failed
