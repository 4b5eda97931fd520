#!/usr/bin/env bash
# The installed program: `cmake --install` into a temporary prefix, then the installed
# program is started under a private Xvfb from a folder that is not the build folder, by the
# command of its desktop entry.
#  1. Without arguments it shows room 1 of the bundled house: its board and house button look
#     exactly as those of the program in the build folder. Its window carries the class the
#     desktop entry names, so the desktop ties it to its launcher, and an icon even where no
#     icon theme holds the game's.
#  2. With a house file as argument it shows that house: a board unlike the bundled room 1,
#     and the same board and house name as the build folder's program given the same file.
#  3. A house file opened through xdg-open, as a double click in a file manager does, shows
#     the same.
# Usage: installed_e2e.sh BUILD_FOLDER OUTPUT_FOLDER
set -euo pipefail
build=${1:?usage: installed_e2e.sh BUILD_FOLDER OUTPUT_FOLDER}
out=${2:?usage: installed_e2e.sh BUILD_FOLDER OUTPUT_FOLDER}
source "$(dirname "${BASH_SOURCE[0]}")/private_display.sh"
needs Xvfb xdotool import compare identify xprop xdg-open update-mime-database update-desktop-database
mkdir -p "$out"

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || fail "install failed: $(cat "$work/install.log")"
entry=$prefix/share/applications/org.example.TarvoPlim.desktop
[ -f "$entry" ] || fail "no desktop entry at $entry"
# The entry's command, without its file code: the value's own escapes undone (a doubled
# backslash), then split as the desktop does, which for this quoting is the shell's.
exec_line=$(sed -n 's/^Exec=//p' "$entry")
exec_line=${exec_line//\\\\/\\}
eval "launcher=(${exec_line% %f})"
[ "${launcher[0]}" = "$prefix/games/tarvoplim" ] || fail "the desktop entry starts ${launcher[0]}, not the installed program"
window_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
# What xdg-open needs to know a house file and the program that opens it.
update-mime-database "$prefix/share/mime"
update-desktop-database "$prefix/share/applications"

start_display

# shot NAME COMMAND [ARGS]: starts the command from an unrelated folder, waits until the board
# of the window it opens is painted and steady, and keeps NAME-board.png and NAME-house.png
# (the house button). The program sees only the installed data files: no icon theme.
shot() {
  local name=$1; shift
  (cd "$work" && QT_QPA_PLATFORM=xcb XDG_DATA_HOME="$work/none" XDG_DATA_DIRS="$prefix/share" \
    exec env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID \
    "$@" >"$work/$name.log" 2>&1) &
  local pid=$!
  local window
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tarvo Plim$' | head -n1) ||
    fail "$name: no window within 20 s: $(cat "$work/$name.log")"
  # The program itself, which xdg-open starts as a child of its own.
  local program
  program=$(xdotool getwindowpid "$window")
  pids+=("$program")
  if [ "$name" != "${name#installed}" ]; then
    [ "$(xprop -id "$window" -notype -f WM_CLASS 8s '=$1\n' WM_CLASS)" = "WM_CLASS=\"$window_class\"" ] ||
      fail "$name: the window's class is not \"$window_class\": $(xprop -id "$window" WM_CLASS)"
    xprop -id "$window" -notype -f _NET_WM_ICON 32c '=$0\n' _NET_WM_ICON | grep -q '^_NET_WM_ICON=[1-9]' ||
      fail "$name: the window has no icon"
  fi
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
  kill "$program" "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  for _ in $(seq 50); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
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
shot installed "${launcher[@]}"
same built-board.png installed-board.png || fail "the installed program does not show room 1 of the bundled house"
same built-house.png installed-house.png || fail "the installed program's house button differs"
shot built-other "$build/app/tarvoplim" "$other"
shot installed-other "${launcher[@]}" "$other"
same installed-other-board.png installed-board.png && fail "the house file given was not opened"
same built-other-board.png installed-other-board.png || fail "the installed program shows another room for the file given"
same built-other-house.png installed-other-house.png || fail "the house name differs for the file given"
shot installed-opened xdg-open "$other"
same built-other-board.png installed-opened-board.png || fail "xdg-open did not open the house file in the game"
echo "installed_e2e: the installed program, started as its desktop entry says, shows the bundled house, the house" \
  "file given to it and one opened through xdg-open"
