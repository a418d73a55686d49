#!/usr/bin/env bash
# Builds the download: dist/MipoWatch-<version>.zip holding the program, its two
# hook libraries, the help page (pictures inlined, so it is one file) and a short
# read-me in Japanese (cp932, CR LF, as Notepad on a Japanese Windows expects).
# The version is the one of the program's version resource.
#   MIPO_WIN32_BUILD  the build folder with MipoWatch.exe and the libraries (build/win32)
#   MIPO_DIST_OUT     where the zip goes (dist)
# Prints the path of the zip.
set -euo pipefail
. "$(dirname "$0")/env.sh"
build=${MIPO_WIN32_BUILD:-$MIPO_BUILD/win32}
out=${MIPO_DIST_OUT:-$MIPO_ROOT/dist}
help_src=$MIPO_ROOT/docs/help/help.html
readme_src=$MIPO_ROOT/docs/help/readme.txt

fail() { echo "dist: $*" >&2; exit 1; }

# "FILEVERSION 1,0,1,0" names the download MipoWatch-1.0.1.
version=$(sed -n 's/^FILEVERSION \([0-9]*\),\([0-9]*\),\([0-9]*\),[0-9]*.*/\1.\2.\3/p' \
  "$MIPO_ROOT/resources/version.rc")
[ -n "$version" ] || fail "no FILEVERSION in resources/version.rc"

for f in MipoWatch.exe KeyHook.dll MouseHook.dll; do
  [ -f "$build/$f" ] || fail "$build/$f is missing; build first (make win32)"
done
# Users get the 32-bit program; a 64-bit test build must never end up in the zip.
for f in MipoWatch.exe KeyHook.dll MouseHook.dll; do
  machine=$(mipo_pe_machine "$build/$f")
  [ "$machine" = i386 ] || fail "$build/$f is built for $machine, not 32-bit Windows (make dist builds the 32-bit program)"
done
for f in "$help_src" "$readme_src"; do
  [ -f "$f" ] || fail "$f is missing"
done
command -v zip >/dev/null || fail "zip is missing (scripts/install-deps.sh installs it)"

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$build/MipoWatch.exe" "$build/KeyHook.dll" "$build/MouseHook.dll" "$stage/"

# The read-me: UTF-8 with LF in the repository, cp932 with CR LF in the download.
# iconv refuses a character that cp932 cannot hold, and so does this script.
iconv -f UTF-8 -t CP932 "$readme_src" >"$stage/readme.tmp" ||
  fail "docs/help/readme.txt holds a character that cp932 cannot hold"
sed -e 's/\r$//' -e 's/$/\r/' "$stage/readme.tmp" >"$stage/readme.txt"
rm "$stage/readme.tmp"

# The help: every picture it shows is inlined as a data URI; a picture that is
# missing stops the build rather than leaving a broken image in the download.
python3 - "$help_src" "$stage/help.html" <<'PY'
import base64, os, re, sys
source, target = sys.argv[1], sys.argv[2]
folder = os.path.dirname(source)
text = open(source, encoding="utf-8").read()
missing = []

def inline(match):
    path = os.path.normpath(os.path.join(folder, match.group(2)))
    if not os.path.isfile(path):
        missing.append(match.group(2))
        return match.group(0)
    data = base64.b64encode(open(path, "rb").read()).decode("ascii")
    return '%s="data:image/png;base64,%s"' % (match.group(1), data)

text = re.sub(r'(src)="([^":]+\.png)"', inline, text)
if missing:
    sys.exit("dist: the help shows missing pictures: " + ", ".join(missing))
open(target, "w", encoding="utf-8").write(text)
PY

# Stable archives: every entry carries the time of the last commit.
stamp=$(git -C "$MIPO_ROOT" log -1 --format=%cd --date=format:%Y%m%d%H%M.%S 2>/dev/null || date +%Y%m%d%H%M.%S)
touch -t "$stamp" "$stage"/*

mkdir -p "$out"
out=$(cd "$out" && pwd)
zipfile=$out/MipoWatch-$version.zip
rm -f "$zipfile"  # zip would add to an existing archive
(cd "$stage" && zip -q -X "$zipfile" MipoWatch.exe KeyHook.dll MouseHook.dll help.html readme.txt)
echo "$zipfile"
