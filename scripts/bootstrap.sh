#!/bin/sh
# Installs what the project needs on Debian 12 (run as root). Idempotent and quiet.
set -e
need=""
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    updated=no
fi
for p in g++-mingw-w64-i686-posix g++ cmake ninja-build make wine wine32:i386 googletest \
         xvfb xauth xdotool imagemagick; do
    have "$p" || need="$need $p"
done
if [ -n "$need" ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq >/dev/null
    apt-get install -y -qq --no-install-recommends $need >/dev/null
fi
