#!/usr/bin/env bash
# Runs one Windows program under the project's Wine prefix; ctest's emulator (the
# toolchain file names the architecture, so each tree runs under its own Wine).
# shellcheck source=env.sh
. "$(dirname "$0")/env.sh"
mipo_sound_home || exit 1
HOME=$MIPO_SOUND_HOME LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8 exec "$MIPO_WINE" "$@"
