#!/usr/bin/env bash
# Installs what building and testing Morvane needs on Debian 12: the MinGW-w64 cross compiler,
# 32-bit Wine, a virtual X display, a Chinese locale and fonts. Safe to run again.
set -euo pipefail

need_root() { if [ "$(id -u)" -ne 0 ]; then echo "sudo"; fi; }
SUDO=$(need_root)

packages=(
  cmake ninja-build g++ make pkg-config zlib1g-dev googletest libgtest-dev libgmock-dev
  clang libclang-rt-14-dev clang-format
  g++-mingw-w64-i686 mingw-w64-i686-dev
  wine wine32:i386
  xvfb x11-utils imagemagick e2fsprogs
  locales fonts-wqy-microhei fonts-wine
)

missing=()
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
  missing=(update)
fi
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${packages[@]}" >/dev/null
fi

# The interface is Chinese: Wine takes its code page from the locale.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf8$'; then
  $SUDO sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
