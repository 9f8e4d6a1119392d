#!/bin/sh
# Installs what the project needs on Debian 12 (run as root). Idempotent and
# quiet: when everything is present it changes nothing and needs no root.
set -e
need=""
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
# True when this kernel runs 32-bit x86 programs (Wine's loader is one).
runs32() { /lib/ld-linux.so.2 --version >/dev/null 2>&1; }
binfmt=/proc/sys/fs/binfmt_misc
i386=yes
dpkg --print-foreign-architectures | grep -qx i386 || i386=no
# wine64 brings the native wine server, which the 32-bit loader uses too.
for p in g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix g++ cmake ninja-build make wine wine32:i386 wine64 googletest \
         xvfb xauth xdotool imagemagick python3-fonttools clang libclang-rt-14-dev clang-tidy cppcheck; do
    have "$p" || need="$need $p"
done
emulate=no
if [ $i386 = yes ] && have libc6:i386 && ! runs32; then
    emulate=yes
    have qemu-user-static || need="$need qemu-user-static"
    have clang || need="$need clang"
fi
if [ -n "$need" ] || [ $i386 = no ]; then
    if [ "$(id -u)" != 0 ]; then
        echo "bootstrap: missing:$need; run as root (for example: sudo sh scripts/bootstrap.sh)" >&2
        exit 1
    fi
    [ $i386 = yes ] || dpkg --add-architecture i386
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq >/dev/null
    apt-get install -y -qq --no-install-recommends $need >/dev/null
fi
# Some virtual machines' kernels refuse 32-bit x86 programs: Wine's 32-bit
# loader then runs through qemu's user-mode emulation, registered for i386 ELF,
# with a small preloaded library that makes Wine's start fast there
# (scripts/emul/noreplace.c).
if [ $emulate = yes ] || [ -e $binfmt/qemu-i386 ] || ! runs32; then
    have qemu-user-static || apt-get install -y -qq --no-install-recommends qemu-user-static >/dev/null
    have clang || apt-get install -y -qq --no-install-recommends clang >/dev/null
    shim=/usr/local/lib/kerv-emul/noreplace.so
    src=$(dirname "$0")/emul/noreplace.c
    if [ ! -f $shim ] || [ "$src" -nt $shim ]; then
        mkdir -p /usr/local/lib/kerv-emul
        clang --target=i386-linux-gnu -ffreestanding -O2 -fPIC -shared -nostdlib -fno-stack-protector \
            -o $shim "$src"
    fi
    mkdir -p /etc/qemu-binfmt/i386/etc
    grep -qx $shim /etc/qemu-binfmt/i386/etc/ld.so.preload 2>/dev/null ||
        echo $shim > /etc/qemu-binfmt/i386/etc/ld.so.preload
    [ -e $binfmt/register ] || mount -t binfmt_misc binfmt_misc $binfmt
    if [ ! -e $binfmt/qemu-i386 ]; then
        printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
            > $binfmt/register
    fi
    runs32 || { echo "bootstrap: this machine cannot run 32-bit x86 programs, even emulated" >&2; exit 1; }
fi
exit 0
