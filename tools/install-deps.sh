#!/bin/sh
# Installs with apt-get whatever the build and the tests need and the machine lacks.
# wine32 lets the 32-bit build run: it comes from the i386 architecture.
set -eu
packages="cmake ninja-build mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  wine wine64 wine32:i386 fonts-wine xvfb xauth googletest imagemagick python3"
missing=""
for package in $packages; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing="$missing $package"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
sudo_if_needed() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  sudo_if_needed dpkg --add-architecture i386
fi
sudo_if_needed apt-get update -qq
sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing >/dev/null
