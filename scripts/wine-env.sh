# Sourced by the scripts: picks the Windows build that Wine can run here.
# Some kernels cannot execute the 32-bit Wine loader; the same sources are then
# built for 64-bit Windows and that build is the one run under Wine.
# VISTAK_WINE_BITS=64 takes the 64-bit path on a machine that could run both.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [ "${VISTAK_WINE_BITS:-}" != 64 ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
  export WINE=/usr/lib/wine/wine
  wine_build="$root/build/win32"
  wine_toolchain="$root/cmake/mingw-i686.cmake"
else
  export WINE=/usr/lib/wine/wine64
  wine_build="$root/build/win64"
  wine_toolchain="$root/cmake/mingw-x86_64.cmake"
fi
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# Starts a private Xvfb (WIDTHxHEIGHT) and sets DISPLAY; its process id is in xvfb_pid.
start_xvfb() {
  local size="$1" n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
      xdpyinfo >/dev/null 2>&1 && return 0
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
  done
  echo "could not start Xvfb" >&2
  return 1
}

# Creates the Wine prefix once.
prepare_prefix() {
  export WINEPREFIX="$1"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$WINE" wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
}
