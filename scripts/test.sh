#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test executable under Wine with one
# persistent wineserver for the whole run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$root/build}

"$root/scripts/setup.sh"
"$root/scripts/build.sh"

. "$root/scripts/wine-env.sh" "$BUILD_DIR" null
trap wine_stop_server EXIT
wine_prepare_prefix
wine_start_server

cd "$BUILD_DIR"
ctest --output-on-failure --timeout 900 "$@"
