#!/bin/sh
# The SDK as a panel author gets it: `cmake --install` of a 32-bit and of a
# 64-bit build into one fresh prefix, the example panel (examples/sdk_panel)
# configured with find_package(KervCC) against that prefix with each word
# size's toolchain and built, then both programs run under Wine:
# - with their own installation they report what they expect; the installed
#   panel runners (bin/ccpanel, bin64/ccpanel) find their own trees;
# - the package picks the consumer's word size, and refuses a tree that lacks
#   it (checked before the second build is installed);
# - a program given the other word size's system path stops with a message
#   that names the cause (the system itself says only "bad image format");
# - without the installation, the sibling library or the font, this build's
#   program stops with a clear message and exit status 2.
#   sdk_example.sh <build dir> <source dir> <cmake> <toolchain file>
#
# The other word size's build: the first of
#   1. $CC_SDK_OTHER_BUILD, when set (a build dir of the other word size);
#   2. the conventional sibling of the build dir: <dir>64 beside a 32-bit
#      <dir> (build -> build64), <dir> beside a 64-bit <dir>64 (build64 ->
#      build), as `make test` builds both before running either suite;
#   3. a build of the SDK's parts only (the libraries, the font, the import
#      libraries, the panel runner) made here, in <build>/sdk-other, kept for
#      the next run.
# A sibling counts when it is configured from the same sources, is of the
# other word size and has those parts built; it is only read (installed
# from, and its Wine prefix copied), never built.
set -u
build=$(cd "$1" && pwd)
src=$(cd "$2" && pwd)
cmake=$3
toolchain=$4
out=$build/e2e/sdk
rm -rf "$out"
mkdir -p "$out"
prefix=$out/prefix
fail() { echo "sdk_example: $*"; [ -f "$out/log.txt" ] && { echo "--- log:"; cat "$out/log.txt"; }; exit 1; }

bits_of() { (eval "$(WINEPREFIX= "$1/wine-run.sh" --env)" && echo "$cc_bits"); }
bits=$(bits_of "$build")
if [ "$bits" = 64 ]; then obits=32; else obits=64; fi
sys_of() { if [ "$1" = 64 ]; then echo studio64; else echo studio; fi; }
bin_of() { if [ "$1" = 64 ]; then echo bin64; else echo bin; fi; }
lib_of() { if [ "$1" = 64 ]; then echo lib64; else echo lib; fi; }
toolchain_of() {
    if [ "$1" = 64 ]; then echo "$src/cmake/toolchain-x86_64-mingw.cmake"; else echo "$src/cmake/toolchain-i686-mingw.cmake"; fi
}
parts="bin/KERV_CC.DLL bin/KERV_CC09.DLL bin/DotMatrix.ttf implib/libkerv_cc_delay.a implib/libkerv_cc09_delay.a
       demo/ccpanel demo/ccpanel.exe"
usable() {  # build dir -> status 0 when it is a built SDK of the other word size from these sources
    [ -f "$1/CMakeCache.txt" ] && [ -x "$1/wine-run.sh" ] || return 1
    grep -qx "CMAKE_HOME_DIRECTORY:INTERNAL=$src" "$1/CMakeCache.txt" || return 1
    [ "$(bits_of "$1")" = $obits ] || return 1
    for f in $parts; do [ -f "$1/$f" ] || return 1; done
}
other=""
case "$(basename "$build")" in
*64) sibling=$(dirname "$build")/$(basename "$build" 64) ;;
*) sibling=${build}64 ;;
esac
for cand in ${CC_SDK_OTHER_BUILD:-} "$sibling"; do
    if [ -d "$cand" ] && usable "$(cd "$cand" && pwd)"; then other=$(cd "$cand" && pwd); break; fi
done
if [ -z "$other" ]; then
    other=$build/sdk-other
    echo "sdk_example: no $obits-bit build beside this one; building its SDK parts in $other"
    { "$cmake" -S "$src" -B "$other" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$(toolchain_of $obits)" \
          -DCMAKE_BUILD_TYPE=Release &&
      "$cmake" --build "$other" -j 2 --target kerv_cc kerv_cc09 cc_font cc_implibs ccpanel; } \
        </dev/null >"$out/other-build.txt" 2>&1 || { tail -n 30 "$out/other-build.txt"; fail "the $obits-bit build failed"; }
    usable "$other" || fail "the $obits-bit build in $other lacks the SDK's parts"
else
    echo "sdk_example: the $obits-bit build is $other"
fi

