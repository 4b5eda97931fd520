#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test: unit and widget tests, the end-to-end
# test under Xvfb, the core and widget tests again under the sanitizers, and a bounded fuzzing run.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh" test
# The game's own run (scripts/run.sh) shares build/ and turns the tests off there: turn them on
# again, and fail rather than pass when no test was found.
"$root/scripts/build.sh" "$root/build" -DBUILD_TESTING=ON
ctest --test-dir "$root/build" --output-on-failure --no-tests=error -j2
"$root/scripts/sanitize.sh" "$root/build-sanitize"
"$root/scripts/fuzz.sh" "$root/build-fuzz"
