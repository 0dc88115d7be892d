# Sourced by the run scripts: a Wine prefix inside the build tree, quiet, headless by default.
# Usage: . scripts/wine-env.sh BUILD_DIR [null|x11]
wine_build_dir=$(cd "$1" && pwd)
wine_driver=${2:-null}
export WINEPREFIX="$wine_build_dir/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver)

wine_prepare_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    "$WINE" wineboot --init >/dev/null 2>&1 || true
    "$WINESERVER" -w
  fi
  # The graphics driver is chosen per run: null for tests, x11 for screenshots.
  "$WINE" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$wine_driver" /f >/dev/null 2>&1
}

wine_start_server() { "$WINESERVER" -p 2>/dev/null || true; }
wine_stop_server() { "$WINESERVER" -k >/dev/null 2>&1 || true; }