# Each word size runs in a prefix of its own here, a copy of its build's.
wine_of() { if [ "$1" = $bits ]; then echo "$build/wine-run.sh"; else echo "$other/wine-run.sh"; fi; }
prefix_of() { echo "$build/wine-sdk$1"; }
stop_all() {
    for b in $bits $obits; do WINEPREFIX=$(prefix_of $b) "$(wine_of $b)" --stop >/dev/null 2>&1; done
}
trap stop_all EXIT
for b in $bits $obits; do
    WINEPREFIX=$(prefix_of $b) "$(wine_of $b)" --prepare </dev/null >/dev/null 2>&1 || fail "no $b-bit Wine prefix"
    WINEPREFIX=$(prefix_of $b) sh "$src/scripts/wine-warm.sh" "$(dirname "$(wine_of $b)")" </dev/null >/dev/null 2>&1
done
# run <bits> <program> [arguments]: in that word size's prefix, output in the caller's files.
run_in() { b=$1; shift; WINEPREFIX=$(prefix_of "$b") "$(wine_of "$b")" "$@" </dev/null; }

configure() {  # bits -> configures and builds the example for that word size in example<bits>
    "$cmake" -S "$src/examples/sdk_panel" -B "$out/example$1" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$(toolchain_of "$1")" \
        -DCMAKE_PREFIX_PATH="$prefix" </dev/null >"$out/configure$1.txt" 2>&1
}

# This build first: a consumer of the other word size is refused, saying why.
"$cmake" --install "$build" --prefix "$prefix" >"$out/install$bits.txt" 2>&1 || fail "install of the $bits-bit build failed"
configure $obits && fail "a $obits-bit consumer configured against a tree without the $obits-bit build"
tr -s " \n" "  " <"$out/configure$obits.txt" | grep -q "holds no $obits-bit build" || { cat "$out/configure$obits.txt"; fail "no message on the missing $obits-bit build"; }
rm -rf "$out/example$obits"
"$cmake" --install "$other" --prefix "$prefix" >"$out/install$obits.txt" 2>&1 || fail "install of the $obits-bit build failed"

# The tree: each build in its folders, the header and the package shared.
for f in include/kerv_cc.h lib/cmake/KervCC/KervCCConfig.cmake lib/cmake/KervCC/KervCCConfigVersion.cmake; do
    [ -f "$prefix/$f" ] || fail "installation lacks $f"
done
for b in 32 64; do
    for f in "$(bin_of $b)/KERV_CC.DLL" "$(bin_of $b)/KERV_CC09.DLL" "$(bin_of $b)/DotMatrix.ttf" \
             "$(bin_of $b)/ccpanel" "$(bin_of $b)/ccpanel.exe" \
             "$(lib_of $b)/libkerv_cc.dll.a" "$(lib_of $b)/libkerv_cc09.dll.a" "$(lib_of $b)/libkerv_cc_delay.a" \
             "$(lib_of $b)/kerv_cc.def" "$(lib_of $b)/kerv_cc09.def" lib/cmake/KervCC/KervCC-$b.cmake \
             "$(sys_of $b)/windows/lib/KERV_CC.DLL" "$(sys_of $b)/windows/lib/KERV_CC09.DLL" \
             "$(sys_of $b)/windows/lib/DotMatrix.ttf"; do
        [ -f "$prefix/$f" ] || fail "installation lacks $f"
    done
    # The right machine in each folder (PE header: i386 0x14c, AMD64 0x8664).
    dll=$prefix/$(bin_of $b)/KERV_CC.DLL
    pe=$(od -An -tu4 -j60 -N4 "$dll" | tr -d ' ')
    machine=$(od -An -tx2 -j$((pe + 4)) -N2 "$dll" | tr -d ' ')
    case $b:$machine in 32:014c|64:8664) ;; *) fail "$(bin_of $b)/KERV_CC.DLL has machine $machine" ;; esac
done

winpath() { printf 'Z:%s' "$1" | tr / '\\'; }
for b in $bits $obits; do
    configure $b || { cat "$out/configure$b.txt"; fail "$b-bit configure failed"; }
    grep -q "KervCC: $b-bit build, .* CC_SYSTEM=$(sys_of $b)\$" "$out/configure$b.txt" ||
        { cat "$out/configure$b.txt"; fail "the package did not pick the $b-bit build"; }
    "$cmake" --build "$out/example$b" </dev/null >"$out/build$b.txt" 2>&1 || { cat "$out/build$b.txt"; fail "$b-bit build failed"; }
    # The installed panel runner finds the tree's header and its word size's system path by itself.
    (unset CC_ROOT CC_SYSTEM; CCPANEL_WINE=$(wine_of $b) WINEPREFIX=$(prefix_of $b) \
        "$prefix/$(bin_of $b)/ccpanel" "$src/examples/panels/talkback.rc" </dev/null >"$out/runner$b.txt" 2>&1) ||
        { cat "$out/runner$b.txt"; fail "installed $b-bit ccpanel failed"; }
    grep -q '^control 101 DualLED' "$out/runner$b.txt" || { cat "$out/runner$b.txt"; fail "installed $b-bit ccpanel listed no controls"; }
    grep -qF "$(sys_of $b)\\windows\\lib" "$out/runner$b.txt" || { cat "$out/runner$b.txt"; fail "installed $b-bit ccpanel used another system path"; }
