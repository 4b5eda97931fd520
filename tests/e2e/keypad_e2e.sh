#!/usr/bin/env bash
# The real program under a private Xvfb, played as a player does with xdotool:
#  1. Num Lock on, keypad 6, 6, 2 in room 1 of the bundled house, and the board's pixels
#     compared before and after. Room 1 has the man at row 3, column 2 with free floor to his
#     right and a box below the second cell, so the keys walk him twice to the right and push
#     the box one row down.
#  2. A look at the "Room" tab and back to "Game", which starts the room over; a full solve; the
#     name prompt; "Save to disk" through the file dialog. The saved record must hold exactly
#     the solve's steps and move count, so it replays the room from its start.
# The program is started on X whatever QT_QPA_PLATFORM the caller exported for the widget tests.
# Usage: keypad_e2e.sh PROGRAM OUTPUT_FOLDER
set -euo pipefail
program=${1:?usage: keypad_e2e.sh PROGRAM OUTPUT_FOLDER}
out=${2:?usage: keypad_e2e.sh PROGRAM OUTPUT_FOLDER}

source "$(dirname "${BASH_SOURCE[0]}")/private_display.sh"
needs Xvfb xdotool numlockx import compare identify
[ -x "$program" ] || fail "no program at $program"
mkdir -p "$out"
start_display
numlockx on

QT_QPA_PLATFORM=xcb "$program" >"$work/program.log" 2>&1 &
pids+=($!)
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tarvo Plim$' | head -n1) ||
  fail "no window \"Tarvo Plim\" within 20 s: $(cat "$work/program.log")"
eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y, WIDTH, HEIGHT
xdotool windowfocus --sync "$window"

# The board PICroom: page at (5, 32) in the window, board at (256, 64) on the page.
board_x=$((X + 5 + 256))
board_y=$((Y + 32 + 64))
snap() { import -window root -crop "$1" +repage "$2"; }  # snap WxH+X+Y FILE
board() { snap "320x320+${board_x}+${board_y}" "$1"; }
tile() { snap "32x32+$((board_x + $2 * 32))+$((board_y + $1 * 32))" "$3"; }  # tile ROW COLUMN FILE
same() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" = 0 ]; }

# Wait until the board is painted and steady (the clock elsewhere changes every second).
board "$work/before.png"
for _ in $(seq 50); do
  sleep 0.1
  board "$work/again.png"
  if same "$work/before.png" "$work/again.png" && [ "$(identify -format '%k' "$work/before.png")" -gt 2 ]; then
    break
  fi
  mv "$work/again.png" "$work/before.png"
done
tile 3 2 "$work/man_before.png"
tile 4 4 "$work/box_before.png"

xdotool key --delay 80 KP_6 KP_6 KP_2

# The man now stands where the box stood and looks as he did at the start; the box stands one
# row lower and looks as it did. The program handles the keys on its own time: look again for
# up to five seconds.
moved() {
  tile 4 4 "$work/man_after.png"
  tile 5 4 "$work/box_after.png"
  tile 3 2 "$work/start_after.png"
  same "$work/man_before.png" "$work/man_after.png" && same "$work/box_before.png" "$work/box_after.png" &&
    ! same "$work/man_before.png" "$work/start_after.png"
}
for _ in $(seq 50); do moved && break; sleep 0.1; done
board "$work/after.png"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/e2e_final.png"
echo "final screenshot: $out/e2e_final.png"

changed=$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1 || true)
echo "board pixels changed: $changed"
[ "$changed" != 0 ] || fail "the board did not change after the keypad presses"
moved || fail "after keypad 6, 6, 2 the man is not at row 4, column 4 with the box below him"
echo "e2e_keypad: the keypad moved the man and pushed the box"

# Points of the window: the "Game" and "Room" tabs, "Save to disk" on the "Room" page.
at() { xdotool mousemove "$((X + $1))" "$((Y + $2))" click 1; sleep 0.3; }
game_tab() { at 33 17; }
room_tab() { at 90 17; }
# wait_window TITLE: the id of a visible window with that title, within ten seconds.
wait_window() {
  timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n1 || fail "no window \"$1\": $(cat "$work/program.log")"
}

room_tab
game_tab
# The first record of room 1 in the bundled house is a solution from the room's start.
solution=$(awk -F'\t' 'NR == 19 { print $4 }' "$(dirname "$program")/default.hou")
[ -n "$solution" ] || fail "no solution in the bundled house's first record"
keys=()
for ((k = 0; k < ${#solution}; k++)); do
  case "${solution:k:1}" in
    [uU]) keys+=(KP_8) ;; [dD]) keys+=(KP_2) ;; [rR]) keys+=(KP_6) ;; [lL]) keys+=(KP_4) ;;
  esac
done
xdotool key --delay 80 "${keys[@]}"
prompt=$(wait_window "It's a new record")
xdotool windowfocus --sync "$prompt" type --delay 30 "e2e"
xdotool key Return
sleep 0.5

saved="$work/saved.hou"
xdotool windowfocus --sync "$window"
room_tab
at $((5 + 64 + 48)) $((32 + 352 + 16))
dialog=$(wait_window "SAVE A HOUSE")
xdotool windowfocus --sync "$dialog"
sleep 0.3
xdotool key ctrl+a
xdotool type --delay 10 "$saved"
xdotool key Return
for _ in $(seq 50); do [ -s "$saved" ] && break; sleep 0.1; done
[ -s "$saved" ] || fail "the house was not saved to $saved"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/e2e_saved.png"

# Room 1's block: line 18 holds its record count, the records follow.
count=$(awk 'NR == 18' "$saved" | tr -d '\r')
record=$(awk 'NR == 20' "$saved" | tr -d '\r')
expected=$(printf 'e2e\t%d\t' "${#solution}")
[ "$count" = "NUMBER OF RECCORD:2" ] || fail "room 1 has \"$count\" after one solve"
case "$record" in
  "$expected"??:??$'\t'"$solution"$'\t') ;;
  *) fail "the saved record \"$record\" is not the solve of ${#solution} moves \"$solution\"" ;;
esac
echo "e2e_keypad: after a visit to the Room tab the solve was recorded as it was played: $record"
