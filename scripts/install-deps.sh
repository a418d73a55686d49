#!/usr/bin/env bash
# Installs what building and testing need on a Debian 12 machine. Idempotent: when
# everything is present it only checks and says nothing.
set -euo pipefail

need_root() {
  if [ "$(id -u)" != 0 ]; then
    if command -v sudo >/dev/null 2>&1; then SUDO=sudo; else
      echo "install-deps: must run as root (or with sudo) to install packages" >&2; exit 1; fi
  else SUDO=; fi
}

PKGS=(g++-mingw-w64-i686 wine wine32:i386 fonts-wine xvfb xauth xdotool imagemagick
      fonts-ipafont-gothic cmake ninja-build googletest libgtest-dev libbenchmark-dev
      locales clang libclang-rt-14-dev clang-format zip unzip
      libxrender1:i386 libxrandr2:i386 libxcursor1:i386 libxi6:i386 libxcomposite1:i386
      libxinerama1:i386 libxfixes3:i386)

missing=()
for p in "${PKGS[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  need_root
  echo "install-deps: installing ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qiE '^ja_JP\.utf-?8$'; then
  need_root
  echo "install-deps: generating the ja_JP.UTF-8 locale"
  $SUDO localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
