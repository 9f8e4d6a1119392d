#!/bin/sh
# Regenerates the pictures of docs/: the gallery of every kind (ccgallery)
# and the demo panel after its tour (ccdemo), both headless from the build's
# demo installation, recompressed with ImageMagick when it is there.
#   run-gallery.sh <build dir> <docs dir>
set -e
build=$(cd "${1:-build}" && pwd)
docs=${2:-docs}
mkdir -p "$docs" "$build/gallery"
WINEPREFIX=$build/wine
export WINEPREFIX
"$build/wine-run.sh" --prepare || true   # creates the prefix once
trap '"$build/wine-run.sh" --stop' EXIT
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }
CC_ROOT=$(winpath "$build/demo/install")
CC_SYSTEM=studio
export CC_ROOT CC_SYSTEM

"$build/wine-run.sh" "$build/bin/ccgallery.exe" --strict --png "$(winpath "$build/gallery/gallery.png")" |
    tee "$build/gallery/log.txt" | grep "^gallery: [0-9]* kinds"
"$build/wine-run.sh" "$build/demo/ccdemo.exe" --strict --png "$(winpath "$build/gallery/panel.png")" \
    >"$build/gallery/demo.txt" || { echo "run-gallery: the demo tour failed, see $build/gallery/demo.txt"; exit 1; }
for f in gallery panel; do
    if command -v convert >/dev/null; then
        convert "$build/gallery/$f.png" -strip -define png:compression-level=9 "$docs/$f.png"
    else
        cp "$build/gallery/$f.png" "$docs/$f.png"
    fi
    echo "run-gallery: $docs/$f.png"
done
