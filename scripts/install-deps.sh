#!/usr/bin/env bash
# Installs what building and testing need on a Debian 12 machine, for the parts
# named (default: all of them). Idempotent: when everything is present it only
# checks and says nothing.
#   scripts/install-deps.sh [native] [win32] [win64] [format] [all]
#     native  the Linux build and its tests: g++, CMake, Ninja, GoogleTest, Google
#             Benchmark, clang for the fuzz targets
#     win32   the 32-bit cross build and its tests under Wine: mingw-w64, CMake,
#             Ninja, GoogleTest's sources, Wine on a virtual display, the Japanese
#             fonts and locale, zip for the download. The Wine is 32-bit; on a
#             machine that cannot run 32-bit programs it is wine64, with the 64-bit
#             cross compiler, since the suites then run as 64-bit builds (see
#             scripts/env.sh)
#     win64   the 64-bit cross build and wine64 to run it
#     format  clang-format for the format check and `make format`
#     all     everything above
set -euo pipefail
. "$(dirname "$0")/env.sh"

usage() {
  echo "usage: scripts/install-deps.sh [native] [win32] [win64] [format] [all]" >&2
  exit 2
}

NATIVE_PKGS=(g++ cmake ninja-build libgtest-dev libbenchmark-dev clang libclang-rt-14-dev)
# What running Windows programs under Wine on a virtual display needs, either side.
WINE_COMMON_PKGS=(cmake ninja-build googletest python3 wine fonts-wine xvfb xauth xdotool
                  imagemagick fonts-ipafont-gothic locales zip unzip)
WINE32_PKGS=(wine32:i386 libxrender1:i386 libxrandr2:i386 libxcursor1:i386 libxi6:i386
             libxcomposite1:i386 libxinerama1:i386 libxfixes3:i386)
WIN64_PKGS=(g++-mingw-w64-x86-64-posix wine64 libxrender1 libxrandr2 libxcursor1 libxi6
            libxcomposite1 libxinerama1 libxfixes3)
WIN32_PKGS=(g++-mingw-w64-i686 "${WINE_COMMON_PKGS[@]}")
if [ "$MIPO_WIN_ARCH" = i686 ]; then
  WIN32_PKGS+=("${WINE32_PKGS[@]}")
else
  # Wine's 32-bit DLLs install as files even where they cannot run: the static
  # check of the 32-bit program reads its imports against them.
  WIN32_PKGS+=("${WIN64_PKGS[@]}" libwine:i386)
fi
WIN64_PKGS+=("${WINE_COMMON_PKGS[@]}")
FORMAT_PKGS=(clang-format git)

[ $# -gt 0 ] || set -- all
want_native=0 want_win32=0 want_win64=0 want_format=0
for part in "$@"; do
  case $part in
    native) want_native=1 ;;
    win32) want_win32=1 ;;
    win64) want_win64=1 ;;
    format) want_format=1 ;;
    # win32 brings the 64-bit side too where the suites need it (see above).
    all) want_native=1 want_win32=1 want_format=1 ;;
    *) echo "install-deps: unknown part '$part' (accepted: native, win32, win64, format, all)" >&2
       usage ;;
  esac
done

PKGS=()
[ $want_native = 0 ] || PKGS+=("${NATIVE_PKGS[@]}")
[ $want_win32 = 0 ] || PKGS+=("${WIN32_PKGS[@]}")
[ $want_win64 = 0 ] || PKGS+=("${WIN64_PKGS[@]}")
[ $want_format = 0 ] || PKGS+=("${FORMAT_PKGS[@]}")

SUDO=
need_root() {
  if [ "$(id -u)" != 0 ]; then
    if command -v sudo >/dev/null 2>&1; then SUDO=sudo; else
      echo "install-deps: must run as root (or with sudo) to install: $*" >&2; exit 1; fi
  fi
}

missing=()
for p in "${PKGS[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    # A package named by two parts is looked up once.
    case " ${missing[*]-} " in *" $p "*) ;; *) missing+=("$p") ;; esac
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  need_root "${missing[*]}"
  echo "install-deps: installing ${missing[*]}"
  # 32-bit Wine and its X libraries are i386 packages.
  case " ${missing[*]} " in
    *:i386*)
      if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $SUDO dpkg --add-architecture i386
      fi ;;
  esac
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq || { echo "install-deps: apt-get update failed" >&2; exit 1; }
  log=$(mktemp)
  if ! $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >"$log" 2>&1; then
    cat "$log" >&2
    rm -f "$log"
    echo "install-deps: apt-get could not install: ${missing[*]}" >&2
    exit 1
  fi
  rm -f "$log"
fi

# Wine runs the program in Japanese (code page 932), which needs the glibc locale.
if { [ $want_win32 = 1 ] || [ $want_win64 = 1 ]; } && ! locale -a 2>/dev/null | grep -qiE '^ja_JP\.utf-?8$'; then
  need_root "the ja_JP.UTF-8 locale"
  echo "install-deps: generating the ja_JP.UTF-8 locale"
  $SUDO localedef -i ja_JP -f UTF-8 ja_JP.UTF-8 ||
    { echo "install-deps: localedef could not generate ja_JP.UTF-8" >&2; exit 1; }
fi
exit 0
