#!/bin/sh
# Counts the wineserver requests each benchmark operation makes: runs cc_bench
# --count-calls under a wineserver that traces every request (its own prefix,
# <build>/bench/wine-trace, so a running test suite is not disturbed) and sums
# the requests between each operation's marks.
# Usage: sh tools/bench/server-calls.sh [build] [cc_bench options, e.g. --profile --only Button]
# The word size and Wine loader are the build's (wine-run.sh --env).
set -e
build=${1:-build}
[ $# -gt 0 ] && shift
build=$(cd "$build" && pwd)
out=$build/bench
mkdir -p "$out"
eval "$(WINEPREFIX=$out/wine-trace "$build/wine-run.sh" --env)"
"$build/wine-run.sh" --prepare </dev/null >/dev/null 2>&1 || true   # creates the prefix once
wineserver -k 2>/dev/null || true
sleep 1
trace=$out/server-trace.log
wineserver -f -d1 </dev/null >/dev/null 2>"$trace" &
server=$!
trap 'wineserver -k 2>/dev/null || true; wait $server 2>/dev/null || true' EXIT
sleep 1
(cd "$build/bin" && "$build/wine-run.sh" ./cc_bench.exe --count-calls --panel 0 --big-panel 0 "$@" </dev/null >"$out/marks.txt" 2>/dev/null)
wineserver -k 2>/dev/null || true
wait $server 2>/dev/null || true
trap - EXIT
tr -d '\r' <"$out/marks.txt" | grep '^mark ' >"$out/marks.map" || true
awk -v reps=20 '
    FNR == NR { id = $2; $1 = $2 = ""; sub(/^  /, ""); if (!(id in names)) names[id] = $0; next }
    /ccbench:[0-9]+:begin/ {
        match($0, /ccbench:[0-9]+/); cur = substr($0, RSTART + 8, RLENGTH - 8); tid = $1
        total = 0; for (k in cnt) delete cnt[k]; next
    }
    /ccbench:[0-9]+:end/ {
        if (cur == "") next
        top = ""
        for (n = 0; n < 4; n++) {
            best = ""; bc = 0
            for (k in cnt) if (cnt[k] > bc) { bc = cnt[k]; best = k }
            if (best == "") break
            top = top sprintf(" %s %.1f", best, bc / reps); delete cnt[best]
        }
        printf "%-56s %7.1f  %s\n", names[cur], total / reps, top
        cur = ""; next
    }
    cur != "" && $1 == tid && $2 ~ /^[a-z_0-9]+\($/ { r = $2; sub(/\($/, "", r); cnt[r]++; total++ }
' "$out/marks.map" "$trace" >"$out/server-calls.txt"
printf '%-56s %7s  %s\n' "row" "req/op" "most frequent requests per operation"
cat "$out/server-calls.txt"
