#!/usr/bin/env bash
# Sets up what is missing, builds, and starts the game on the bundled default house.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh" run
"$root/scripts/build.sh" "$root/build" -DBUILD_TESTING=OFF -DTARVO_BENCH=OFF
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Built $root/build/app/tarvoplim, but there is no display to open its window on (DISPLAY is not set)." >&2
  exit 1
fi
exec "$root/build/app/tarvoplim"
