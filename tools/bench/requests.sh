#!/bin/sh
# The wineserver requests of every benchmark operation (server-calls.sh, a
# panel of 40), compared with requests.txt: the counts do not depend on the
# machine's speed, so both builds, the 32-bit one emulated, must give the
# table's figures. Fails on any difference (and names it).
#   requests.sh <build dir>            compare
#   requests.sh <build dir> --write    write the build's counts into requests.txt
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-build}
table=$here/requests.txt
mkdir -p "$build/bench"
out=$(cd "$build" && pwd)/bench/requests.now
sh "$here/server-calls.sh" "$build" --panel 40 >"$out.raw" 2>&1 || { cat "$out.raw"; exit 1; }
# Row name (56 columns) and requests per operation.
awk 'NR > 1 && length($0) > 57 { name = substr($0, 1, 56); sub(/ +$/, "", name);
     n = substr($0, 57, 8); gsub(/ /, "", n); printf "%s\t%s\n", name, n }' "$out.raw" >"$out"
if [ "${2:-}" = --write ]; then
    { echo "# Wineserver requests per operation (tools/bench/requests.sh <build> --write)."; cat "$out"; } >"$table"
    echo "requests.sh: $(wc -l <"$out") rows written to $table"
    exit 0
fi
[ -s "$out" ] || { echo "requests.sh: no counts (see $out.raw)"; exit 1; }
if ! grep -v '^#' "$table" | diff - "$out" >"$out.diff"; then
    echo "requests.sh: the request counts differ from requests.txt (< table, > this build):"
    cat "$out.diff"
    exit 1
fi
echo "requests.sh: $(wc -l <"$out") rows, every count as in requests.txt"
