#!/usr/bin/env bash
# Installs what the calculator and its tests need on Debian 12 (run as root,
# or with sudo available); with package names as arguments, only those.
set -euo pipefail

packages=("$@")
[ ${#packages[@]} -gt 0 ] || packages=(
  cmake ninja-build g++ clang-format clang-tidy clang libclang-rt-14-dev
  qt6-base-dev qt6-qpa-plugins libgl-dev libgtest-dev libbenchmark-dev
  fonts-dejavu-core fonts-liberation2
  xvfb xauth x11-utils xdotool imagemagick
  libcups2-dev cups cups-client printer-driver-cups-pdf poppler-utils
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
