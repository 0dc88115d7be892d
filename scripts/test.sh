#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test executable under Wine with one
# persistent wineserver per prefix for the whole run.
set -euo pipefail
. "$(dirname "$0")/run-env.sh" null
# Both prefixes are served for the whole run: most executables use the first, the double-byte
# code page tests the Japanese one (tests/CMakeLists.txt).
trap 'wine_stop_server; wine_in_japanese_prefix wine_stop_server' EXIT
wine_prepare_prefix
wine_prepare_japanese_prefix
wine_start_server
wine_in_japanese_prefix wine_start_server

cd "$BUILD_DIR"
ctest --output-on-failure --timeout 900 "$@"
