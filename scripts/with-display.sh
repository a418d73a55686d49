#!/usr/bin/env bash
# Runs a command with an X display: the caller's when there is one, otherwise a
# virtual one that lives exactly as long as the command.
set -euo pipefail
if [ $# -eq 0 ]; then
  echo "usage: scripts/with-display.sh <command> [arguments...]" >&2
  exit 2
fi
if [ -n "${DISPLAY:-}" ] && [ -z "${MIPO_FORCE_XVFB:-}" ]; then
  exec "$@"
fi
command -v Xvfb >/dev/null 2>&1 ||
  { echo "with-display: Xvfb is missing (scripts/install-deps.sh win32 installs it)" >&2; exit 1; }
first=${MIPO_DISPLAY_FIRST:-90}
last=${MIPO_DISPLAY_LAST:-140}
disp=
for n in $(seq "$first" "$last"); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { disp=$n; break; }
done
if [ -z "$disp" ]; then
  echo "with-display: no free display number from :$first to :$last" \
       "(each has /tmp/.X<n>-lock or /tmp/.X11-unix/X<n>); stop a stale Xvfb or remove its lock" >&2
  exit 1
fi
Xvfb ":$disp" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xpid=$!
trap 'kill $xpid 2>/dev/null || true' EXIT
# Another run may take the same number between the check and Xvfb's start, and
# then this Xvfb exits: say so rather than run on someone else's display.
for _ in $(seq 1 100); do
  [ -e "/tmp/.X11-unix/X$disp" ] && break
  kill -0 "$xpid" 2>/dev/null || break
  sleep 0.05
done
if ! kill -0 "$xpid" 2>/dev/null || [ ! -e "/tmp/.X11-unix/X$disp" ]; then
  echo "with-display: Xvfb could not start on display :$disp" >&2
  exit 1
fi
export DISPLAY=":$disp"
export MIPO_VIRTUAL_DISPLAY=1
"$@"
