# Sourced by the scripts: the one way to configure and build a Windows build of Vistak.
# build_windows DIR TOOLCHAIN [-DOPTION=VALUE ...] [TARGET ...]
# TOOLCHAIN names a file in cmake/ (mingw-i686, mingw-x86_64, clang-mingw-i686); with no
# target, everything is built. Warnings are errors in every build.
build_windows() {
  local dir=$1 toolchain=$2 options=() targets=() arg
  shift 2
  for arg in "$@"; do
    case $arg in
      -D*) options+=("$arg") ;;
      *) targets+=("$arg") ;;
    esac
  done
  local sources
  sources="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
  cmake -S "$sources" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$sources/cmake/$toolchain.cmake" -DVISTAK_WARNINGS_AS_ERRORS=ON "${options[@]}" >/dev/null
  if [ ${#targets[@]} -gt 0 ]; then
    cmake --build "$dir" -j "$(nproc)" --target "${targets[@]}"
  else
    cmake --build "$dir" -j "$(nproc)"
  fi
}

# Builds the shipped 32-bit build and, where Wine here runs only the 64-bit one (see
# wine-env.sh, sourced first), that one too: build_product [TARGET ...]
build_product() {
  build_windows build/win32 mingw-i686 "$@"
  if [ "$wine_build" != "$PWD/build/win32" ]; then
    build_windows "$wine_build" "$wine_toolchain" "$@"
  fi
}
