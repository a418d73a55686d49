#!/usr/bin/env bash
# The download as a user gets it: builds the zip with scripts/dist.sh, checks
# exactly what is inside, then unpacks it into a folder with a Japanese name,
# starts the program there under Wine as a first run, closes it as the close box
# does and checks what it wrote.
#   zip_test.sh <build folder>
#   MIPO_DIST_BUILD  the 32-bit build the zip is made from (default: the build folder)
# The program started is the build folder's. When that is not the zip's build (a
# machine that cannot run 32-bit programs runs the suites as 64-bit builds), its
# program and libraries take the place of the zip's in the unpacked folder, and
# the test says so: the zip's own program is then checked but not started.
# Needs DISPLAY and a prepared Wine prefix (scripts/test.sh provides both).
set -uo pipefail
build=$(cd "${1:?usage: zip_test.sh <build folder>}" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/env.sh"
dist_build=$(cd "${MIPO_DIST_BUILD:-$build}" && pwd) || exit 1
here=$root/tests/dist
work=$build/dist-test
. "$root/tests/support/checks.sh"

rm -rf "$work"
mkdir -p "$work"

# --- the archive -----------------------------------------------------------
zipfile=$(MIPO_WIN32_BUILD=$dist_build MIPO_DIST_OUT=$work "$root/scripts/dist.sh") || {
  echo "FAIL  scripts/dist.sh did not build the zip"
  exit 1
}
check "the zip is named after version 1.0.1" test "$(basename "$zipfile")" = "MipoWatch-1.0.1.zip"

expected=$'MipoWatch.exe\nKeyHook.dll\nMouseHook.dll\nhelp.html\nreadme.txt'
listed=$(unzip -Z1 "$zipfile")
check "the zip holds the program, both libraries, the help and the read-me, nothing else" \
  test "$listed" = "$expected"

unpacked=$work/ミポ表示
mkdir -p "$unpacked"
unzip -q "$zipfile" -d "$unpacked"
for f in MipoWatch.exe KeyHook.dll MouseHook.dll; do
  check "$f in the zip is the one built" cmp -s "$dist_build/$f" "$unpacked/$f"
  # A 64-bit program would not load the other's libraries, nor run on 32-bit Windows.
  check "$f in the zip is built for 32-bit Windows" test "$(mipo_pe_machine "$unpacked/$f")" = i386
done

# The read-me is for Notepad on a Japanese Windows: cp932 with CR LF throughout.
readme=$unpacked/readme.txt
check "the read-me is cp932 text" bash -c "iconv -f CP932 -t UTF-8 '$readme' >/dev/null"
check "the read-me names the program and its version" \
  bash -c "iconv -f CP932 -t UTF-8 '$readme' | grep -q 'Mipoウォッチ  Ver 1.01'"
check "every line of the read-me ends in CR LF" python3 -c "
import sys
data = open(sys.argv[1], 'rb').read()
lines = data.split(b'\n')
sys.exit(0 if data.endswith(b'\r\n') and all(l.endswith(b'\r') for l in lines[:-1]) and b'\r\r' not in data else 1)
" "$readme"

# The help is one self-contained page: declared UTF-8, every picture inlined.
help=$unpacked/help.html
check "the help declares its charset and is UTF-8" python3 -c "
import sys
text = open(sys.argv[1], 'rb').read().decode('utf-8')
sys.exit(0 if '<meta charset=\"utf-8\">' in text.lower() else 1)
" "$help"
check "the help shows only inlined pictures" python3 -c "
import re, sys
text = open(sys.argv[1], encoding='utf-8').read()
sources = re.findall(r'src=\"([^\"]*)\"', text)
sys.exit(0 if sources and all(s.startswith('data:image/png;base64,') for s in sources) else 1)
" "$help"

# Version resource and manifest of the program in the zip.
version=$(python3 "$here/pe_resources.py" "$unpacked/MipoWatch.exe" version)
check "the program's file version is 1.0.1.0" grep -qx 'FileVersion=1.0.1.0' <<<"$version"
check "the program's product name is Mipoウォッチ (Japanese block)" \
  grep -qx '041104B0/ProductName=Mipoウォッチ' <<<"$version"
check "the program's product version reads 1.01 as on the settings tab" \
  grep -qx '041104B0/ProductVersion=1.01' <<<"$version"
manifest=$(python3 "$here/pe_resources.py" "$unpacked/MipoWatch.exe" manifest)
check "the program's manifest asks for common controls 6, names Vista to 11 and per-monitor v2 awareness" \
  python3 "$here/check_manifest.py" <<<"$manifest"

# --- the program from the unpacked folder -----------------------------------
if [ "$build" != "$dist_build" ]; then
  # Same folder name and neighbours, the build's own program and libraries.
  machine=$(mipo_pe_machine "$build/MipoWatch.exe")
  echo "note  the zip's $(mipo_pe_machine "$unpacked/MipoWatch.exe") program is not started here" \
       "(Wine runs $MIPO_WIN_ARCH_NOTE); the start below runs the $machine build in $build" \
       "from a copy of the unpacked folder"
  copy=$work/started/ミポ表示
  mkdir -p "$copy"
  cp -a "$unpacked/." "$copy/"
  cp "$build/MipoWatch.exe" "$build/KeyHook.dll" "$build/MouseHook.dll" "$copy/"
  unpacked=$copy
fi
user=$(id -un)  # Wine's network user is the Unix user
log=$work/program.log
mipo_wine "$unpacked/MipoWatch.exe" </dev/null >"$log" 2>&1 &
pid=$!
ctl() { mipo_wine "$build/winctl.exe" "$@" </dev/null 2>>"$log"; }
# First run: three notices with the program's caption, then the main window.
ctl dismiss "Mipoウォッチ" 20000 >/dev/null
check "the main window opens from a folder named ミポ表示" \
  ctl wait "Mipoウォッチ　[ストップウォッチ]" 20000
ctl close "Mipoウォッチ　[ストップウォッチ]"
for _ in $(seq 1 200); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
  check "the program ends when closed" false
  kill "$pid" 2>/dev/null
fi
wait "$pid"
check "the program ends with exit code 1 after a normal run" test $? -eq 1

ini=$unpacked/$user/Data.ini
check "Data.ini is written into the user's folder beside the program" test -f "$ini"
check "the first-run notices are marked as seen" grep -q $'^FirstFlag=0\r$' "$ini"
check "the stopwatch tab is stored as the last tab" grep -q $'^EndTabPos=0\r$' "$ini"
check "the stopwatch display's font file holds 64 bytes" \
  test "$(stat -c %s "$unpacked/$user/font1" 2>/dev/null)" = 64
check "nothing but the user's folder is added beside the program" \
  test "$(cd "$unpacked" && ls | sort | tr '\n' ' ')" = \
  "$(printf '%s\n' KeyHook.dll MipoWatch.exe MouseHook.dll help.html readme.txt "$user" | sort | tr '\n' ' ')"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed; program output in $log"
  exit 1
fi
echo "all checks passed"
