#!/usr/bin/env bash
# Packs a Windows build folder into its release zip with CPack and writes the
# zip's SHA-256 sum beside it: package.sh BUILD_DIR OUT_DIR.
# Only a finished zip bears the release name: it is packed under a temporary
# folder and moved into OUT_DIR last, after its sum.
set -euo pipefail
build=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
staging=$(mktemp -d "$out/.packing.XXXXXX")
trap 'rm -rf "$staging"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$staging" >"$staging/cpack.log" 2>&1 || {
  cat "$staging/cpack.log" >&2
  exit 1
}
zip=$(find "$staging" -maxdepth 1 -name 'Vistak-*.zip')
name=$(basename "$zip")
(cd "$staging" && sha256sum "$name" >"$name.sha256")
rm -f "$out/$name" "$out/$name.sha256"
mv "$staging/$name.sha256" "$out/$name.sha256"
mv "$zip" "$out/$name"
echo "$out/$name"
