#!/usr/bin/env bash
# Start-up and play figures of the real game under Xvfb.
#  1. Start-up: launches a bare Qt window and the game in turn, RUNS times each after one
#     uncounted warm-up of each, and times from launch to the "ready" line each prints once its
#     window is painted (TARVO_REPORT_READY=1). Prints both medians and their ratio.
#  2. Play: presses 20 keypad keys in room 1 of the bundled house and averages what the game
#     reports for each key (TARVO_REPORT_KEYS=1): the tiles painted and the microseconds spent.
# Usage: scripts/bench_startup.sh [BUILD_FOLDER] [RUNS]   (a build with TARVO_BENCH=ON)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-9}
game=${GAME:-$build/app/tarvoplim}
bare=${BARE_WINDOW:-$build/bench/startup/bare_window}

fail() { echo "bench_startup: $*" >&2; exit 1; }
for tool in Xvfb xdotool numlockx; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup.sh test installs it)"
done
if [ -z "${GAME:-}${BARE_WINDOW:-}" ]; then
  cmake --build "$build" --target tarvoplim bare_window >/dev/null ||
    fail "cannot build tarvoplim and bare_window in $build (configure it with -DTARVO_BENCH=ON)"
fi
[ -x "$game" ] || fail "no game at $game"
[ -x "$bare" ] || fail "no bare window at $bare"

work=$(mktemp -d)
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

# launch PROGRAM: starts it with the ready report on, leaves its pid in $running and the
# microseconds from launch to its "ready" line in $elapsed.
launch() {
  rm -f "$work/ready"
  mkfifo "$work/ready"
  local start line
  start=$(date +%s%N)
  TARVO_REPORT_READY=1 "$1" >"$work/ready" 2>>"$work/stderr.log" &
  running=$!
  read -r -t 20 line <"$work/ready" || fail "$1 printed nothing within 20 s: $(tail -n5 "$work/stderr.log")"
  elapsed=$((($(date +%s%N) - start) / 1000))
  [ "$line" = ready ] || fail "$1 printed \"$line\" instead of ready"
}
stop() {
  kill "$running" 2>/dev/null || true
  wait "$running" 2>/dev/null || true
  running=
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

launch "$bare"; stop
launch "$game"; stop
: >"$work/bare.us"
: >"$work/game.us"
for _ in $(seq "$runs"); do
  launch "$bare"; stop; echo "$elapsed" >>"$work/bare.us"
  launch "$game"; stop; echo "$elapsed" >>"$work/game.us"
done
bare_median=$(median <"$work/bare.us")
game_median=$(median <"$work/game.us")
echo "start-up to first paint, median of $runs launches each:"
echo "  bare Qt window  $(awk -v us="$bare_median" 'BEGIN { printf "%.1f ms", us / 1000 }')   ($(sort -n "$work/bare.us" | tr '\n' ' '))"
echo "  Tarvo Plim      $(awk -v us="$game_median" 'BEGIN { printf "%.1f ms", us / 1000 }')   ($(sort -n "$work/game.us" | tr '\n' ' '))"
echo "  ratio           $(awk -v g="$game_median" -v b="$bare_median" 'BEGIN { printf "%.2f", g / b }')   (target 1.5 or less)"

# Play: 20 keys in room 1 (the man at row 2, column 2, the box below his second cell to the
# right): two pushes down that leave the box beside its goal, one step into a wall, 17 walks.
keys=(KP_6 KP_6 KP_2 KP_2 KP_8 KP_8 KP_4 KP_4 KP_6 KP_6 KP_8 KP_4 KP_6 KP_4 KP_6 KP_4 KP_6 KP_4 KP_6 KP_4)
export TARVO_REPORT_KEYS=1
: >"$work/stderr.log"
launch "$game"
window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Tarvo Plim$' | head -n1) || fail "no game window"
xdotool windowfocus --sync "$window"
xdotool key --delay 50 "${keys[@]}"
for _ in $(seq 100); do
  [ "$(grep -c '^key ' "$work/stderr.log")" -ge ${#keys[@]} ] && break
  sleep 0.1
done
stop
grep '^key ' "$work/stderr.log" | awk -v expected=${#keys[@]} '
  { split($2, t, "="); split($3, u, "="); tiles += t[2]; us += u[2]; if (u[2] > most) most = u[2]; n++ }
  END {
    if (n != expected) { printf "play: %d of %d keys reported\n", n, expected; exit 1 }
    printf "play, %d keypad keys in room 1: %.2f tiles painted per key (%d in all), %.1f us per key on average, %.1f us at most\n", n, tiles / n, tiles, us / n, most
  }'
