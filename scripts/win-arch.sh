#!/usr/bin/env bash
# Prints the architecture the Windows suites run as on this machine, i686 or
# x86_64 (scripts/env.sh decides; the Makefile asks once and passes it on).
set -euo pipefail
. "$(dirname "$0")/env.sh"
echo "$MIPO_WIN_ARCH"
