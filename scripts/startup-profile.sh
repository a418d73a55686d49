#!/usr/bin/env bash
# Where the program's start-up time goes, measured from outside: the program is
# started twice by launch_bench (the first start warms the caches) under Wine's
# relay trace, limited to the calls that mark the phases of a start (the settings
# path, the profile reads and writes, the dialogs, fonts, list view columns,
# showing and painting), with timestamps. Nothing in the program changes: the
# trace is Wine's. Prints the timeline of the second start from process creation
# to its end, the profile reads and writes at start and at close, and any key
# read more than once.
#
#   scripts/startup-profile.sh            (under a display; make bench builds what it needs)
#
# The relay trace slows the traced calls themselves (each one is written to a
# file), so the times are a little longer than in make bench; their order and
# the gaps between them are what this is for. Writes nothing into the repository.
set -uo pipefail
. "$(dirname "$0")/env.sh"

win=${MIPO_BENCH_WIN32:-$MIPO_WIN_RUN_BUILD}
benchdir=$win/bench/win32
for f in "$benchdir/launch_bench.exe" "$win/MipoWatch.exe"; do
  [ -e "$f" ] || { echo "startup-profile: $f is missing; build first" >&2; exit 1; }
done
"$MIPO_ROOT/scripts/prepare-prefix.sh" || exit 1
mipo_wineserver -p30

calls="GetModuleFileNameA;WNetGetUserA;GetPrivateProfileIntA;GetPrivateProfileStringA"
calls+=";GetPrivateProfileSectionA;GetPrivateProfileSectionNamesA;WritePrivateProfileStringA"
calls+=";WritePrivateProfileSectionA;DialogBoxParamA;CreateDialogParamA;CreateDialogIndirectParamA"
calls+=";CreateFontIndirectA;CreateFontIndirectW;CreateFontA;SendMessageA;ShowWindow;BeginPaint"
calls+=";EndPaint;InitCommonControls;InitCommonControlsEx;LoadImageA;timeSetEvent;ExitProcess"
key='HKCU\Software\Wine\Debug'
mipo_wine reg add "$key" /v RelayInclude /t REG_SZ /d "$calls" /f >/dev/null 2>&1
out=$(mktemp) trace=$(mktemp)
cleanup() {
  mipo_wine reg delete "$key" /v RelayInclude /f >/dev/null 2>&1
  rm -f "$out" "$trace"
}
trap cleanup EXIT

WINEDEBUG=+timestamp,+pid,+relay mipo_wine "$benchdir/launch_bench.exe" "Z:${win//\//\\}" profile \
  </dev/null 2>"$trace" | tr -d '\r' >"$out"
[ "${PIPESTATUS[0]}" = 0 ] || { echo "startup-profile: launch_bench failed" >&2; exit 1; }

python3 - "$out" "$trace" "$win/MipoWatch.exe" "$MIPO_ROOT/tests/dist" <<'PY'
import re, sys
from collections import Counter, OrderedDict
sys.path.insert(0, sys.argv[4])
from pe_resources import Image

ticks = {}
for line in open(sys.argv[1]):
    f = line.split()
    if f and f[0] == "tick":
        ticks.setdefault(int(f[2]), {})[f[1]] = int(f[3])
        last = int(f[2])
pid = "%04x" % last
t = ticks[last]
# A return address inside the program's image (at its preferred base: Wine does
# not move it) is a call made by the program itself, not by a library on its
# behalf. 32-bit programs load at 0x400000, 64-bit mingw ones at 0x140000000.
with open(sys.argv[3], "rb") as f:
    base = Image(f.read()).image_base
own = lambda ret: base <= int(ret, 16) < base + 0x1000000
call = re.compile(r"^\s*(\d+)\.(\d+):([0-9a-f]+):[0-9a-f]+:Call ([\w]+)\.(\w+)\((.*)\) ret=([0-9a-f]+)")
events = []
for line in open(sys.argv[2], errors="replace"):
    m = call.match(line)
    if not m or m.group(3) != pid:
        continue
    ms = int(m.group(1)) * 1000 + int(m.group(2))
    events.append((ms, m.group(5), m.group(6), own(m.group(7))))

def rel(ms):
    return ms - t["created"]

print("Second start of MipoWatch.exe (process %s), ms from CreateProcess:" % pid)
print("  shown %d, close requested %d, ended %d" % (rel(t["shown"]), rel(t["close"]), rel(t["ended"])))
print()
print("Timeline of the program's own calls (repeats of one call folded):")
prev = None
for ms, name, args, mine in events:
    if not mine:
        continue
    label = name
    if name == "SendMessageA":
        msg = args.split(",")[1].strip() if "," in args else ""
        if int(msg, 16) != 0x101b:  # LVM_INSERTCOLUMNA
            continue
        label = "LVM_INSERTCOLUMNA"
    if prev and prev[0] == label:
        prev[2] = ms; prev[3] += 1
        continue
    if prev:
        print("  %6d..%6d ms  %-28s x%d" % (rel(prev[1]), rel(prev[2]), prev[0], prev[3]))
    prev = [label, ms, ms, 1]
if prev:
    print("  %6d..%6d ms  %-28s x%d" % (rel(prev[1]), rel(prev[2]), prev[0], prev[3]))

reads = ("GetPrivateProfileIntA", "GetPrivateProfileStringA", "GetPrivateProfileSectionA",
         "GetPrivateProfileSectionNamesA")
writes = ("WritePrivateProfileStringA", "WritePrivateProfileSectionA")
def key_of(args):
    parts = re.findall(r'"((?:[^"\\]|\\.)*)"|(\b0+\b)', args)
    return tuple(p[0] if p[0] else "NULL" for p in parts[:2])
for span, lo, hi in (("start (creation to window shown)", t["created"], t["shown"]),
                     ("running (shown to close request)", t["shown"], t["close"]),
                     ("close (close request to end)", t["close"], t["ended"] + 1)):
    r = [e for e in events if lo <= e[0] < hi and e[1] in reads and e[3]]
    w = [e for e in events if lo <= e[0] < hi and e[1] in writes and e[3]]
    print()
    print("Profile at %s: %d reads, %d writes" % (span, len(r), len(w)))
    for kind, group in (("reads", r), ("writes", w)):
        c = Counter(key_of(e[2]) for e in group)
        twice = OrderedDict((k, n) for k, n in c.items() if n > 1)
        if twice:
            print("  %s of one key more than once: %s" % (kind, ", ".join(
                "[%s] %s x%d" % (k[0], k[1] if len(k) > 1 else "?", n) for k, n in twice.items())))
PY
