#!/bin/sh
# The panel runner end to end: the example panels run their scripts with every
# expectation met and leave a screenshot; bad input (a template that does not
# compile, a missing dialog, an id not on the panel, an unknown action, a
# failed expectation, a class the template names that is not registered, a
# missing installation or sibling) ends with a non-zero
# status and a line that names the file (and line) at fault.
# The word size is the build's (wine-run.sh --env): ccpanel compiles templates
# with the build's binutils and runs through the build's wine-run.sh, in a copy
# of the build's prefix. Programs left running get none of this script's
# output streams.
#   panel_runner.sh <build dir>
set -u
build=$(cd "${1:-build}" && pwd)
src=$(cd "$(dirname "$0")/../.." && pwd)
out=$build/e2e/panels
rm -rf "$out"
mkdir -p "$out"
eval "$(WINEPREFIX=$build/wine-panel "$build/wine-run.sh" --env)"
CCPANEL_WINE=$build/wine-run.sh
export CCPANEL_WINE
unset CC_ROOT CC_SYSTEM
"$build/wine-run.sh" --stop >/dev/null 2>&1
trap '"$build/wine-run.sh" --stop >/dev/null 2>&1' EXIT
sh "$src/scripts/wine-warm.sh" "$build" </dev/null >/dev/null 2>&1 || true
ccpanel=$build/demo/ccpanel
failed=0
fail() { echo "panel_runner: $*"; failed=1; }

# Runs ccpanel; $1: expected status, $2: text the output must hold, rest: arguments.
check() {
    want=$1 says=$2
    shift 2
    "$ccpanel" "$@" </dev/null >"$out/run.txt" 2>&1
    rc=$?
    if [ $rc -ne "$want" ] || ! grep -q -- "$says" "$out/run.txt"; then
        fail "ccpanel $* gave status $rc (wanted $want) and no '$says':"
        grep -v '^qemu\|^wine: Unhandled' "$out/run.txt" | sed 's/^/    /'
    fi
}

cd "$src/examples/panels" || exit 1
for p in routing playout talkback keyboard; do
    check 0 "actions, 0 failed" $p.rc --script $p.txt --png "$out/$p.png"
    [ -s "$out/$p.png" ] || fail "$p: no screenshot"
done

cd "$out" || exit 1
printf 'BAD DIALOG 0, 0, 10\nBEGIN\n  CONTROL\nEND\n' >broken.rc
check 2 "broken.rc: the template does not compile" broken.rc
check 2 "no dialog named NOPE" "$src/examples/panels/routing.rc" --dialog NOPE
printf 'click 101\nclick 999\n' >noid.txt
check 2 "noid.txt:2: no control with id 999" "$src/examples/panels/routing.rc" --script noid.txt
printf 'click 101\nexpect 101\nfly 101\n' >verb.txt
check 2 "verb.txt:3: unknown action 'fly'" "$src/examples/panels/routing.rc" --script verb.txt
printf 'click 401\nexpect 402\n' >wrong.txt
check 1 "wrong.txt:2: FAILED expect: expected \[402\], got \[401\]" "$src/examples/panels/routing.rc" --script wrong.txt
check 2 "missing.rc: no such template" missing.rc
# A dialog that cannot be made: the part of the template at fault named.
printf 'P DIALOG 0, 0, 90, 30\nBEGIN\n  CONTROL "x", 101, "VEK_CC_Buton", 0x40000000, 4, 4, 40, 12\nEND\n' >typo.rc
check 2 'control 101: class "VEK_CC_BUTON" is not registered' typo.rc
mkdir -p empty
CC_ROOT="Z:$(printf '%s' "$out/empty" | tr / '\\')" CC_SYSTEM=none \
    check 3 "ccpanel: no installation at the system path" "$src/examples/panels/routing.rc"
# An installation with the standard library only: the special controls' class is missing.
mkdir -p solo/studio/windows/lib
cp "$build/demo/install/studio/windows/lib/KERV_CC.DLL" solo/studio/windows/lib/
CC_ROOT="Z:$(printf '%s' "$out/solo" | tr / '\\')" CC_SYSTEM=studio \
    check 3 "ccpanel: the special library (sibling of KERV_CC.DLL) is missing" "$src/examples/panels/talkback.rc"
[ $failed -eq 0 ] && echo "panel_runner: 4 panels and 9 bad inputs as expected"
exit $failed
