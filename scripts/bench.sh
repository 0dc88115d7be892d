#!/usr/bin/env bash
# Builds and runs every benchmark under Wine (optionally only those named: select, datetime,
# paths) and prints their figures.
set -euo pipefail
. "$(dirname "$0")/run-env.sh" null
trap wine_stop_server EXIT
wine_prepare_prefix
wine_start_server

names=("$@")
[ ${#names[@]} -eq 0 ] && names=(select datetime paths)
for name in "${names[@]}"; do
  exe="$BUILD_DIR/bin/${name}_bench.exe"
  if [ -f "$exe" ]; then
    echo "== $name"
    (cd "$BUILD_DIR/bin" && $WINE "$exe" --gtest_color=no | grep -v '^\[')
  fi
done
