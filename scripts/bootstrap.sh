#!/bin/sh
# Installs what the project needs on Debian 12 (run as root). Idempotent and
# quiet: when everything is present it changes nothing and needs no root.
set -e
need=""
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
i386=yes
dpkg --print-foreign-architectures | grep -qx i386 || i386=no
for p in g++-mingw-w64-i686-posix g++ cmake ninja-build make wine wine32:i386 googletest \
         xvfb xauth xdotool imagemagick python3-fonttools; do
    have "$p" || need="$need $p"
done
[ -z "$need" ] && [ $i386 = yes ] && exit 0
if [ "$(id -u)" != 0 ]; then
    echo "bootstrap: missing:$need; run as root (for example: sudo sh scripts/bootstrap.sh)" >&2
    exit 1
fi
[ $i386 = yes ] || dpkg --add-architecture i386
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq >/dev/null
apt-get install -y -qq --no-install-recommends $need >/dev/null
