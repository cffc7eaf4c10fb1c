#!/usr/bin/env bash
# Builds Vistak and the reference lenses for the Wine here and runs the benchmark
# (see run_benchmark.py for what it measures). Usage: bench/run_benchmark.sh [seconds]
# The build measured is the one scripts/wine-env.sh picks: 32-bit wherever this machine runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
source scripts/wine-env.sh
source scripts/windows-build.sh
build_windows "$wine_build" "$wine_toolchain" Vistak bench_reference_lens
case "$wine_build" in
  */win32) export BENCH_BUILD="32-bit (build/win32)" ;;
  *) export BENCH_BUILD="64-bit (build/win64)" ;;
esac
export VISTAK_EXE="$wine_build/Vistak.exe"
export BENCH_REFERENCE_LENS="$wine_build/bench/reference_lens/bench_reference_lens.exe"
export E2E_WINEPREFIX="$wine_build/wineprefix-bench"
exec python3 bench/run_benchmark.py "$@"
