#!/usr/bin/env bash
# Runs a command with an X display: the caller's when there is one, otherwise a
# virtual one that lives exactly as long as the command.
set -euo pipefail
if [ -n "${DISPLAY:-}" ] && [ -z "${MIPO_FORCE_XVFB:-}" ]; then
  exec "$@"
fi
for n in $(seq 90 140); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { disp=$n; break; }
done
Xvfb ":$disp" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xpid=$!
trap 'kill $xpid 2>/dev/null || true' EXIT
for _ in $(seq 1 100); do
  [ -e "/tmp/.X11-unix/X$disp" ] && break
  sleep 0.05
done
export DISPLAY=":$disp"
export MIPO_VIRTUAL_DISPLAY=1
"$@"
