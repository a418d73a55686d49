#!/usr/bin/env bash
# Finds every skipped GoogleTest case of a make test run: in the native suite's
# ctest output and in the Windows suites' XML reports. A skip listed in
# tests/skips.txt is allowed and named with its reason; any other fails.
# Usage: check-skips.sh <native ctest log> <folder of XML reports>...
# Prints one line for the summary; exits 1 when a skip is not listed.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
native_log=$1
shift
python3 - "$root/tests/skips.txt" "$native_log" "$@" <<'PY'
import glob, os, re, sys
listed = {}
for line in open(sys.argv[1], encoding="utf-8"):
    line = line.strip()
    if line and not line.startswith("#"):
        name, _, reason = line.partition(" ")
        listed[name] = reason.strip()
skipped = []
if os.path.exists(sys.argv[2]):
    for line in open(sys.argv[2], encoding="utf-8", errors="replace"):
        m = re.search(r"Test +#\d+: native\.(\S+) .*\*\*\*Skipped", line)
        if m:
            skipped.append(("native", m.group(1)))
for folder in sys.argv[3:]:
    for xml in sorted(glob.glob(os.path.join(folder, "*.xml"))):
        text = open(xml, encoding="utf-8", errors="replace").read()
        for case in re.finditer(r'<testcase name="([^"]*)"[^>]*classname="([^"]*)"[^>]*?(/>|>(.*?)</testcase>)', text, re.S):
            if 'result="skipped"' in case.group(0) or "<skipped" in (case.group(4) or ""):
                skipped.append((os.path.basename(xml)[:-4], case.group(2) + "." + case.group(1)))
unlisted = [s for s in skipped if s[1] not in listed]
for where, name in unlisted:
    print(f"skip: {where}: {name} skipped and is not listed in tests/skips.txt", file=sys.stderr)
allowed = [f"{name} ({listed[name]})" for _, name in skipped if name in listed]
print(f"{len(skipped)} skipped" + (": " + "; ".join(allowed) if allowed else "") +
      f" ({len(listed)} allowed in tests/skips.txt)")
sys.exit(1 if unlisted else 0)
PY
