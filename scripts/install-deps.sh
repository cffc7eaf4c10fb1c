#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian machine, if missing.
set -euo pipefail

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
packages=(cmake ninja-build g++ googletest g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 xvfb xdotool
          x11-utils imagemagick python3 python3-pefile locales procps clang strip-nondeterminism chromium
          xserver-xephyr)
# The guides' browser test runs on Node.js; a newer one already here (node 20 on CI) is kept.
command -v node >/dev/null && command -v npm >/dev/null || packages+=(nodejs npm)
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
# The browser test's npm packages, at the versions its lock file pins (again when the lock file changes).
guides=$(cd "$(dirname "$0")/../tests/guides" && pwd)
if [ ! "$guides/node_modules/.package-lock.json" -nt "$guides/package-lock.json" ]; then
  (cd "$guides" && npm ci --no-audit --no-fund --loglevel=error)
fi
