#!/bin/sh
# The SDK as a panel author gets it: `cmake --install` of the build into a
# fresh prefix, the example panel (examples/panel) configured with
# find_package(KervCC) against that prefix and built, then run under Wine:
# with the installation it reports what it expects; without the
# installation, without the sibling library or without the font it stops
# with a clear message and exit status 2.
#   sdk_example.sh <build dir> <source dir> <cmake> <toolchain file>
set -u
build=$(cd "$1" && pwd)
src=$(cd "$2" && pwd)
cmake=$3
toolchain=$4
out=$build/e2e/sdk
rm -rf "$out"
mkdir -p "$out"
fail() { echo "sdk_example: $*"; [ -f "$out/log.txt" ] && { echo "--- log:"; cat "$out/log.txt"; }; exit 1; }

"$cmake" --install "$build" --prefix "$out/prefix" >"$out/install.txt" 2>&1 || fail "install failed"
for f in bin/KERV_CC.DLL bin/KERV_CC09.DLL bin/DotMatrix.ttf lib/libkerv_cc.dll.a lib/libkerv_cc09.dll.a \
         lib/kerv_cc.def lib/kerv_cc09.def include/kerv_cc.h lib/cmake/KervCC/KervCCConfig.cmake \
         studio/windows/lib/KERV_CC.DLL studio/windows/lib/KERV_CC09.DLL studio/windows/lib/DotMatrix.ttf \
         bin/ccpanel bin/ccpanel.exe; do
    [ -f "$out/prefix/$f" ] || fail "installation lacks $f"
done
"$cmake" -S "$src/examples/sdk_panel" -B "$out/example" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_PREFIX_PATH="$out/prefix" >"$out/configure.txt" 2>&1 || { cat "$out/configure.txt"; fail "configure failed"; }
"$cmake" --build "$out/example" >"$out/build.txt" 2>&1 || { cat "$out/build.txt"; fail "build failed"; }

winpath() { printf 'Z:%s' "$1" | tr / '\\'; }
# The installed panel runner finds the tree's header and system path by itself.
CCPANEL_WINE="$build/wine-run.sh" "$out/prefix/bin/ccpanel" "$src/examples/panels/talkback.rc" >"$out/runner.txt" 2>&1 ||
    { cat "$out/runner.txt"; fail "installed ccpanel failed"; }
grep -q '^control 101 DualLED' "$out/runner.txt" || { cat "$out/runner.txt"; fail "installed ccpanel listed no controls"; }
run() {  # CC_ROOT -> log.txt, returns the exit status
    CC_ROOT=$(winpath "$1") CC_SYSTEM=studio "$build/wine-run.sh" "$out/example/sdkpanel.exe" >"$out/log.txt" 2>/dev/null
}
run "$out/prefix"
rc=$?
[ $rc -eq 0 ] || fail "exit status $rc with the installation"
grep -q '^sdkpanel: ListClasses: 1 class(es), first "VEK_CC_Button"' "$out/log.txt" || fail "import library not bound"
grep -q '^sdkpanel: 7 notifications, as expected' "$out/log.txt" || fail "notifications"

# Broken installations: a copy of the system path without one file each.
sys=studio/windows/lib
for missing in none KERV_CC.DLL KERV_CC09.DLL DotMatrix.ttf; do
    rm -rf "$out/broken"
    if [ $missing = none ]; then
        want="no installation at the system path"
    else
        mkdir -p "$out/broken/$sys"
        cp "$out/prefix/$sys"/* "$out/broken/$sys/"
        rm "$out/broken/$sys/$missing"
        case $missing in
        KERV_CC.DLL) want="the standard library is missing" ;;
        KERV_CC09.DLL) want="the special library (sibling of KERV_CC.DLL) is missing" ;;
        *) want="the Dot-Matrix font is missing" ;;
        esac
    fi
    run "$out/broken"
    rc=$?
    [ $rc -eq 2 ] || fail "without $missing: exit status $rc, expected 2"
    grep -qF "sdkpanel: $want" "$out/log.txt" || fail "without $missing: no message '$want'"
done
echo "sdk_example: ok"
exit 0
