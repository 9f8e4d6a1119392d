#!/bin/sh
# ccpanel: shows a dialog template with the kit's controls, runs a script of
# operator actions on it and writes a screenshot, without writing a program.
#   ccpanel PANEL.rc|PANEL.res [--dialog NAME] [--script FILE] [--png FILE] [--interactive]
#   eval "$(ccpanel --env)"      the settings of ccpanel's Wine prefix, for
#                                running other programs there ($wine prog.exe)
# The template is compiled with the cross toolchain's resource compiler into a
# resource-only module that ccpanel.exe (beside this script) shows under Wine.
# Wine prefix: WINEPREFIX when it is set, as it is; else ccpanel's own, made on
# the first run in ${XDG_CACHE_HOME:-$HOME/.cache}/kerv-cc: wine32 or wine64
# (the word size of ccpanel.exe) with Wine's null graphics driver, so that no
# display is needed, and wine32-x11 or wine64-x11 for --interactive, which uses
# the display in DISPLAY. Headless runs in one prefix take turns (their mouse
# input would reach each other's panels).
# Environment: CCPANEL_WINE (default: Wine's loader of ccpanel.exe's word size,
# `wine` for 32-bit, the 64-bit loader wine64 for 64-bit), CCPANEL_INCLUDE
# (kerv_cc.h's folder), CCPANEL_TIMEOUT (seconds a run may take, default 300;
# 3600 with --interactive).
# Exit status: that of ccpanel.exe (0 passed, 1 an expectation failed, 2 bad
# input, 3 the installation or Wine's prefix is unusable); 2 as well for
# --interactive without a display.
here=$(cd "$(dirname "$0")" && pwd)
include=${CCPANEL_INCLUDE:-@CCPANEL_INCLUDE@}
[ -f "$include/kerv_cc.h" ] || include="$here/../include"
# The word size of ccpanel.exe beside this script (set when the build copies it).
bits=@CCPANEL_BITS@
target=@CCPANEL_TARGET@
if [ -n "${CCPANEL_WINE:-}" ]; then
    wine=$CCPANEL_WINE
elif [ "$bits" = 64 ]; then
    # `wine` would start the 32-bit loader first; run the 64-bit one directly.
    wine=/usr/lib/wine/wine64
    [ -x "$wine" ] || wine=wine64
    export WINELOADER=${WINELOADER:-$wine}
else
    wine=wine
fi
windres=${CCPANEL_WINDRES:-$target-windres}
ld=${CCPANEL_LD:-$target-ld}
cc_who=ccpanel
. "$here/wine-prefix.sh"

usage() { echo "usage: ccpanel PANEL.rc|PANEL.res [--dialog NAME] [--script FILE] [--png FILE] [--interactive]" >&2; exit 2; }
fault() { echo "ccpanel: $*" >&2; exit 3; }
[ $# -ge 1 ] || usage
panel=$1; shift
case "$panel" in --env) ;; -*) usage ;; *) [ -f "$panel" ] || { echo "$panel: no such template" >&2; exit 2; } ;; esac

# Windows name of a file: Wine's drive Z: is the root of the file system.
winpath() {
    case "$1" in /*) p=$1 ;; *) p="$(pwd)/$1" ;; esac
    printf 'Z:%s' "$p" | tr / '\\'
}

while [ $# -gt 0 ]; do
    case "$1" in
    --dialog) [ $# -ge 2 ] || usage; dialog=$2; shift 2 ;;
    --script) [ $# -ge 2 ] || usage; [ -f "$2" ] || { echo "$2: no such script" >&2; exit 2; }; script=$2; shift 2 ;;
    --png) [ $# -ge 2 ] || usage; png=$2; shift 2 ;;
    --interactive) interactive=1; shift ;;
    *) usage ;;
    esac
done
if [ -n "${interactive:-}" ] && [ -z "${DISPLAY:-}" ]; then
    echo "ccpanel: --interactive needs a display and DISPLAY is not set (without --interactive ccpanel runs headless)" >&2
    exit 2
fi
case $wine in
*/*) [ -x "$wine" ] || fault "Wine's loader $wine is not installed (the $bits-bit ccpanel needs it)" ;;
*) command -v "$wine" >/dev/null || fault "Wine ($wine) is not installed (the $bits-bit ccpanel needs it)" ;;
esac

