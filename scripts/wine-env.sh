# Sourced by the run scripts: Wine prefixes inside the build tree, quiet, headless by default, in
# an environment that only this repository defines, so that a test, a benchmark, the soak run and
# the gallery see the same machine everywhere. Nothing of the machine's own settings is changed.
# Usage: . scripts/wine-env.sh BUILD_DIR [null|x11]
#
# What is fixed, and why:
# - Fonts: only Wine's own fonts (Debian's fonts-wine). With the machine's fonts visible through
#   fontconfig, Wine 8's text drawing faults in gdi32 on an edit whose text is the byte 0x98
#   (U+02DC) when DejaVu is installed, and the UI font and caption symbols change with what the
#   machine happens to have.
# - Drives: C: is the prefix's own drive, and Z: is the build's bin folder. Wine maps Z: to the
#   machine's root file system, whose listing (and /proc, /tmp, the user's folders) differs on
#   every machine; a control that can browse there would make a seeded run take a different path
#   on each one. A program started from a folder that no drive reaches gets a module path that
#   the file API cannot open, so the binaries keep a drive of their own.
# - User: one user name and home, with the user's shell folders as real folders of the prefix
#   (Wine links them to the machine's home by default).
# - Locale and code page: C.UTF-8, which Wine takes as English (United States), code page 1252;
#   the Japanese prefix uses ja_JP.UTF-8 (code page 932) from a locale built into the build tree.
# - Time zone UTC, and 96 DPI.
wine_build_dir=$(cd "$1" && pwd)
wine_driver=${2:-null}
wine_env_dir="$wine_build_dir/wine-env"
export WINEPREFIX="$wine_build_dir/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64
export FONTCONFIG_FILE="$wine_env_dir/fonts.conf"
export HOME="$wine_env_dir/home"
export USER=orv LOGNAME=orv
export TZ=UTC
unset LANG LANGUAGE LC_CTYPE LC_MESSAGES LC_TIME LC_NUMERIC LC_COLLATE LC_MONETARY
export LC_ALL=C.UTF-8
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_DATA_DIRS XDG_CACHE_HOME XDG_CONFIG_DIRS
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver)

# The second prefix, for the tests of double-byte code pages.
WINEPREFIX_JA="$wine_build_dir/wineprefix-ja"
WINE_JA_LOCPATH="$wine_env_dir/locale"
WINE_JA_LOCALE=ja_JP.UTF-8

wine_write_env_files() {
  mkdir -p "$wine_env_dir/home" "$wine_env_dir/fontcache"
  cat >"$FONTCONFIG_FILE" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>/usr/share/wine/fonts</dir>
  <cachedir>$wine_env_dir/fontcache</cachedir>
</fontconfig>
EOF
  # Built into the build tree (LOCPATH), not into the machine's locale archive.
  if [ ! -f "$WINE_JA_LOCPATH/$WINE_JA_LOCALE/LC_CTYPE" ]; then
    mkdir -p "$WINE_JA_LOCPATH"
    localedef -i ja_JP -f UTF-8 "$WINE_JA_LOCPATH/$WINE_JA_LOCALE" >/dev/null 2>&1 || true
  fi
}

# Makes (once) and fixes up the current WINEPREFIX.
wine_prepare_current_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    "$WINE" wineboot --init >/dev/null 2>&1 || true
    "$WINESERVER" -w
  fi
  ln -sfn "$wine_build_dir/bin" "$WINEPREFIX/dosdevices/z:"
  local folder
  for folder in "$WINEPREFIX/drive_c/users/$USER"/*; do
    if [ -L "$folder" ]; then rm -f "$folder"; mkdir -p "$folder"; fi
  done
  # The caption buttons are drawn with Wine's symbol font; the prefix's own font folder is
  # always searched, whatever this packaging of Wine does with its data folder.
  if [ -f /usr/share/wine/fonts/marlett.ttf ] && [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ]; then
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  fi
  # The graphics driver is chosen per run: null for tests, x11 for screenshots.
  "$WINE" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$wine_driver" /f >/dev/null 2>&1
  # Without a window manager (a bare virtual display) nobody would draw the captions and
  # frames: Wine draws them itself for windows it does not hand to a manager.
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
  "$WINE" reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
    /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
  # The session that set the driver keeps the desktop it started with; end it so that the
  # next process starts a desktop on the chosen driver.
  "$WINESERVER" -k >/dev/null 2>&1 || true
  "$WINESERVER" -w
}

# Runs the rest of the command line with the Japanese prefix and locale.
wine_in_japanese_prefix() (
  export WINEPREFIX="$WINEPREFIX_JA" LOCPATH="$WINE_JA_LOCPATH"
  { export LC_ALL="$WINE_JA_LOCALE"; } 2>/dev/null # the shell itself does not read LOCPATH
  "$@"
)

wine_prepare_prefix() {
  wine_write_env_files
  wine_prepare_current_prefix
}

wine_prepare_japanese_prefix() {
  wine_in_japanese_prefix wine_prepare_current_prefix
}

# The persistent server keeps the session's system processes alive; start them here, detached
# from every pipe, so that no test runner waits on output handles they inherited.
wine_start_server() {
  "$WINESERVER" -p </dev/null >/dev/null 2>&1
  "$WINE" wineboot </dev/null >/dev/null 2>&1 || true
}
wine_stop_server() { "$WINESERVER" -k >/dev/null 2>&1 || true; }
