#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test: unit and widget tests, the end-to-end
# test under Xvfb, the core and widget tests again under the sanitizers, and a bounded fuzzing run.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh" test
"$root/scripts/build.sh" "$root/build"
ctest --test-dir "$root/build" --output-on-failure -j2
"$root/scripts/sanitize.sh" "$root/build-sanitize"
"$root/scripts/fuzz.sh" "$root/build-fuzz"
