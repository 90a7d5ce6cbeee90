#!/usr/bin/env bash
# Installs what the calculator and its tests need on Debian 12 (run as root,
# or with sudo available); with package names as arguments, only those;
# "windows" stands for what the Windows build and its checks under Wine
# need (Qt for Windows is built from Debian's source with Debian's tools).
set -euo pipefail

packages=()
for name in "$@"; do
  if [ "$name" = windows ]; then
    packages+=(cmake ninja-build g++-mingw-w64-x86-64 qt6-base-dev-tools qt6-base-dev dpkg-dev xz-utils
      wine64 libgtest-dev file nsis xvfb xauth xdotool x11-utils openbox imagemagick poppler-utils
      fonts-liberation2 fonts-dejavu-core)
  else
    packages+=("$name")
  fi
done
[ ${#packages[@]} -gt 0 ] || packages=(
  cmake ninja-build g++ clang-format clang-tidy clang libclang-rt-14-dev python3
  qt6-base-dev qt6-qpa-plugins qt6-l10n-tools libgl-dev libgtest-dev libbenchmark-dev
  fonts-dejavu-core fonts-liberation2
  xvfb xauth x11-utils xdotool imagemagick openbox
  dbus at-spi2-core python3-pyatspi
  libcups2-dev cups cups-client printer-driver-cups-pdf ghostscript poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
