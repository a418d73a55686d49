#!/usr/bin/env bash
# Renders the pictures of docs/screenshots/ from the real program: each tab, the lap
# list after two runs (also under a high-contrast scheme), the timer running with
# its icon in the notification area, the full-screen display, and the lap list once
# more on a screen at 150 % (144 dpi, in a second prefix). The program runs from a copy in a scratch folder with a
# prepared Data.ini (no first-run notices), driven by winctl the way a user would
# click. Needs DISPLAY (the
# Makefile wraps it in with-display.sh). On a machine that cannot run 32-bit
# programs the pictures come from the 64-bit build of the same sources.
#   MIPO_WIN32_BUILD  the build folder with MipoWatch.exe and winctl.exe (build/win32,
#                     or build/win64 where 32-bit programs cannot run)
#   MIPO_SHOTS_OUT    where the pictures go (docs/screenshots)
set -euo pipefail
. "$(dirname "$0")/env.sh"
# A Wine prefix of its own, so its server and desktop serve this display only (a
# server shared with runs on other displays hands out their windows and fails).
# Wine's prefixes run the "light" visual style: the pictures show the themed
# controls that common controls 6 draws.
shots_prefix=$MIPO_BUILD/wineprefix-shots
[ "$MIPO_WIN_ARCH" = i686 ] || shots_prefix+=64
export WINEPREFIX=${MIPO_SHOTS_PREFIX:-$shots_prefix}
build=${MIPO_WIN32_BUILD:-$MIPO_WIN_RUN_BUILD}
[ "$MIPO_WIN_ARCH" = i686 ] ||
  echo "screenshots: taken from the $(mipo_pe_machine "$build/MipoWatch.exe") program in $build" \
       "(Wine runs $MIPO_WIN_ARCH_NOTE)"
out=${MIPO_SHOTS_OUT:-$MIPO_ROOT/docs/screenshots}
for f in MipoWatch.exe KeyHook.dll MouseHook.dll winctl.exe; do
  [ -f "$build/$f" ] || { echo "screenshots: $build/$f is missing; build first (make win32)" >&2; exit 1; }
done
command -v import >/dev/null || { echo "screenshots: ImageMagick's import is missing" >&2; exit 1; }
"$MIPO_ROOT/scripts/prepare-prefix.sh"