# The prefix. ccpanel's own are made under a lock each (fd 9: the null
# driver's, fd 8: the X11 driver's, a copy of the first), held while one is made
# and, headless, for the whole run (in WINEPREFIX too); Wine's processes get
# none of them (8>&- 9>&-), or a server left running would keep them.
lock() {  # fd prefix lock-file
    eval "exec $1>\"\$3\"" || fault "cannot write $3"
    flock -n "$1" && return
    echo "ccpanel: waiting for another ccpanel run in $2" >&2
    flock -w 1200 "$1" || fault "another ccpanel run has held $2 for 20 minutes (the lock $3)"
}
usable() {  # prefix: stops with the reason when it is not
    why=$(cc_prefix_fault "$1" "$bits")
    [ -z "$why" ] && [ ! -f "$1/.cc-ready" ] && why="is half made (it has no .cc-ready)"
    [ -z "$why" ] || fault "the Wine prefix $1 $why; remove it with: rm -rf '$1'"
}
# Made under another name and renamed when finished: a folder of that name is
# always whole, and a creation that was stopped is redone.
make_prefix() {  # prefix [base]: with the null driver, or a copy of base with the X11 driver
    echo "ccpanel: making a Wine prefix for ccpanel in $1 (once)" >&2
    rm -rf "$1.part"
    if [ $# -eq 1 ]; then
        fails="Wine could not make the prefix $1 (is Wine for $bits-bit programs installed?)"
        (WINEPREFIX=$1.part WINEARCH=win$bits WINEDEBUG=-all; export WINEPREFIX WINEARCH WINEDEBUG
         cc_create_prefix null 8>&- 9>&-)
    else
        fails="could not make the prefix $1 as a copy of $2"   # (the step that failed said why)
        # (the server of a run that just ended may still be saving the registry)
        (WINEPREFIX=$2; export WINEPREFIX; timeout 30 wineserver -w 8>&- 9>&-)
        cc_copy_prefix "$2" "$1.part" x11
    fi && mv "$1.part" "$1" && return
    rm -rf "$1.part"
    fault "$fails"
}
if [ -n "${WINEPREFIX:-}" ]; then
    cache=
    if [ -e "$WINEPREFIX" ]; then
        why=$(cc_prefix_fault "$WINEPREFIX" "$bits")
        [ -z "$why" ] || fault "the Wine prefix $WINEPREFIX (WINEPREFIX) $why; unset WINEPREFIX to use ccpanel's own"
        # Headless runs take turns here too (the lock inside the prefix).
        [ -n "${interactive:-}" ] || [ ! -d "$WINEPREFIX" ] || lock 9 "$WINEPREFIX" "$WINEPREFIX/.ccpanel.lock"
    fi
else
    cache=${XDG_CACHE_HOME:-}
    case $cache in /*) ;; *) [ -n "${HOME:-}" ] || fault "set HOME or WINEPREFIX: no place for ccpanel's Wine prefix"
                             cache=$HOME/.cache ;; esac
    cache=$cache/kerv-cc
    unset WINEARCH   # the prefix's own
    mkdir -p "$cache" 2>/dev/null && [ -w "$cache" ] ||
        fault "cannot write in $cache, where ccpanel keeps its Wine prefix (set XDG_CACHE_HOME or WINEPREFIX)"
    base=$cache/wine$bits
    if [ -n "${interactive:-}" ]; then
        WINEPREFIX=$base-x11
        lock 8 "$WINEPREFIX" "$WINEPREFIX.lock"
        if [ ! -e "$WINEPREFIX" ]; then
            lock 9 "$base" "$base.lock"
            [ -e "$base" ] || make_prefix "$base"
            usable "$base"
            make_prefix "$WINEPREFIX" "$base"
            flock -u 9
        fi
        usable "$WINEPREFIX"
        flock -u 8
    else
        WINEPREFIX=$base
        lock 9 "$WINEPREFIX" "$WINEPREFIX.lock"
        [ -e "$WINEPREFIX" ] || make_prefix "$WINEPREFIX"
        usable "$WINEPREFIX"
    fi
    export WINEPREFIX
fi
if [ -n "${interactive:-}" ] && grep -qix '"Graphics"="null"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    echo "ccpanel: --interactive needs a display and the Wine prefix $WINEPREFIX has the null graphics driver (unset WINEPREFIX)" >&2
    exit 2
fi
export WINEDEBUG=${WINEDEBUG:--all}
if [ "$panel" = --env ]; then
    echo "export WINEPREFIX='$WINEPREFIX' WINEDEBUG=$WINEDEBUG"
    case $wine in */wine64) echo "export WINELOADER=$wine" ;; esac
    echo "wine=$wine"
    exit 0
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/ccpanel.XXXXXX") || exit 2
trap 'rm -rf "$work"' EXIT
dir=$(cd "$(dirname "$panel")" && pwd)
case "$panel" in
*.res|*.RES) "$windres" -i "$panel" -O coff -o "$work/panel.o" 2>"$work/rc.txt" ;;
*) "$windres" -I "$include" -I "$dir" --include-dir "$dir" -i "$panel" -O coff -o "$work/panel.o" 2>"$work/rc.txt" ;;
esac
if [ $? -ne 0 ]; then
    cat "$work/rc.txt" >&2
    echo "$panel: the template does not compile" >&2
    exit 2
