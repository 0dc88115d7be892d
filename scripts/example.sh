#!/usr/bin/env bash
# Builds and runs the example host the way a team outside this repository would: installs the
# built library to a temporary prefix, configures examples/host against the installed package in
# a build folder of its own (outside the project's build), and runs it once headless under Wine.
# The exit status is the example's: 0 when its pick read back what it picked.
# Usage: scripts/example.sh [BUILD_DIR [WINE]]   (CTest runs it as the test installed_example)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-${BUILD_DIR:-$root/build}}" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/orv059-example.XXXXXX")
own_server=
cleanup() { [ -n "$own_server" ] && wine_stop_server; rm -rf "$work"; }
trap cleanup EXIT

# Inside a test run the prefix and the server are the run's own; alone, it prepares the build's
# prefix and runs a server of its own.
if [ -z "${WINEPREFIX:-}" ]; then
  . "$root/scripts/wine-env.sh" "$build"
  wine_prepare_prefix
  wine_start_server
  own_server=1
fi
wine=${2:-${WINE:-/usr/lib/wine/wine64}}

cmake --install "$build" --prefix "$work/prefix" >/dev/null
cmake -S "$root/examples/host" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
      -DCMAKE_PREFIX_PATH="$work/prefix"
cmake --build "$work/build"
cd "$work/build"
timeout 300 "$wine" host.exe --headless
