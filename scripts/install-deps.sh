#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian machine, if missing.
set -euo pipefail

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
packages=(cmake ninja-build g++ googletest g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 xvfb xdotool
          x11-utils imagemagick python3 locales procps clang strip-nondeterminism)
if [ "$(id -u)" = 0 ] && ! dpkg --print-foreign-architectures | grep -q i386; then
  dpkg --add-architecture i386
fi
dpkg --print-foreign-architectures | grep -q i386 && packages+=(wine32:i386)
for p in "${packages[@]}"; do have "$p" || need+=("$p"); done
sudo=""
[ "$(id -u)" = 0 ] || sudo=sudo
if [ ${#need[@]} -gt 0 ]; then
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${need[@]}"
fi
# The settings tests also run in a locale whose decimal separator is the comma.
locale -a | grep -qix 'it_IT.utf-\?8' || $sudo localedef -i it_IT -f UTF-8 it_IT.UTF-8
