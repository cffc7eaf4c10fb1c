#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian machine, if missing.
set -euo pipefail

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
packages=(cmake ninja-build g++ googletest g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 xvfb xdotool
          x11-utils imagemagick python3)
if [ "$(id -u)" = 0 ] && ! dpkg --print-foreign-architectures | grep -q i386; then
  dpkg --add-architecture i386
fi
dpkg --print-foreign-architectures | grep -q i386 && packages+=(wine32:i386)
for p in "${packages[@]}"; do have "$p" || need+=("$p"); done
[ ${#need[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" = 0 ] || sudo=sudo
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${need[@]}"
