#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test executable under Wine with one
# persistent wineserver for the whole run.
set -euo pipefail
. "$(dirname "$0")/run-env.sh" null
trap wine_stop_server EXIT
wine_prepare_prefix
wine_start_server

cd "$BUILD_DIR"
ctest --output-on-failure --timeout 900 "$@"
