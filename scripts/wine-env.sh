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
  # The session that set the driver keeps the desktop it started with; end it so that the
  # next process starts a desktop on the chosen driver.
  "$WINESERVER" -k >/dev/null 2>&1 || true
  "$WINESERVER" -w
}

# The persistent server keeps the session's system processes alive; start them here, detached
# from every pipe, so that no test runner waits on output handles they inherited.
wine_start_server() {
  "$WINESERVER" -p </dev/null >/dev/null 2>&1
  "$WINE" wineboot </dev/null >/dev/null 2>&1 || true
}
wine_stop_server() { "$WINESERVER" -k >/dev/null 2>&1 || true; }
