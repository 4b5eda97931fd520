#!/usr/bin/env bash
# Sets up what is missing and makes the Debian package with dpkg-buildpackage, in a copy of the
# source tree under build-package/ (or the folder given): dpkg-buildpackage writes the package
# beside the tree it builds. Prints the path of the .deb.
#   TARVO_SETUP=0  install nothing (the packaging test, which fails on a missing tool instead)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=${1:-$root/build-package}
[ "${TARVO_SETUP:-1}" = 0 ] || "$root/scripts/setup.sh" package
mkdir -p "$out"
out=$(cd "$out" && pwd)
version=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
tree=$out/tarvoplim-${version%-*}
# A fresh copy of the sources, without the build folders and the repository's history.
rm -rf "$tree" "$out"/tarvoplim_* "$out"/tarvoplim-dbgsym_*
mkdir "$tree"
tar -C "$root" --exclude=./.git --exclude='./build*' --exclude='./obj-*' --exclude=./debian/tarvoplim -cf - . |
  tar -C "$tree" -xf -
(cd "$tree" && DEB_BUILD_OPTIONS="parallel=$(nproc) ${DEB_BUILD_OPTIONS:-}" dpkg-buildpackage -us -uc -b >"$out/build.log" 2>&1) ||
  { tail -n 15 "$out/build.log" | cut -c1-300 >&2; echo "package.sh: dpkg-buildpackage failed; the whole log is $out/build.log" >&2; exit 1; }
ls "$out/tarvoplim_${version}_$(dpkg --print-architecture).deb"
