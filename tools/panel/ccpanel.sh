#!/bin/sh
# ccpanel: shows a dialog template with the kit's controls, runs a script of
# operator actions on it and writes a screenshot, without writing a program.
#   ccpanel PANEL.rc|PANEL.res [--dialog NAME] [--script FILE] [--png FILE] [--interactive]
# The template is compiled with the cross toolchain's resource compiler into a
# resource-only module that ccpanel.exe (beside this script) shows under Wine.
# Environment: CCPANEL_WINE (default: Wine's loader of ccpanel.exe's word size,
# `wine` for 32-bit, the 64-bit loader wine64 for 64-bit, in WINEPREFIX, which
# must be of that word size), CCPANEL_INCLUDE (kerv_cc.h's folder).
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

usage() { echo "usage: ccpanel PANEL.rc|PANEL.res [--dialog NAME] [--script FILE] [--png FILE] [--interactive]" >&2; exit 2; }
[ $# -ge 1 ] || usage
panel=$1; shift
case "$panel" in -*) usage ;; esac
[ -f "$panel" ] || { echo "$panel: no such template" >&2; exit 2; }

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
[ -n "$dialog" ] && set -- "$@" --dialog "$dialog"
[ -n "$script" ] && set -- "$@" --script "$script"
[ -n "$png" ] && set -- "$@" --png "$(winpath "$png")"
[ -n "$interactive" ] && set -- "$@" --interactive
export WINEDEBUG=${WINEDEBUG:--all}
if [ -n "$interactive" ]; then
    $wine "$here/ccpanel.exe" "$@"
    exit $?
fi
$wine "$here/ccpanel.exe" "$@" >"$work/out.txt" 2>"$work/err.txt"
rc=$?
tr -d '\r' <"$work/out.txt"
tr -d '\r' <"$work/err.txt" >&2
exit $rc
