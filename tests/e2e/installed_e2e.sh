#!/usr/bin/env bash
# The installed program: `cmake --install` into a temporary prefix, then the installed
# program is started under a private Xvfb from a folder that is not the build folder.
#  1. Without arguments it shows room 1 of the bundled house: its board and house button look
#     exactly as those of the program in the build folder.
#  2. With a house file as argument it shows that house: a board unlike the bundled room 1,
#     and the same board and house name as the build folder's program given the same file.
# Usage: installed_e2e.sh BUILD_FOLDER OUTPUT_FOLDER
set -euo pipefail
build=${1:?usage: installed_e2e.sh BUILD_FOLDER OUTPUT_FOLDER}
out=${2:?usage: installed_e2e.sh BUILD_FOLDER OUTPUT_FOLDER}
source "$(dirname "${BASH_SOURCE[0]}")/private_display.sh"
needs Xvfb xdotool import compare identify
mkdir -p "$out"

cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" || fail "install failed: $(cat "$work/install.log")"
installed="$work/prefix/bin/tarvoplim"
[ -x "$installed" ] || fail "no program at $installed"

start_display

# shot NAME PROGRAM [ARGS]: starts the program from an unrelated folder, waits until its board
# is painted and steady, and keeps NAME-board.png and NAME-house.png (the house button).
shot() {
  local name=$1; shift
  (cd "$work" && QT_QPA_PLATFORM=xcb "$@" >"$work/$name.log" 2>&1) &
  local pid=$!
  local window
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tarvo Plim$' | head -n1) ||
    fail "$name: no window within 20 s: $(cat "$work/$name.log")"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  local board="320x320+$((X + 5 + 256))+$((Y + 32 + 64))" house="192x32+$((X + 5 + 32))+$((Y + 32 + 32))"
  import -window root -crop "$board" +repage "$work/$name-board.png"
  for _ in $(seq 50); do
    sleep 0.1
    import -window root -crop "$board" +repage "$work/again.png"
    if [ "$(compare -metric AE "$work/$name-board.png" "$work/again.png" null: 2>&1 || true)" = 0 ] &&
      [ "$(identify -format '%k' "$work/again.png")" -gt 2 ]; then
      break
    fi
    mv "$work/again.png" "$work/$name-board.png"
  done
  import -window root -crop "$house" +repage "$work/$name-house.png"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/installed-$name.png"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  sleep 0.3
}
same() { [ "$(compare -metric AE "$work/$1" "$work/$2" null: 2>&1 || true)" = 0 ]; }

# A house of one room that looks nothing like the bundled room 1.
other="$work/Other House.hou"
{
  printf 'HOUSE FILE FOR TARVO PLIM\r\nVersion:1.0\r\nHOUSE'"'"'s NAME:Other House\r\nNUMBER OF ROOM:1\r\n'
  printf '======================================= ROOM 0=======================================\r\n'
  printf '%s\r\n' '##########' '#@ $   . #' '##########' '----------' '----------' '----------' '----------' \
    '----------' '----------' '----------'
  printf 'FORBBIDEN PLACE:\r\nFORBBIDEN COUPLE:\r\nNUMBER OF RECCORD:0\r\n'
} >"$other"

shot built "$build/app/tarvoplim"
shot installed "$installed"
same built-board.png installed-board.png || fail "the installed program does not show room 1 of the bundled house"
same built-house.png installed-house.png || fail "the installed program's house button differs"
shot built-other "$build/app/tarvoplim" "$other"
shot installed-other "$installed" "$other"
same installed-other-board.png installed-board.png && fail "the house file given was not opened"
same built-other-board.png installed-other-board.png || fail "the installed program shows another room for the file given"
same built-other-house.png installed-other-house.png || fail "the house name differs for the file given"
echo "installed_e2e: the installed program shows the bundled house, and the house file given to it"
