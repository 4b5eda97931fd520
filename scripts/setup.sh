#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, when any is missing.
# Usage: scripts/setup.sh [run|test|package]
set -euo pipefail
what=${1:-test}
packages=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev libsqlite3-dev fonts-dejavu-core fonts-comic-neue fonts-liberation2 xdg-utils)
if [ "$what" = test ]; then
  packages+=(libgtest-dev libgmock-dev libbenchmark-dev clang-14 libclang-rt-14-dev
             xvfb xauth xdotool numlockx imagemagick x11-utils libx11-dev
             dpkg-dev file desktop-file-utils appstream debhelper lintian libfile-mimeinfo-perl)
fi
# The Debian package is built by dpkg-buildpackage (dpkg-dev) through debhelper.
if [ "$what" = package ]; then
  packages+=(dpkg-dev debhelper)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi
