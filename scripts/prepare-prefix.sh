#!/usr/bin/env bash
# Prepares the Wine prefix inside the build tree once: Japanese locale, Wine's own
# fonts, IPA replacements for the MS Gothic faces, captions drawn by Wine (no window
# manager on a virtual display) and windows left unmanaged (otherwise every hide
# waits a second for a window manager that is not there), no crash dialog.
# With MIPO_LOGPIXELS set, the prefix's screen has that many dots per inch (Wine
# reads LogPixels when a process starts). Needs DISPLAY.
set -euo pipefail
. "$(dirname "$0")/env.sh"
logpixels=${MIPO_LOGPIXELS:-}
case $logpixels in
  '' | [1-9] | [1-9][0-9] | [1-9][0-9][0-9]) ;;
  *) echo "prepare-prefix: MIPO_LOGPIXELS='$logpixels' is not a number of dots per inch" >&2; exit 2 ;;
esac
marker=$WINEPREFIX/.mipo-ready${logpixels:+-$logpixels}
if [ -f "$marker" ]; then exit 0; fi
echo "prepare-prefix: creating the Wine prefix in $WINEPREFIX"
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
command -v "$MIPO_WINE" >/dev/null 2>&1 ||
  { echo "prepare-prefix: $MIPO_WINE is missing (scripts/install-deps.sh win32 installs it)" >&2; exit 1; }
boot_log=$MIPO_BUILD/wineboot.log
if ! mipo_wine wineboot -i >"$boot_log" 2>&1; then
  # With MIPO_WIN_ARCH=i686 forced, typically a machine whose kernel cannot run
  # 32-bit programs ("Exec format error").
  tail -n 20 "$boot_log" >&2
  echo "prepare-prefix: wineboot could not create $WINEPREFIX (output above, also in $boot_log)" >&2
  rm -rf "$WINEPREFIX"
  exit 1
fi
mipo_wineserver -w
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
reg=$(mktemp --suffix=.reg)
python3 - "$reg" "$logpixels" <<'PY'
import sys
text = r'''Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"ＭＳ Ｐゴシック"="IPAPGothic"
"MS PGothic"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"MS Gothic"="IPAGothic"
"ＭＳ UI Gothic"="IPAPGothic"
"MS UI Gothic"="IPAPGothic"

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Decorated"="N"
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\Debug]
"RelayExclude"=""
'''
if sys.argv[2]:
    text += '\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n"LogPixels"=dword:%08x\n' % int(sys.argv[2])
open(sys.argv[1], 'wb').write(b'\xff\xfe' + text.replace('\n', '\r\n').encode('utf-16-le'))
PY
mipo_wine regedit /S "$(mipo_wine winepath -w "$reg" 2>/dev/null | tr -d '\r' || echo "$reg")" >/dev/null 2>&1
rm -f "$reg"
mipo_wineserver -w
touch "$marker"