work=$(mktemp -d "$MIPO_BUILD/screenshots.XXXXXX")
pid=
cleanup() {
  # A program still running (a step failed) is asked to close, then left to Wine.
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
    mipo_wine "$build/winctl.exe" close "$title" </dev/null >/dev/null 2>&1 || true
    sleep 2
    kill "$pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
cp "$build/MipoWatch.exe" "$build/KeyHook.dll" "$build/MouseHook.dll" "$work/"
mkdir -p "$out"

# Wine names the network user after the Unix user; the program keeps its settings
# in a folder of that name beside itself.
user=$(id -un)
mkdir -p "$work/$user"
# Settings as a user who has used the program for a while: notices seen, window
# placed and widened so all lap columns show, always-on-top on, two timer presets
# (a plain three minutes, and ten minutes with bells at 5 and 1 minutes left).
# The window stands clear of the top left corner, where Wine shows the
# notification area's icons in a window of its own (no tray manager here).
iconv -f UTF-8 -t CP932 <<'INI' | sed 's/$/\r/' >"$work/$user/Data.ini"
[MainDlg]
FirstFlag=0
AlwaysTop=1
Left=24
Top=100
Width=560
Height=420
EndTabPos=0
[SettingData]
EndTab=1
StartWay=0
TimeWay=0
EndWay=0
BellFile=
[Watch]
WatchAccuracy=2
WatchMode=0
[Timer]
TimerTime=180
TimerRingBell=1
TimerMaxDisp=0
TimerMode=0
TimerRepeat=0
TimerMezamasiIniTime=0
TimerRegNum=2
TimerReg0=カップ麺,0,00:03:000010
TimerReg1=発表10分,0,00:10:00201100:05:0000:01:00
INI

title="Mipoウォッチ　["
ctl() { mipo_wine "$build/winctl.exe" "$@" </dev/null; }
# Lets the program draw what the last command changed.
settle() { sleep "${1:-0.7}"; }
# Saves the screen, cropped to the main window (or to the given rectangle).
shot() {
  local name=$1 rect
  rect=${2:-$(ctl rect "$title" | tr -d '\r')}
  read -r x y w h <<<"$rect"
  import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out/$name.png"
  echo "screenshots: $out/$name.png"
}

mipo_wineserver -p30 || true  # keeps one server for the whole run (fails when one runs already)
mipo_wine "$work/MipoWatch.exe" </dev/null >/dev/null 2>&1 &
pid=$!
ctl wait "$title" 20000 || { echo "screenshots: the main window did not appear" >&2; exit 1; }
settle 1.5

# Stopwatch: two runs of a few laps each, so the second run's rows are shaded.
two_runs() {
  for pauses in "1.3 0.9 1.6" "1.1 2.0"; do
    ctl click "$title" 1001
    for p in $pauses; do sleep "$p"; ctl click "$title" 1001; done
    sleep 0.8
    ctl click "$title" 1011
    settle 0.3
  done
  settle
}
two_runs
shot stopwatch

# Timer: the bells preset chosen (mode, bell times and both switches come with it).
ctl tab "$title" 1
settle
ctl select "$title" 1023 1
settle
shot timer

# The plain preset, running.
ctl select "$title" 1023 0
settle 0.3
ctl click "$title" 1027
sleep 2.4
shot timer-running

# The notification area's window: the icon wears the running timer's mark; the
# pointer resting on it (the first icon sits under the window's title, 20 pixels
# square from 3, 22) brings up its tip.
read -r tx ty tw th <<<"$(ctl rect class=__winex11_standalone_tray | tr -d '\r')"
xdotool mousemove $((tx + 13)) $((ty + 32))
sleep 1.5
shot notification-area "$tx $ty $((tw + 120)) $((th + 40))"
xdotool mousemove 1000 700
ctl click "$title" 1028
settle 0.3

# The full-screen display: a timer running past zero shows its red notice. Esc
# hides the display (the timer runs on until stopped on the page).
ctl select "$title" 1035 3
ctl select "$title" 1020 0
ctl select "$title" 1021 0
ctl select "$title" 1022 2
ctl click "$title" 1034
settle 0.3
ctl click "$title" 1027
sleep 4.6
shot fullscreen "0 0 $(xdotool getdisplaygeometry)"
ctl key TimdDispClass 27
settle 0.3
ctl click "$title" 1028
# A plain countdown that ends by itself: the display then offers start and close.
ctl select "$title" 1035 0
ctl select "$title" 1022 2
ctl click "$title" 1027
sleep 3.5
shot fullscreen-stopped "0 0 $(xdotool getdisplaygeometry)"
ctl key TimdDispClass 27
settle

# Settings.
ctl tab "$title" 2
settle
shot settings

ctl close "$title"
wait "$pid" || true
pid=

# The stopwatch under high contrast: Windows' "High Contrast Black" scheme (its
# whole set of system colours, as hcblack.theme of Windows 10 sets them, the
# title bars that Wine draws included) and, as Windows has it then, no visual
# style. Wine cannot switch high contrast itself (it always reports it off), so
# winctl tells the program, as its main window tells its pages when the system
# does. The prefix gets its own colours and style back afterwards: the key is
# emptied and the saved copy imported, so no colour of the scheme stays behind.
saved="Z:$(tr / '\\' <<<"$work")\\colours.reg"
mipo_wine regedit /E "$saved" 'HKEY_CURRENT_USER\Control Panel\Colors' \
  </dev/null >/dev/null 2>&1
theme() {
  mipo_wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' \
    /v ThemeActive /d "$1" /f </dev/null >/dev/null 2>&1
}
scheme=$work/high-contrast.reg
{
  printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Control Panel\\Colors]\r\n'
  while read -r name colour; do printf '"%s"="%s"\r\n' "$name" "$colour"; done
} >"$scheme" <<'COLOURS'
ActiveBorder 0 0 0
ActiveTitle 0 0 0
AppWorkspace 0 0 0
Background 0 0 0
ButtonAlternateFace 0 0 0
ButtonDkShadow 255 255 255
ButtonFace 0 0 0
ButtonHilight 255 255 255
ButtonLight 255 255 255
ButtonShadow 255 255 255
ButtonText 255 255 255
GradientActiveTitle 0 0 0
GradientInactiveTitle 0 0 0
GrayText 63 242 63
Hilight 26 235 255
HilightText 0 0 0
HotTrackingColor 255 255 0
InactiveBorder 0 0 0
InactiveTitle 0 0 0
InactiveTitleText 255 255 255
InfoText 255 255 255
InfoWindow 0 0 0
Menu 0 0 0
MenuBar 0 0 0
MenuHilight 26 235 255
MenuText 255 255 255
Scrollbar 0 0 0
TitleText 255 255 255
Window 0 0 0
WindowFrame 255 255 255
WindowText 255 255 255
COLOURS
mipo_wine regedit /S "Z:$(tr / '\\' <<<"$scheme")" </dev/null >/dev/null 2>&1
theme 0
mipo_wine "$work/MipoWatch.exe" </dev/null >/dev/null 2>&1 &
pid=$!
ctl wait "$title" 20000 || { echo "screenshots: the main window did not appear in high contrast" >&2; exit 1; }
settle 1.5
two_runs
ctl contrast "$title"
settle
shot stopwatch-high-contrast
ctl close "$title"
wait "$pid" || true
pid=
if [ -s "$work/colours.reg" ]; then
  mipo_wine reg delete 'HKCU\Control Panel\Colors' /f </dev/null >/dev/null 2>&1
  mipo_wine regedit /S "$saved" </dev/null >/dev/null 2>&1
fi
theme 1
# This prefix's server served only this display, which ends with the script.
mipo_wineserver -k || true

# The stopwatch at 150 %: the same user on a screen at 144 dpi, whose stored
# placement (screen pixels) is half as large again.
export WINEPREFIX=$WINEPREFIX-144
MIPO_LOGPIXELS=144 "$MIPO_ROOT/scripts/prepare-prefix.sh"
sed -i -e 's/^Left=.*/Left=36\r/' -e 's/^Top=.*/Top=150\r/' -e 's/^Width=.*/Width=840\r/' \
    -e 's/^Height=.*/Height=630\r/' "$work/$user/Data.ini"
mipo_wineserver -p30 || true
mipo_wine "$work/MipoWatch.exe" </dev/null >/dev/null 2>&1 &
pid=$!
ctl wait "$title" 20000 || { echo "screenshots: the main window did not appear at 144 dpi" >&2; exit 1; }
settle 1.5
two_runs
shot stopwatch-150
ctl close "$title"
wait "$pid" || true
pid=
mipo_wineserver -k || true
