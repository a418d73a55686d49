# Shared environment of the project's scripts; sourced, not run.
MIPO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
MIPO_BUILD=${MIPO_BUILD:-$MIPO_ROOT/build}

# Whether this machine's kernel runs 32-bit x86 programs: some kernels are built or
# booted without 32-bit emulation ("Exec format error"), and 32-bit Wine cannot run
# there at all. The probe is the smallest 32-bit Linux program (exit(0) through
# int 0x80), written out here so the answer does not depend on any installed i386
# package. It runs from the build folder, which must allow programs anyway.
mipo_runs_32bit() {
  local dir status
  mkdir -p "$MIPO_BUILD" && dir=$(mktemp -d "$MIPO_BUILD/.elf32-probe.XXXXXX") || return 1
  # ELF header (52 bytes), one loadable segment at 0x08048000 (32 bytes), then
  # xor ebx,ebx; mov eax,1; int 0x80.
  local elf='\177ELF\001\001\001\000\000\000\000\000\000\000\000\000'
  elf+='\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000\000\000\000\000'
  elf+='\000\000\000\000\064\000\040\000\001\000\000\000\000\000\000\000'
  elf+='\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010\135\000\000\000'
  elf+='\135\000\000\000\005\000\000\000\000\020\000\000\061\333\270\001\000\000\000\315\200'
  # shellcheck disable=SC2059 # the escapes are the point
  printf "$elf" >"$dir/probe" && chmod +x "$dir/probe"
  ("$dir/probe") >/dev/null 2>&1
  status=$?
  rm -rf "$dir"
  return $status
}

# The architecture the Windows suites run as, decided once per run (children
# inherit it; MIPO_WIN_ARCH=i686|x86_64 set by hand overrides the probe):
#   i686    the shipped 32-bit program and suites (build/win32) under 32-bit Wine
#   x86_64  on a machine that cannot run 32-bit programs: 64-bit builds of the same
#           sources and suites (build/win64) under wine64. The shipped program stays
#           32-bit and is still built, but nothing can start it here.
# MIPO_WIN_ARCH_BY says which: "probe" or "hand" (the Makefile passes it on).
if [ -z "${MIPO_WIN_ARCH:-}" ]; then
  if mipo_runs_32bit; then MIPO_WIN_ARCH=i686; else MIPO_WIN_ARCH=x86_64; fi
  MIPO_WIN_ARCH_BY=probe
fi
export MIPO_WIN_ARCH MIPO_WIN_ARCH_BY=${MIPO_WIN_ARCH_BY:-hand}
case $MIPO_WIN_ARCH in
  i686)
    MIPO_WIN_TREE=win32
    export WINEPREFIX=${WINEPREFIX:-$MIPO_BUILD/wineprefix}
    export WINEARCH=win32
    MIPO_WINE=wine
    MIPO_WINESERVER=wineserver
    MIPO_WIN_ARCH_NOTE="the 32-bit builds under 32-bit Wine"
    ;;
  x86_64)
    MIPO_WIN_TREE=win64
    export WINEPREFIX=${WINEPREFIX:-$MIPO_BUILD/wineprefix64}
    export WINEARCH=win64
    # /usr/bin/wine and /usr/bin/wineserver prefer the 32-bit ones when wine32 is
    # installed, so the 64-bit loader and server are named directly.
    MIPO_WINE=/usr/lib/wine/wine64
    MIPO_WINESERVER=/usr/lib/wine/wineserver64
    export WINELOADER=$MIPO_WINE WINESERVER=$MIPO_WINESERVER
    if [ "$MIPO_WIN_ARCH_BY" = probe ]; then
      MIPO_WIN_ARCH_NOTE="64-bit builds under wine64: this machine cannot run 32-bit programs"
    else
      MIPO_WIN_ARCH_NOTE="64-bit builds under wine64, as MIPO_WIN_ARCH=x86_64 asked"
    fi
    ;;
  *)
    echo "env.sh: MIPO_WIN_ARCH='$MIPO_WIN_ARCH' is not i686 or x86_64" >&2
    exit 2
    ;;
esac
# Wine's own Windows DLLs, installed as files on either kind of machine: what the
# static check of the shipped files reads each import against.
MIPO_SYSTEM_DLLS_I386=/usr/lib/i386-linux-gnu/wine/i386-windows
MIPO_SYSTEM_DLLS_X86_64=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows
# A second prefix beside the first whose screen is at 144 dots per inch (150 %):
# the suite of tests/win32/scaling runs there once more. Exported, so a script
# that points WINEPREFIX at it does not derive it again from itself.
export MIPO_SCALED_PREFIX=${MIPO_SCALED_PREFIX:-$WINEPREFIX-144}
MIPO_SCALED_DPI=144
# The build tree the Windows suites (and make run) run from.
MIPO_WIN_RUN_BUILD=$MIPO_BUILD/$MIPO_WIN_TREE
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
# A sound device for the Windows side, which build machines lack: with HOME at
# $MIPO_SOUND_HOME, ALSA's default device writes what Wine plays into
# $MIPO_SOUND_FILE (raw samples) over the null device, so the bell is opened,
# played and closed for real and a test can read what arrived. Wine finds its
# prefix through WINEPREFIX, never through HOME.
export MIPO_SOUND_HOME=$MIPO_BUILD/sound
export MIPO_SOUND_FILE=$MIPO_SOUND_HOME/played.raw
mipo_sound_home() {
  local rc=$MIPO_SOUND_HOME/.asoundrc
  local text="pcm.!default { type file; slave.pcm \"null\"; file \"$MIPO_SOUND_FILE\"; format \"raw\" }"
  [ "$(cat "$rc" 2>/dev/null)" = "$text" ] && return 0
  mkdir -p "$MIPO_SOUND_HOME" && printf '%s\n' "$text" >"$rc"
}
# Wine runs Japanese (ACP 932); Linux tools keep their own messages.
mipo_wine() { mipo_sound_home && HOME=$MIPO_SOUND_HOME LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8 "$MIPO_WINE" "$@"; }
mipo_wineserver() { LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8 "$MIPO_WINESERVER" "$@"; }

# The machine a Windows program is built for, from its PE header: i386, x86_64 or
# unknown.
mipo_pe_machine() {
  local pe machine
  pe=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')
  [ -n "$pe" ] && machine=$(od -An -tx2 -j$((pe + 4)) -N2 "$1" 2>/dev/null | tr -d ' ')
  case ${machine:-} in
    014c) echo i386 ;;
    8664) echo x86_64 ;;
    *) echo unknown ;;
  esac
}
