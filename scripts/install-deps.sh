#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Vexil builds and tests with, only those missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkgconf git
  clang libclang-rt-dev clang-format
  qt6-base-dev libqscintilla2-qt6-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libtifiles-dev libpng-dev libjpeg-dev libgif-dev libticalcs-dev libticables-dev libusb-1.0-0-dev
  pasmo z80asm z80dasm
  fonts-dejavu-core
  poppler-utils
  desktop-file-utils appstream shared-mime-info lintian dpkg-dev fakeroot
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
