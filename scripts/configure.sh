#!/usr/bin/env bash
# Configures one build tree with CMake, quietly when CMake has nothing to say:
# its whole output goes to <build>/configure.log and is shown when the configure
# fails or when it says something worth reading (a warning, a component not
# found, part of the build turned off).
#   scripts/configure.sh <build folder> <cmake arguments...>
set -euo pipefail
if [ $# -lt 1 ]; then
  echo "usage: scripts/configure.sh <build folder> <cmake arguments...>" >&2
  exit 2
fi
build=$1
shift
mkdir -p "$build"
log=$build/configure.log
if ! cmake -B "$build" "$@" >"$log" 2>&1; then
  cat "$log" >&2
  echo "configure: CMake failed for $build (output above, also in $log)" >&2
  exit 1
fi
# CMake's own warnings, ours (message(WARNING)), and the status lines that name
# something missing or switched off.
notable='CMake (Warning|Deprecation Warning|Error)|[Ww]arning|No GoogleTest|not found|is OFF'
if grep -Eq "$notable" "$log"; then
  cat "$log" >&2
  echo "configure: CMake had something to say about $build (above, also in $log)" >&2
fi
