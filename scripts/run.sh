#!/usr/bin/env bash
# Starts the program. With a real display it simply runs it; on a virtual one it
# waits for the main window, saves a screenshot, closes the program as a user
# would (so Data.ini is written) and says where the screenshot is. On a machine
# that cannot run 32-bit programs it runs the 64-bit build of the same sources
# (build/win64), and says so.
set -uo pipefail
. "$(dirname "$0")/env.sh"
"$MIPO_ROOT/scripts/prepare-prefix.sh" || exit 1
exe=$MIPO_WIN_RUN_BUILD/MipoWatch.exe
if [ "$MIPO_WIN_ARCH" != i686 ]; then
  echo "run: starting $exe, not the 32-bit program users get ($MIPO_BUILD/win32):" \
       "$MIPO_WIN_ARCH_NOTE"
fi
if [ -z "${MIPO_VIRTUAL_DISPLAY:-}" ]; then
  mipo_wine "$exe"
  exit $?
fi
ctl=$MIPO_WIN_RUN_BUILD/winctl.exe
shot=$MIPO_BUILD/screenshot.png
mipo_wineserver -p30
mipo_wine "$exe" </dev/null >/dev/null 2>&1 &
pid=$!
# First run: the three notices come first; answer them like a user would.
mipo_wine "$ctl" wait "Mipoウォッチ　[" 20000 </dev/null || { echo "run: the main window did not appear" >&2; kill $pid; exit 1; }
mipo_wine "$ctl" dismiss "Mipoウォッチ" 3000 </dev/null >/dev/null 2>&1
sleep 1
import -window root "$shot"
mipo_wine "$ctl" close "Mipoウォッチ　[" </dev/null
wait $pid
mipo_wineserver -k || true
echo "Screenshot of the main window: $shot"
