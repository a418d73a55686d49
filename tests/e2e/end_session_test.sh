#!/usr/bin/env bash
# Windows ending the session (shutdown, sign-out) with the program open: Wine's
# `wineboot --end-session` sends WM_QUERYENDSESSION and WM_ENDSESSION to every
# window and then ends the processes, with no window destroyed on the way. The
# program must have saved by then exactly what a close saves.
#   end_session_test.sh <build folder>
# Needs DISPLAY and a prepared Wine prefix (scripts/test.sh provides both).
set -uo pipefail
[ $# -eq 1 ] || { echo "usage: end_session_test.sh <build folder>" >&2; exit 2; }
build=$(cd "$1" && pwd) || exit 2
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/env.sh"
work=$build/end-session-test
. "$root/tests/support/checks.sh"

rm -rf "$work"
mkdir -p "$work"
cp "$build/MipoWatch.exe" "$build/KeyHook.dll" "$build/MouseHook.dll" "$work/"
user=$(id -un)  # Wine's network user is the Unix user
mkdir -p "$work/$user"
ini=$work/$user/Data.ini
# Not a first run: no notices to answer.
printf '[MainDlg]\r\nFirstFlag=0\r\n' >"$ini"

log=$work/program.log
mipo_wine "$work/MipoWatch.exe" </dev/null >"$log" 2>&1 &
pid=$!
ctl() { mipo_wine "$build/winctl.exe" "$@" </dev/null 2>>"$log"; }
main="Mipoウォッチ　[ストップウォッチ]"
check "the main window opens" ctl wait "$main" 20000
# As a user would: 手前 on, the timer tab, the overrun mode and 00:00:07.
check "the in-front switch is clicked" ctl click "$main" 1060
check "the timer tab is chosen" ctl tab "$main" 1
timer="Mipoウォッチ　[タイマー]"
check "the timer page is in front" ctl wait "$timer" 10000
check "mode 3 is chosen" ctl select "$timer" 1035 3
check "the hours are set" ctl select "$timer" 1020 0
check "the minutes are set" ctl select "$timer" 1021 0
check "the seconds are set" ctl select "$timer" 1022 7

mipo_wine wineboot --end-session </dev/null >>"$log" 2>&1
for _ in $(seq 1 200); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
  check "the program ends with the session" false
  kill "$pid" 2>/dev/null
fi
wait "$pid" 2>/dev/null

key() { tr -d '\r' <"$ini" | grep -qx "$1"; }
check "the in-front switch is saved" key "AlwaysTop=1"
check "the timer tab is saved as the last tab" key "EndTabPos=1"
check "the timer's mode is saved" key "TimerMode=3"
check "the timer's duration is saved" key "TimerTime=7"
check "the stopwatch's section is saved" key "WatchAccuracy=0"
check "the timer display's font file holds 64 bytes" \
  test "$(stat -c %s "$work/$user/font2" 2>/dev/null)" = 64

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed; Data.ini:"
  tr -d '\r' <"$ini" 2>/dev/null
  echo "program output in $log"
  exit 1
fi
echo "all checks passed"
