#!/usr/bin/env bash
# Installs what is missing, builds, and runs the gallery. With a display it opens the gallery;
# without one it runs it under a virtual display and writes screenshots (PNG) into
# SHOTS_DIR (default: build/screenshots) and says where. GALLERY_DPI=144 (or any DPI) runs it
# at that system DPI; the prefix is put back to 96 DPI afterwards.
set -euo pipefail
. "$(dirname "$0")/run-env.sh" x11
gallery_dpi=${GALLERY_DPI:-96}
set_dpi() {
  "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}
cleanup() {
  if [ "$gallery_dpi" != 96 ]; then set_dpi 96 || true; fi
  wine_stop_server
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

gallery="$BUILD_DIR/bin/gallery.exe"
if [ -n "${DISPLAY:-}" ]; then
  wine_prepare_prefix
  if [ "$gallery_dpi" != 96 ]; then set_dpi "$gallery_dpi"; fi
  "$WINE" "$gallery"
  exit 0
fi

shots=${SHOTS_DIR:-$BUILD_DIR/screenshots}
mkdir -p "$shots"
# A private virtual display for this run only.
display_num=$(( 90 + RANDOM % 100 ))
Xvfb ":$display_num" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display_num"
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display_num" ] && break; sleep 0.1; done
wine_prepare_prefix
if [ "$gallery_dpi" != 96 ]; then set_dpi "$gallery_dpi"; fi
rm -f "$shots"/*.png
"$WINE" "$gallery" --screenshot "$(WINEPREFIX=$WINEPREFIX "$WINE" winepath -w "$shots" 2>/dev/null)"
ls "$shots"/*.png >/dev/null 2>&1 || { echo "gallery: no screenshot was written" >&2; exit 1; }
echo "gallery: screenshots written to $shots:"
ls -1 "$shots"
