#!/usr/bin/env bash
# Where the program's start-up time goes, measured from outside: launch_bench
# starts the program and the fair dialog (the fair yardstick of make bench) in
# turn, after one untimed start of each that warms the caches, under Wine's relay
# trace, limited to the calls that mark the phases
# of a start (the settings path, the profile reads and writes, the dialogs,
# fonts, list view columns, showing and painting), with timestamps. Nothing in
# the program changes: the trace is Wine's. Prints, for each of the two, the
# timeline of its own calls from process creation to the window shown, each step
# the median over the starts, then the program's profile reads and writes at
# start, while running and at close, and any key read more than once.
#
#   scripts/startup-profile.sh [starts]   (under a display; make bench builds what it needs)
#     starts: traced starts of each (5 unless given). One start alone moved by
#     30 ms from run to run on a busy machine; the median of five moves less.
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
calls+=";CreateFontIndirectA;CreateFontIndirectW;CreateFontA;SendMessageA;SendDlgItemMessageA"
calls+=";ShowWindow;BeginPaint"
calls+=";EndPaint;InitCommonControls;InitCommonControlsEx;LoadImageA;timeSetEvent;ExitProcess"
key='HKCU\Software\Wine\Debug'
mipo_wine reg add "$key" /v RelayInclude /t REG_SZ /d "$calls" /f >/dev/null 2>&1
out=$(mktemp) trace=$(mktemp)
cleanup() {
  mipo_wine reg delete "$key" /v RelayInclude /f >/dev/null 2>&1
  rm -f "$out" "$trace"
}
trap cleanup EXIT

starts=${1:-5}
WINEDEBUG=+timestamp,+pid,+relay mipo_wine "$benchdir/launch_bench.exe" "Z:${win//\//\\}" profile \
  "$starts" </dev/null 2>"$trace" | tr -d '\r' >"$out"
[ "${PIPESTATUS[0]}" = 0 ] || { echo "startup-profile: launch_bench failed" >&2; exit 1; }

python3 - "$out" "$trace" "$win/MipoWatch.exe" "$MIPO_ROOT/tests/dist" <<'PY'
import re, statistics, sys
from collections import Counter, OrderedDict
sys.path.insert(0, sys.argv[4])
from pe_resources import Image

# tick <event> <pid> <ms> <app|fair>; the first start of each is the untimed one.
starts = OrderedDict()
for line in open(sys.argv[1]):
    f = line.split()
    if f and f[0] == "tick":
        starts.setdefault(int(f[2]), {"name": f[4]})[f[1]] = int(f[3])
seen = set()
for pid in list(starts):
    if starts[pid]["name"] not in seen:
        seen.add(starts[pid]["name"])
        del starts[pid]
# A return address inside the image (at its preferred base: Wine does not move
# it) is a call made by the program itself, not by a library on its behalf.
# 32-bit programs load at 0x400000, 64-bit mingw ones at 0x140000000; the fair
# dialog is built for the same machine.
with open(sys.argv[3], "rb") as f:
    base = Image(f.read()).image_base
own = lambda ret: base <= int(ret, 16) < base + 0x1000000
call = re.compile(r"^\s*(\d+)\.(\d+):([0-9a-f]+):[0-9a-f]+:Call ([\w]+)\.(\w+)\((.*)\) ret=([0-9a-f]+)")
events = {"%04x" % pid: [] for pid in starts}
for line in open(sys.argv[2], errors="replace"):
    m = call.match(line)
    if not m or m.group(3) not in events:
        continue
    ms = int(m.group(1)) * 1000 + int(m.group(2))
    events[m.group(3)].append((ms, m.group(5), m.group(6), own(m.group(7))))

def folded(pid, t):
    """The start's own calls, repeats of one call folded: [label, first, last, count]."""
    steps = []
    for ms, name, args, mine in events["%04x" % pid]:
        if not mine or ms > t["shown"]:
            continue
        label = name
        if name in ("SendMessageA", "SendDlgItemMessageA"):
            parts = [a.strip() for a in args.split(",")]
            msg = parts[2 if name == "SendDlgItemMessageA" else 1] if len(parts) > 2 else "0"
            if int(msg, 16) != 0x101b:  # LVM_INSERTCOLUMNA
                continue
            label = "LVM_INSERTCOLUMNA"
        at = ms - t["created"]
        if steps and steps[-1][0] == label:
            steps[-1][2] = at
            steps[-1][3] += 1
        else:
            steps.append([label, at, at, 1])
    return steps

for name, title in (("app", "MipoWatch.exe"), ("fair", "the fair dialog")):
    runs = [(pid, t) for pid, t in starts.items() if t["name"] == name]
    if not runs:
        continue
    shown = statistics.median(t["shown"] - t["created"] for _, t in runs)
    print("%s, %d starts, ms from CreateProcess (medians): window shown %d" % (title, len(runs), shown))
    timelines = [folded(pid, t) for pid, t in runs]
    shapes = Counter(tuple((s[0], s[3]) for s in tl) for tl in timelines)
    shape, count = shapes.most_common(1)[0]
    same = [tl for tl in timelines if tuple((s[0], s[3]) for s in tl) == shape]
    print("Timeline of its own calls to the window shown (repeats folded; %d of %d starts"
          " made these calls in this order):" % (count, len(runs)))
    for i, (label, repeats) in enumerate(shape):
        first = statistics.median(tl[i][1] for tl in same)
        last = statistics.median(tl[i][2] for tl in same)
        print("  %6d..%6d ms  %-28s x%d" % (first, last, label, repeats))
    print()

reads = ("GetPrivateProfileIntA", "GetPrivateProfileStringA", "GetPrivateProfileSectionA",
         "GetPrivateProfileSectionNamesA")
writes = ("WritePrivateProfileStringA", "WritePrivateProfileSectionA")
def key_of(args):
    parts = re.findall(r'"((?:[^"\\]|\\.)*)"|(\b0+\b)', args)
    return tuple(p[0] if p[0] else "NULL" for p in parts[:2])
pid, t = [(p, v) for p, v in starts.items() if v["name"] == "app"][-1]
mine = [e for e in events["%04x" % pid] if e[3]]
print("The program's last start: close requested %d, ended %d ms from CreateProcess" %
      (t["close"] - t["created"], t["ended"] - t["created"]))
for span, lo, hi in (("start (creation to window shown)", t["created"], t["shown"]),
                     ("running (shown to close request)", t["shown"], t["close"]),
                     ("close (close request to end)", t["close"], t["ended"] + 1)):
    r = [e for e in mine if lo <= e[0] < hi and e[1] in reads]
    w = [e for e in mine if lo <= e[0] < hi and e[1] in writes]
    print()
    print("Profile at %s: %d reads, %d writes" % (span, len(r), len(w)))
    for kind, group in (("reads", r), ("writes", w)):
        c = Counter(key_of(e[2]) for e in group)
        twice = OrderedDict((k, n) for k, n in c.items() if n > 1)
        if twice:
            print("  %s of one key more than once: %s" % (kind, ", ".join(
                "[%s] %s x%d" % (k[0], k[1] if len(k) > 1 else "?", n) for k, n in twice.items())))
PY
