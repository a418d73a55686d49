#!/usr/bin/env bash
# Runs every suite: the native one (sanitizers on) and the ones under Wine.
# Expects DISPLAY (the Makefile wraps it in with-display.sh).
set -uo pipefail
. "$(dirname "$0")/env.sh"
"$MIPO_ROOT/scripts/prepare-prefix.sh" || exit 1
# A long-lived server and one warm-up run keep each test's Wine start cheap and
# stop Wine's background processes from holding ctest's output pipe open.
mipo_wineserver -p30
mipo_wine cmd /c exit </dev/null >/dev/null 2>&1
jobs=$(nproc 2>/dev/null || echo 2)
status=0
echo "== native suite"
ctest --test-dir "$MIPO_BUILD/native" --output-on-failure -j "$jobs" </dev/null || status=1
echo "== Windows suites under Wine"
ctest --test-dir "$MIPO_BUILD/win32" --output-on-failure </dev/null || status=1
mipo_wineserver -k || true
exit $status