fi
"$ld" -shared -e 0 -o "$work/panel.dll" "$work/panel.o" 2>"$work/ld.txt" || {
    cat "$work/ld.txt" >&2; echo "$panel: the compiled template cannot be linked" >&2; exit 2; }

set -- --module "$(winpath "$work/panel.dll")" --source "$panel"
[ -n "${dialog:-}" ] && set -- "$@" --dialog "$dialog"
[ -n "${script:-}" ] && set -- "$@" --script "$script"
[ -n "${png:-}" ] && set -- "$@" --png "$(winpath "$png")"
[ -n "${interactive:-}" ] && set -- "$@" --interactive
limit=${CCPANEL_TIMEOUT:-300}
[ -n "${interactive:-}" ] && limit=${CCPANEL_TIMEOUT:-3600}
if [ -n "${interactive:-}" ]; then
    timeout --foreground "$limit" $wine "$here/ccpanel.exe" "$@" 8>&- 9>&-
    rc=$?
else
    timeout --foreground "$limit" $wine "$here/ccpanel.exe" "$@" >"$work/out.txt" 2>"$work/err.txt" 8>&- 9>&-
    rc=$?
    tr -d '\r' <"$work/out.txt"
    # (Wine's helper processes under qemu's emulation now and then die on
    # their way out, which qemu reports; the run's status tells of its own.)
    tr -d '\r' <"$work/err.txt" | grep -v '^qemu: uncaught target signal' >&2
fi
if [ $rc -eq 124 ]; then
    [ -n "$cache" ] && cc_stop_prefix 8>&- 9>&-
    [ -n "${interactive:-}" ] && fault "the session ended after $limit s (CCPANEL_TIMEOUT)"
    remove="remove it with: rm -rf '$WINEPREFIX'"
    [ -n "$cache" ] || remove="unset WINEPREFIX to use ccpanel's own"
    fault "Wine did not finish within $limit s in the prefix $WINEPREFIX (CCPANEL_TIMEOUT); if it is broken, $remove"
fi
exit $rc
