# Sourced by the scripts: picks the Windows build that Wine can run here.
# Some kernels cannot execute the 32-bit Wine loader; the same sources are then
# built for 64-bit Windows and that build is the one run under Wine.
# VISTAK_WINE_BITS=64 takes the 64-bit path on a machine that could run both.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [ "${VISTAK_WINE_BITS:-}" != 64 ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
  export WINE=/usr/lib/wine/wine
  wine_build="$root/build/win32"
  wine_toolchain=mingw-i686
else
  export WINE=/usr/lib/wine/wine64
  wine_build="$root/build/win64"
  wine_toolchain=mingw-x86_64
fi
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# Starts a private Xvfb (WIDTHxHEIGHT) and sets DISPLAY; its process id is in xvfb_pid.
# Xvfb picks a free display number itself and writes it once it accepts clients; it
# does not reset when its last client leaves, which would refuse the next one meanwhile.
# One that does not start within 10 s is ended.
start_xvfb() {
  local number_file
  number_file=$(mktemp)
  Xvfb -displayfd 3 -noreset -screen 0 "${1}x24" -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    if [ -s "$number_file" ]; then
      export DISPLAY=":$(tr -d '[:space:]' < "$number_file")"
      rm -f "$number_file"
      return 0
    fi
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$number_file"
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
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
