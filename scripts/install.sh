#!/usr/bin/env bash
# Brings a Debian 12 machine to everything the build and the tests need.
# Does nothing when all of it is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ googletest libgtest-dev
  g++-mingw-w64-i686 mingw-w64-tools binutils-mingw-w64-i686
  wine wine32:i386 wine64
  xvfb x11-utils imagemagick
  locales fonts-ipafont-gothic
  clang libclang-rt-14-dev cppcheck clang-tidy valgrind
)

sudo_() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  sudo_ dpkg --add-architecture i386
  missing=(force-update)
fi
for p in "${packages[@]}"; do
  st=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$st" = "install ok installed" ] || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "install: fetching ${missing[*]}"
  sudo_ apt-get update -qq
  DEBIAN_FRONTEND=noninteractive sudo_ apt-get install -y -qq --no-install-recommends "${packages[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  sudo_ sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | sudo_ tee -a /etc/locale.gen >/dev/null
  sudo_ locale-gen >/dev/null
fi
