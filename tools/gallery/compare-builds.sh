#!/bin/sh
# Compares the galleries that the gallery_smoke test wrote in a 64-bit and a
# 32-bit build, cell by cell (one cell per look of each kind). Every look
# that differs is listed with its number of differing pixels and its cause
# from known-differences.txt; a difference without a cause there, or a look
# of one build missing from the other, fails the comparison.
#   compare-builds.sh <64-bit build dir> <32-bit build dir>
here=$(cd "$(dirname "$0")" && pwd)
a=$1/bin/gallery_smoke; b=$2/bin/gallery_smoke
for f in "$a.png" "$a.cells" "$b.png" "$b.cells"; do
    [ -f "$f" ] || { echo "compare-builds: $f is missing (the gallery_smoke test writes it)"; exit 1; }
done
command -v convert >/dev/null || { echo "compare-builds: ImageMagick's convert is missing"; exit 1; }
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
# Raw RGB with the sheet's size, for the comparison below.
for x in a b; do
    eval "f=\$$x"
    convert "$f.png" -depth 8 "rgb:$work/$x.rgb" && identify -format '%w %h' "$f.png" >"$work/$x.size" ||
        { echo "compare-builds: cannot read $f.png"; exit 1; }
done
exec python3 - "$work" "$a.cells" "$b.cells" "$here/known-differences.txt" <<'PY'
import sys
work, cells_a, cells_b, known_file = sys.argv[1:5]

def cells(path):
    out = {}
    for line in open(path, encoding="latin-1"):
        f = line.rstrip("\r\n").split("\t")
        if len(f) == 6:
            out[(f[0], f[1])] = tuple(int(v) for v in f[2:])
    return out

def sheet(x):
    w, h = (int(v) for v in open(f"{work}/{x}.size").read().split())
    return w, h, open(f"{work}/{x}.rgb", "rb").read()

known = {}
for line in open(known_file, encoding="utf-8"):
    if line.strip() and not line.startswith("#"):
        row, caption, cause = (p.strip() for p in line.split("|", 2))
        known[(row, caption)] = cause

ca, cb = cells(cells_a), cells(cells_b)
(wa, ha, pa), (wb, hb, pb) = sheet("a"), sheet("b")
bad = 0
for key in sorted(set(ca) ^ set(cb)):
    print(f"compare-builds: {key[0]}, {key[1]}: in one build only: UNEXPLAINED")
    bad += 1
same = diff = 0
for key in sorted(set(ca) & set(cb), key=lambda k: ca[k][1:2] + ca[k][0:1]):
    (xa, ya, w, h), (xb, yb, w2, h2) = ca[key], cb[key]
    if (w, h) != (w2, h2):
        print(f"compare-builds: {key[0]}, {key[1]}: {w} x {h} against {w2} x {h2}: UNEXPLAINED")
        bad += 1
        continue
    n = 0
    for j in range(h):
        ra = pa[((ya + j) * wa + xa) * 3:((ya + j) * wa + xa + w) * 3]
        rb = pb[((yb + j) * wb + xb) * 3:((yb + j) * wb + xb + w) * 3]
        if ra != rb:
            n += sum(1 for i in range(0, len(ra), 3) if ra[i:i + 3] != rb[i:i + 3])
    if not n:
        same += 1
        continue
    diff += 1
    cause = known.get(key)
    print(f"compare-builds: {key[0]}, {key[1]}: {n} of {w * h} pixels differ: " +
          (cause if cause else "UNEXPLAINED"))
    if not cause:
        bad += 1
print(f"compare-builds: {same + diff} looks, {same} identical, {diff} differ, {bad} unexplained")
sys.exit(1 if bad else 0)
PY
