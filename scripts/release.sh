#!/usr/bin/env bash
# Makes the release from the commit checked out here: dist/Vistak-<version>-win32.zip
# (Vistak.exe, the 32-bit release build, and the user guide) and its SHA-256 sum.
# It refuses a work tree with uncommitted changes: the zip would not be the commit's.
# A zip that fails a step never reaches dist/.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
if ! changes=$(git status --porcelain 2>&1); then
  echo "release.sh: not a git checkout: the release is made from a commit" >&2
  exit 1
fi
if [ -n "$changes" ]; then
  echo "release.sh: the work tree has uncommitted changes; commit or stash them first:" >&2
  echo "$changes" >&2
  exit 1
fi
scripts/install-deps.sh
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH

build=build/release
rm -rf "$build"
source scripts/windows-build.sh
build_windows "$build" mingw-i686 -DVISTAK_TESTS=OFF Vistak
zip=$(scripts/package.sh "$build" "$build/package")

# The release properties of the packed exe, as the tests check them.
version=$(sed -nE 's/^set\(CPACK_PACKAGE_VERSION "(.*)"\)$/\1/p' "$build/CPackConfig.cmake")
(cd tests/release && VISTAK_ZIP="$zip" VISTAK_VERSION="$version" VISTAK_SOURCE="$root" VISTAK_BUILD="$root/$build" \
  python3 -m unittest -q test_release.ReleaseChecks)

# Into dist/ under temporary names; the zip takes its name last.
mkdir -p dist
name=$(basename "$zip")
rm -f "dist/$name" "dist/$name.sha256"
cp "$zip.sha256" "dist/.$name.sha256.partial"
cp "$zip" "dist/.$name.partial"
mv "dist/.$name.sha256.partial" "dist/$name.sha256"
mv "dist/.$name.partial" "dist/$name"
echo "dist/$name"
cat "dist/$name.sha256"
