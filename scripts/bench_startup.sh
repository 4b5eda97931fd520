#!/usr/bin/env bash
# Start-up and play figures of the real game under Xvfb.
#  1. Start-up: launches a bare Qt window of the game's size and the game in turn, RUNS times each
#     after one uncounted warm-up of each, and times each launch (bench/startup/launch_timer) from
#     the fork both to the MapNotify of its window, as the X server reports it, and to the "ready"
#     line it prints once its window is painted (TARVO_REPORT_READY=1). Prints for both programs
#     the medians and interquartile ranges, and the game's medians over the bare window's.
#  2. Play: presses 20 keypad keys in room 1 of the bundled house and averages what the game
#     reports for each key (TARVO_REPORT_KEYS=1): the tiles painted and the microseconds spent.
# The machine's load shows in the figures: `uptime` is printed before and after.
# Usage: scripts/bench_startup.sh [BUILD_FOLDER] [RUNS]   (a configured build; TARVO_BENCH is turned on in it)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-15}
game=${GAME:-$build/app/tarvoplim}
bare=${BARE_WINDOW:-$build/bench/startup/bare_window}
timer=$build/bench/startup/launch_timer

fail() { echo "bench_startup: $*" >&2; exit 1; }
for tool in Xvfb xdotool numlockx; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup.sh test installs it)"
done
targets=(launch_timer)
[ -z "${GAME:-}${BARE_WINDOW:-}" ] && targets+=(tarvoplim bare_window)
# The timer and the bare window are benchmarks: the folder's other settings stay as they are.
cmake -S "$root" -B "$build" -DTARVO_BENCH=ON >/dev/null || fail "cannot configure $build with -DTARVO_BENCH=ON"
cmake --build "$build" --target "${targets[@]}" >/dev/null || fail "cannot build ${targets[*]} in $build"
[ -x "$game" ] || fail "no game at $game"
[ -x "$bare" ] || fail "no bare window at $bare"

work=$(mktemp -d)
# The game keeps the player's progress in a data folder of the work folder's, opened after the
# first frame as always.
export XDG_DATA_HOME="$work/data"
xvfb=
running=
cleanup() {
  [ -n "$running" ] && kill "$running" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# One display for every launch; -noreset keeps it up while programs come and go.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"
numlockx on

# time_launch PROGRAM NAME: one launch, its "MAPPED_US READY_US" appended to $work/NAME.us.
time_launch() {
  TARVO_REPORT_READY=1 "$timer" "$1" >>"$work/$2.us" 2>>"$work/stderr.log" ||
    fail "$1 did not start: $(tail -n5 "$work/stderr.log")"
}

echo "load before: $(uptime)"
time_launch "$bare" warm-up
time_launch "$game" warm-up
: >"$work/bare.us"
: >"$work/game.us"
for _ in $(seq "$runs"); do
  time_launch "$bare" bare
  time_launch "$game" game
done
echo "load after:  $(uptime)"

# stats FILE COLUMN: "median q1 q3" in milliseconds (quartiles interpolated between values).
stats() {
  cut -d' ' -f"$2" "$1" | sort -n | awk '
    function at(p,   h, k) { h = (NR - 1) * p + 1; k = int(h); return v[k] + (h - k) * (v[k + 1] - v[k]) }
    { v[NR] = $1 / 1000 } END { v[NR + 1] = v[NR]; printf "%.1f %.1f %.1f", at(0.5), at(0.25), at(0.75) }'
}
echo "start-up, $runs alternating launches each (milliseconds from the fork; median [interquartile range]):"
printf '  %-10s %-26s %-26s\n' "" "window mapped" "\"ready\" (painted)"
for name in bare game; do
  read -r map map_q1 map_q3 <<<"$(stats "$work/$name.us" 1)"
  read -r rdy rdy_q1 rdy_q3 <<<"$(stats "$work/$name.us" 2)"
  label=$([ "$name" = bare ] && echo "bare Qt" || echo "Tarvo Plim")
  printf '  %-10s %6.1f [%5.1f - %5.1f]     %6.1f [%5.1f - %5.1f]\n' "$label" "$map" "$map_q1" "$map_q3" "$rdy" "$rdy_q1" "$rdy_q3"
  eval "${name}_map=$map ${name}_ready=$rdy"
done
awk -v gm="$game_map" -v bm="$bare_map" -v gr="$game_ready" -v br="$bare_ready" 'BEGIN {
  printf "  ratio      %6.2f (target 1.25 or less)    %6.2f (target 1.2 or less)\n", gm / bm, gr / br }'
for name in bare game; do
  echo "  $name, each launch: $(awk '{ printf "%.1f/%.1f ", $1 / 1000, $2 / 1000 }' "$work/$name.us")"
done

# Play: 20 keys in room 1 (the man at row 2, column 2, the box below his second cell to the
# right): two pushes down that leave the box beside its goal, one step into a wall, 17 walks.
keys=(KP_6 KP_6 KP_2 KP_2 KP_8 KP_8 KP_4 KP_4 KP_6 KP_6 KP_8 KP_4 KP_6 KP_4 KP_6 KP_4 KP_6 KP_4 KP_6 KP_4)
: >"$work/stderr.log"
TARVO_REPORT_KEYS=1 "$game" >/dev/null 2>>"$work/stderr.log" &
running=$!
window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Tarvo Plim$' | head -n1) || fail "no game window"
xdotool windowfocus --sync "$window"
xdotool key --delay 50 "${keys[@]}"
for _ in $(seq 100); do
  [ "$(grep -c '^key ' "$work/stderr.log")" -ge ${#keys[@]} ] && break
  sleep 0.1
done
kill "$running" 2>/dev/null || true
wait "$running" 2>/dev/null || true
running=
grep '^key ' "$work/stderr.log" | awk -v expected=${#keys[@]} '
  { split($2, t, "="); split($3, u, "="); tiles += t[2]; us += u[2]; if (u[2] > most) most = u[2]; n++ }
  END {
    if (n != expected) { printf "play: %d of %d keys reported\n", n, expected; exit 1 }
    printf "play, %d keypad keys in room 1: %.2f tiles painted per key (%d in all), %.1f us per key on average, %.1f us at most\n", n, tiles / n, tiles, us / n, most
  }'
