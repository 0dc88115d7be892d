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
  # The caption buttons are drawn with Wine's symbol font, which this packaging of Wine does not
  # find in its data folder; the prefix's own font folder is always searched.
  if [ -f /usr/share/wine/fonts/marlett.ttf ] && [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ]; then
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  fi
  # The graphics driver is chosen per run: null for tests, x11 for screenshots.
  "$WINE" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$wine_driver" /f >/dev/null 2>&1
  # Without a window manager (a bare virtual display) nobody would draw the captions and
  # frames: Wine draws them itself for windows it does not hand to a manager.
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
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
