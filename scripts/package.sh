#!/usr/bin/env bash
# Sets up what is missing, builds a release in build-package/ (no tests, no benchmarks) and
# makes the Debian package there; prints the path of the .deb.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build-package
"$root/scripts/setup.sh" package
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVO_TESTS=OFF -DTARVO_BENCH=OFF >/dev/null
ninja -C "$build" -j"$(nproc)"
(cd "$build" && cpack -G DEB -B "$build" >/dev/null)
ls "$build"/tarvoplim_*.deb
