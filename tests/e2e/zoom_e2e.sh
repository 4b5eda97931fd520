#!/usr/bin/env bash
# The real program on a 2560 x 1600 screen at the desktop's scale 1, started with --zoom 2:
#  1. The window is twice its size and fits the screen; the board is 640 pixels wide and drawn
#     sharp, every picture pixel a 2 x 2 square of one colour.
#  2. A click on a cell of the board walks the man there.
#  3. Ctrl+0 brings back the window's own size, whose board is the 2x board halved.
#  4. --zoom 8 starts at the largest zoom the screen allows, 3.
# Usage: zoom_e2e.sh PROGRAM OUTPUT_FOLDER
set -euo pipefail
program=${1:?usage: zoom_e2e.sh PROGRAM OUTPUT_FOLDER}
out=${2:?usage: zoom_e2e.sh PROGRAM OUTPUT_FOLDER}

source "$(dirname "${BASH_SOURCE[0]}")/private_display.sh"
needs Xvfb xdotool import compare convert identify
[ -x "$program" ] || fail "no program at $program"
mkdir -p "$out"
start_display 2560x1600x24
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR

width1x=618
height1x=453
same() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" = 0 ]; }

# start ZOOM: starts the program, waits for its window and sets X, Y, WIDTH, HEIGHT.
start() {
  QT_QPA_PLATFORM=xcb "$program" --zoom "$1" >"$work/program.log" 2>&1 &
  pids+=($!)
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tarvo Plim$' | head -n1) ||
    fail "no window \"Tarvo Plim\" within 20 s: $(cat "$work/program.log")"
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$window")"
}

start 2
[ "$WIDTH" = $((2 * width1x)) ] && [ "$HEIGHT" = $((2 * height1x)) ] ||
  fail "at --zoom 2 the window is ${WIDTH}x${HEIGHT}, not $((2 * width1x))x$((2 * height1x))"
[ $((X + WIDTH)) -le 2560 ] && [ $((Y + HEIGHT)) -le 1600 ] || fail "the window does not fit the screen"
xdotool windowfocus --sync "$window"

# The board: the page at (5, 32) in the window, the board at (256, 64) on the page, all twice.
board_x=$((X + 2 * (5 + 256)))
board_y=$((Y + 2 * (32 + 64)))
import -window root -crop "640x640+${board_x}+${board_y}" +repage "$work/board2x.png"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/e2e_zoom2.png"
echo "screenshot at 2x: $out/e2e_zoom2.png"
# Sharp: halving by taking every other pixel and doubling again gives the same picture.
convert "$work/board2x.png" -sample 50% "$work/board1x.png"
convert "$work/board1x.png" -sample 200% "$work/board2x_again.png"
same "$work/board2x.png" "$work/board2x_again.png" || fail "the board at 2x is not made of 2 x 2 squares"
[ "$(identify -format '%k' "$work/board1x.png")" -gt 8 ] || fail "the board at 2x shows no room"

# Room 1 of the bundled house: the man at row 3, column 2, free floor to his right.
tile() { import -window root -crop "64x64+$((board_x + $2 * 64))+$((board_y + $1 * 64))" +repage "$3"; }
tile 3 2 "$work/man.png"
xdotool mousemove $((board_x + 3 * 64 + 32)) $((board_y + 3 * 64 + 32)) click 1
walked=no
for _ in $(seq 50); do
  sleep 0.1
  tile 3 3 "$work/there.png"
  if same "$work/man.png" "$work/there.png"; then walked=yes; break; fi
done
[ $walked = yes ] || fail "a click on row 3, column 3 at 2x did not walk the man there"
echo "zoom_e2e: a click at 2x walked the man to the cell clicked"
import -window root -crop "640x640+${board_x}+${board_y}" +repage "$work/walked2x.png"
convert "$work/walked2x.png" -sample 50% "$work/walked_halved.png"

xdotool key ctrl+0
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" = $width1x ] && [ "$HEIGHT" = $height1x ] || fail "after Ctrl+0 the window is ${WIDTH}x${HEIGHT}"
import -window root -crop "320x320+$((X + 5 + 256))+$((Y + 32 + 64))" +repage "$work/board_back.png"
same "$work/walked_halved.png" "$work/board_back.png" || fail "the board after Ctrl+0 is not the 2x board halved"
echo "zoom_e2e: Ctrl+0 brought back the window at ${WIDTH}x${HEIGHT}"
kill "${pids[-1]}"
wait "${pids[-1]}" 2>/dev/null || true

start 8
[ "$WIDTH" = $((3 * width1x)) ] && [ "$HEIGHT" = $((3 * height1x)) ] ||
  fail "at --zoom 8 on a 2560 x 1600 screen the window is ${WIDTH}x${HEIGHT}, not 3 times its size"
echo "zoom_e2e: --zoom 8 starts at 3x, the most the screen allows"
