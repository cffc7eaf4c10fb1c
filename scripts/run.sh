#!/usr/bin/env bash
# Builds Vistak.exe and starts it under Wine on the current display
# (with no display, on a private 1024x768 Xvfb, leaving a screenshot in build/).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
source scripts/wine-env.sh
source scripts/windows-build.sh
build_product Vistak
exe="$wine_build/Vistak.exe"
if [ "$wine_build" != "$PWD/build/win32" ]; then
  echo "Running the 64-bit build of the same sources under wine64." >&2
fi
if [ -z "${DISPLAY:-}" ]; then
  start_xvfb 1024x768
  # Not exec'd below: this trap must run to end the Xvfb and the wineserver.
  trap 'WINEPREFIX="$PWD/build/wineprefix-run" wineserver -k 2>/dev/null || true; kill "$xvfb_pid" 2>/dev/null || true' EXIT
  prepare_prefix "$PWD/build/wineprefix-run"
  python3 scripts/screenshot.py "$exe" build
  exit
fi
prepare_prefix "${WINEPREFIX:-$HOME/.wine}"
exec "$WINE" "$exe"
