#!/usr/bin/env bash
# Builds the host and the Windows builds and runs every test: host unit tests
# (also under AddressSanitizer and UndefinedBehaviorSanitizer), then the
# Windows unit and end-to-end tests under Wine on a private Xvfb display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
source scripts/wine-env.sh
source scripts/windows-build.sh

jobs=$(nproc)
logs=build/test-logs
mkdir -p "$logs"

cmake -S . -B build/host -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVISTAK_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build/host -j "$jobs"
cmake -S . -B build/host-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVISTAK_SANITIZE=ON -DVISTAK_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build/host-sanitize -j "$jobs"
build_product
# A second compiler for the same target: clang catches code that only GCC accepts.
build_windows build/clang clang-mingw-i686 -DVISTAK_TESTS=OFF

status=0
ctest --test-dir build/host --output-on-failure -j "$jobs" | tee "$logs/host.log" || status=1
ctest --test-dir build/host-sanitize --output-on-failure -j "$jobs" | tee "$logs/sanitize.log" || status=1

start_xvfb 1024x768
# The Wine server first, while its display still runs, then the display.
trap 'WINEPREFIX="$PWD/build/wineprefix" wineserver -k 2>/dev/null || true; kill "$xvfb_pid" 2>/dev/null || true' EXIT
prepare_prefix "$PWD/build/wineprefix"
ctest --test-dir "$wine_build" --output-on-failure | tee "$logs/wine.log" || status=1
logs_run=("$logs"/host.log "$logs"/sanitize.log "$logs"/wine.log)
# Where Wine runs only the 64-bit build, the shipped 32-bit zip is still packed and checked.
if [ "$wine_build" != "$PWD/build/win32" ]; then
  ctest --test-dir build/win32 --output-on-failure -R '^release_' | tee "$logs/release32.log" || status=1
  logs_run+=("$logs"/release32.log)
fi

passed=0 failed=0
for log in "${logs_run[@]}"; do
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1 || true)
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
  bad=$(sed -E 's/.*tests passed, ([0-9]+) tests failed.*/\1/' <<<"$line")
  [ -n "$line" ] || { total=0; bad=1; status=1; }
  passed=$((passed + total - bad)); failed=$((failed + bad))
done
echo "all: $passed passed, $failed failed"
exit $status