done

run() {  # bits, CC_ROOT, CC_SYSTEM -> log.txt, returns the exit status
    CC_ROOT=$(winpath "$2") CC_SYSTEM=$3 run_in "$1" "$out/example$1/sdkpanel.exe" >"$out/log.txt" 2>/dev/null
}
for b in $bits $obits; do
    run $b "$prefix" "$(sys_of $b)"
    rc=$?
    [ $rc -eq 0 ] || fail "$b-bit program: exit status $rc with the installation"
    grep -q '^sdkpanel: ListClasses: 1 class(es), first "VEK_CC_Button"' "$out/log.txt" || fail "$b-bit: import library not bound"
    grep -q '^sdkpanel: 7 notifications, as expected' "$out/log.txt" || fail "$b-bit: notifications"
done

# The example's run script: the program through the installed panel runner's Wine settings.
(CCPANEL_WINE=$(wine_of $bits) WINEPREFIX=$(prefix_of $bits) sh "$src/examples/sdk_panel/run.sh" "$prefix" \
    "$out/example$bits/sdkpanel.exe" </dev/null >"$out/run-script.txt" 2>&1) &&
    grep -q '^sdkpanel: 7 notifications, as expected' "$out/run-script.txt" ||
    { cat "$out/run-script.txt"; fail "examples/sdk_panel/run.sh did not run the $bits-bit program"; }

# The other word size's libraries: the load fails, and the message says why.
for b in $bits $obits; do
    if [ $b = 64 ]; then o=32; else o=64; fi
    run $b "$prefix" "$(sys_of $o)"
    rc=$?
    [ $rc -eq 2 ] || fail "$b-bit program with the $o-bit libraries: exit status $rc, expected 2"
    grep -q "^sdkpanel: KERV_CC.DLL cannot be loaded (error [0-9]*): .* is a $o-bit DLL; a $b-bit program needs the $b-bit build" \
        "$out/log.txt" || fail "$b-bit program with the $o-bit libraries: the cause not named"
done
# The kit's own loader (the panel runner) says the same.
(CCPANEL_WINE=$(wine_of $bits) WINEPREFIX=$(prefix_of $bits) CC_ROOT=$(winpath "$prefix") CC_SYSTEM=$(sys_of $obits) \
    "$prefix/$(bin_of $bits)/ccpanel" "$src/examples/panels/talkback.rc" </dev/null >"$out/runner-cross.txt" 2>&1)
rc=$?
[ $rc -eq 3 ] && grep -q "is a $obits-bit DLL; a $bits-bit program needs the $bits-bit build" "$out/runner-cross.txt" ||
    { cat "$out/runner-cross.txt"; fail "installed ccpanel with the $obits-bit libraries: status $rc, cause not named"; }

# Broken installations (this build's word size): a copy of the system path without one file each.
sys=$(sys_of $bits)/windows/lib
for missing in none KERV_CC.DLL KERV_CC09.DLL DotMatrix.ttf; do
    rm -rf "$out/broken"
    if [ $missing = none ]; then
        want="no installation at the system path"
    else
        mkdir -p "$out/broken/$sys"
        cp "$prefix/$sys"/* "$out/broken/$sys/"
        rm "$out/broken/$sys/$missing"
        case $missing in
        KERV_CC.DLL) want="the standard library is missing" ;;
        KERV_CC09.DLL) want="the special library (sibling of KERV_CC.DLL) is missing" ;;
        *) want="the Dot-Matrix font is missing" ;;
        esac
    fi
    run $bits "$out/broken" "$(sys_of $bits)"
    rc=$?
    [ $rc -eq 2 ] || fail "without $missing: exit status $rc, expected 2"
    grep -qF "sdkpanel: $want" "$out/log.txt" || fail "without $missing: no message '$want'"
done
echo "sdk_example: ok ($bits-bit and $obits-bit from one tree; the $obits-bit build from $other)"
exit 0
