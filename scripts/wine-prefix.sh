# Making, checking and stopping Wine prefixes; sourced by the build's
# wine-run.sh and by the panel runner's front end (ccpanel, which installs a
# copy beside itself). The functions act on $WINEPREFIX with the loader $wine;
# their messages start with $cc_who.
#   cc_stop_prefix               stops every process of the prefix
#   cc_create_prefix [DRIVER]    makes the prefix with that graphics driver
#                                (default null: no display needed), each step
#                                bounded, redone when one does not finish; marks
#                                it finished with .cc-ready
#   cc_copy_prefix BASE DIR [DRIVER]
#                                makes DIR a copy of the finished prefix BASE,
#                                with that graphics driver when given; says
#                                which step failed
#   cc_prefix_fault DIR BITS     prints why DIR is no usable prefix for programs
#                                of that word size (nothing when it is usable,
#                                or empty)
# Files every finished prefix has.
cc_prefix_parts="system.reg user.reg drive_c/windows/system32"

# Stops the server and the clients it left behind (under qemu's emulation a
# client may outlive its server, stuck).
cc_stop_prefix() {
    timeout 30 wineserver -k 2>/dev/null
    for p in $(grep -lzx "WINEPREFIX=$WINEPREFIX" /proc/[0-9]*/environ 2>/dev/null | cut -d/ -f3); do
        case $(readlink "/proc/$p/exe") in
        */qemu-i386*|*/wine*) kill -9 "$p" 2>/dev/null ;;
        esac
    done
}

# Creating a prefix now and then hangs in wineboot under emulation: each step
# is bounded, and a creation that does not finish is thrown away and redone.
cc_create_prefix() {
    for attempt in 1 2 3 4 5; do
        mkdir -p "$WINEPREFIX" || return 1
        if WINEDLLOVERRIDES="mscoree,mshtml=" timeout 240 $wine wineboot -i >/dev/null 2>&1 &&
           timeout 120 $wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "${1:-null}" /f >/dev/null 2>&1 &&
           timeout 120 wineserver -w && [ -f "$WINEPREFIX/system.reg" ]; then
            touch "$WINEPREFIX/.cc-ready"
            return 0
        fi
        echo "${cc_who:-wine-run}: creating $WINEPREFIX did not finish (attempt $attempt); starting again" >&2
        cc_stop_prefix
        sleep 1
        rm -rf "$WINEPREFIX"
    done
    return 1
}

# The system folders' program files (half a gigabyte each, never written;
# syswow64 in a 64-bit prefix) are shared as hard links; every other file is a
# copy of its own. The driver is set in the copy's registry file itself (the
# line cc_create_prefix wrote): no Wine process takes part. A server of the
# base still running may replace a file while it is linked: linking is tried
# again.
cc_copy_prefix() {
    for attempt in 1 2 3; do
        rm -rf "$2"
        cp -al "$1" "$2" 2>/dev/null && break
        [ $attempt = 3 ] && { echo "${cc_who:-wine-run}: cannot link $1 into $2" >&2; return 1; }
        sleep 1
    done
    find "$2" -type f ! -path "$2/drive_c/windows/system32/*" ! -path "$2/drive_c/windows/syswow64/*" |
        while IFS= read -r f; do
            { cp -p "$f" "$f.cc" && mv -f "$f.cc" "$f"; } || [ ! -e "$f" ] || exit 1   # (a file gone meanwhile is no fault)
        done || { echo "${cc_who:-wine-run}: cannot copy the files of $1 into $2" >&2; return 1; }
    [ -n "${3:-}" ] || return 0
    sed -i '/^\[Software\\\\Wine\\\\Drivers\]/,/^$/s/^"Graphics"=".*"$/"Graphics"="'"$3"'"/' "$2/user.reg" &&
        grep -qx "\"Graphics\"=\"$3\"" "$2/user.reg" ||
        { echo "${cc_who:-wine-run}: $2/user.reg has no graphics driver line to set to $3" >&2; return 1; }
}

# A prefix Wine would refuse, or would stop in with a message of its own.
cc_prefix_fault() {
    [ -d "$1" ] || { echo "is not a folder"; return; }
    [ -O "$1" ] || { echo "belongs to another user"; return; }
    [ -n "$(ls -A "$1")" ] || return   # empty: Wine makes a prefix there
    for f in $cc_prefix_parts; do
        [ -e "$1/$f" ] || { echo "is half made (it has no $f)"; return; }
    done
    [ -w "$1" ] && [ -w "$1/system.reg" ] && [ -w "$1/user.reg" ] || { echo "is not writable"; return; }
    arch=$(sed -n 's/^#arch=//p' "$1/system.reg" | head -n 1)
    case $2:$arch in
    64:win32) echo "is a 32-bit prefix, and the program is a 64-bit one" ;;
    esac
}
