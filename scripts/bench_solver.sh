#!/usr/bin/env bash
# The new solver against the frozen baseline: builds tarvo_solver_bench in Release in its own folder and runs it on
# the bundled house, on bench/rooms/harder.txt and on a research file of rooms kept beside the project (not in the
# repository); then the new solver alone, within the window's bounds, on open rooms that tarvo_open_rooms makes from
# a fixed seed. It prints a table per set and fails when the solvers disagree on a room, a solution does not play or
# an open room gets no solution. It prints figures; it is not a test and CI does not run it.
#
# Usage: scripts/bench_solver.sh [RESEARCH_ROOMS_FILE]
#   default file: ../shared/rooms/research-medium-1000.txt from the repository root; when it is missing the script
#   says so and leaves that set out
#   BENCH_BUILD=folder  build folder (default: build-bench in the repository)
#   BENCH_RUNS=N        runs per room, the quickest counting (1 to 9, default 3; open rooms get one)
#   BENCH_OPEN_ROOMS=N  how many open rooms (default 60)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BENCH_BUILD:-$root/build-bench}
research=${1:-$root/../shared/rooms/research-medium-1000.txt}

fail() { echo "bench_solver: $*" >&2; exit 2; }

# Only the core and the solvers are needed: no Qt, no tests.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVO_BENCH=ON -DTARVO_GUI=OFF -DBUILD_TESTING=OFF \
  >/dev/null || fail "cannot configure $build"
if ! log=$(ninja -C "$build" -j"$(nproc)" tarvo_solver_bench tarvo_open_rooms 2>&1); then
  echo "$log" >&2
  fail "cannot build tarvo_solver_bench and tarvo_open_rooms in $build"
fi
open_rooms=$build/bench/open_rooms.txt
"$build/bench/tarvo_open_rooms" "${BENCH_OPEN_ROOMS:-60}" 1 >"$open_rooms" || fail "cannot make the open rooms"

sets=("$root/assets/default.hou" "$root/bench/rooms/harder.txt")
if [ -f "$research" ]; then
  sets+=("$research")
else
  echo "bench_solver: no research rooms at $research: that set is left out" >&2
fi
exec "$build/bench/tarvo_solver_bench" --runs "${BENCH_RUNS:-3}" "${sets[@]}" --open "$open_rooms"
