#!/usr/bin/env bash
# Builds the release archive: installs what is missing, builds, installs the tree (without debug
# information) into a staging folder and zips it as BUILD_DIR/orv059-<version>-win64.zip, with
# one top folder of the same name. Prints the archive's path.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$root/build}
"$root/scripts/setup.sh" >&2
"$root/scripts/build.sh" >&2

version=$(head -n 1 "$root/VERSION")
name="orv059-$version-win64"
archive="$(cd "$BUILD_DIR" && pwd)/$name.zip"
stage=$(mktemp -d "${TMPDIR:-/tmp}/orv059-package.XXXXXX")
trap 'rm -rf "$stage"' EXIT

# The build keeps debug information for the tests; a release ships without it.
cmake --install "$BUILD_DIR" --prefix "$stage/$name" --strip >/dev/null
x86_64-w64-mingw32-strip --strip-debug "$stage/$name"/bin/lib*.dll
rm -f "$archive"
(cd "$stage" && zip -qr -X "$archive" "$name")
echo "$archive"
