#!/usr/bin/env bash
# Hostile house files against the real program under Xvfb: for each one, the seconds until the
# board is first painted, the peak memory and the message the user is shown.
#  1. At start-up: the file is "default.hou" beside a copy of the program.
#  2. Through the open command: the program starts on the bundled house, the house button is
#     clicked, the file's full path is typed into Qt's own file dialog and Return pressed; the
#     time runs from Return until the message shows or the program goes idle.
# It prints figures; it is not a test and CI does not run it.
#
# Usage: scripts/bench_hostile_files.sh [BUILD_FOLDER]     (default: build in the repository)
#   HOSTILE_DIALOG=0   skip the runs through the open command
#   HOSTILE_CASES="fifo long_name"  only these inputs (the names in the list of cases below)
#   HOSTILE_TIMEOUT=30 seconds a run may take before it is stopped
#   HOSTILE_MAX_MIB=4096  resident memory at which a run is stopped, to spare the machine
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
game=$build/app/tarvoplim
timeout_s=${HOSTILE_TIMEOUT:-30}
max_kib=$((${HOSTILE_MAX_MIB:-4096} * 1024))

fail() { echo "bench_hostile_files: $*" >&2; exit 1; }
command -v Xvfb >/dev/null || fail "Xvfb is missing (scripts/setup.sh test installs it)"
[ -x "$game" ] || fail "no program at $game (build the tarvoplim target first)"
for file in background.gif default.hou; do
  [ -f "$build/app/$file" ] || fail "no $file beside the program in $build/app"
done
dialog=${HOSTILE_DIALOG:-1}
if [ "$dialog" = 1 ] && ! command -v xdotool >/dev/null; then
  echo "xdotool is missing: the runs through the open command are skipped" >&2
  dialog=0
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/tarvo-hostile.XXXXXX")
export XDG_DATA_HOME="$work/data"  # no bench reads or writes the player's progress
xvfb=
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# ---- The inputs -------------------------------------------------------------------------

inputs=$work/inputs
mkdir "$inputs"
mib=$((1024 * 1024))

header() {  # NAME ROOMS
  printf 'HOUSE FILE FOR TARVO PLIM\r\nVersion:1.0\r\nHOUSE'"'"'s NAME:%s\r\nNUMBER OF ROOM:%s\r\n' "$1" "$2"
}
room() {  # POSITION PLACES RECORD-COUNT
  printf '======================================= ROOM %d=======================================\r\n' "$1"
  printf '%s\r\n' '----------' '-#####----' '-#@  #----' '-# $ #----' '-#  .#----' '-#####----' \
    '----------' '----------' '----------' '----------'
  printf 'FORBBIDEN PLACE:%s\r\nFORBBIDEN COUPLE:32,42;\r\nNUMBER OF RECCORD:%s\r\n' "$2" "$3"
}

# COUNT copies of LINE, each ended by LF ("yes" ends on the broken pipe, which is no failure).
lines() { yes "$1" | head -n "$2" || true; }

# The smallest record lines (three TABs, CR LF) up to 60 MiB, all announced in room 1.
tiny=$((60 * mib / 5))
{ header "Tiny records" 1; room 0 '24;' "$tiny"; lines $'\t\t\t\r' "$tiny"; } >"$inputs/tiny_records"

# A house at the bound of records (kMaxHouseRecords), spread over its 16 rooms: the smallest
# lines, and the lines that take the most memory in 64 MiB: four fields as long as the file
# allows, of Euro signs (three bytes each in UTF-8, so every field needs a string of its own).
bound=200000
per_room=$((bound / 16))
{ header "Full rooms" 16; for r in $(seq 0 15); do room "$r" '24;' "$per_room"; lines $'\t\t\t\r' "$per_room"; done; } \
  >"$inputs/full_rooms_tiny"
field_bytes=$(((64 * mib / bound - 6) / 4))
euros=$(head -c "$field_bytes" /dev/zero | tr '\0' '\200')
long_fields=$euros$'\t'$euros$'\t'$euros$'\t'$euros$'\t\r'
{ header "Full rooms" 16; for r in $(seq 0 15); do room "$r" '24;' "$per_room"; lines "$long_fields" "$per_room"; done; } \
  >"$inputs/full_rooms_long_fields"

# A house name of 60 MiB of "é" (two bytes each in UTF-8).
{ printf 'HOUSE FILE FOR TARVO PLIM\r\nVersion:1.0\r\nHOUSE'"'"'s NAME:'
  head -c $((60 * mib)) /dev/zero | tr '\0' '\351'
  printf '\r\nNUMBER OF ROOM:1\r\n'; room 0 '24;' 0; } >"$inputs/long_name"

# A room count of ten million digits.
{ printf 'HOUSE FILE FOR TARVO PLIM\r\nVersion:1.0\r\nHOUSE'"'"'s NAME:Count\r\nNUMBER OF ROOM:'
  head -c 10000000 /dev/zero | tr '\0' '9'; printf '\r\n'; room 0 '24;' 0; } >"$inputs/long_room_count"

# The last line ends in a bare CR; a place list ends in one character after its last ";".
{ header "Bare CR" 1; room 0 '24;' 1; printf 'Ann\t5\t00:07\trDldR\t\r'; } >"$inputs/bare_cr"
{ header "Remainder" 1; room 0 '24;7' 0; } >"$inputs/one_char_remainder"

# Exactly 64 MiB of zero bytes: the largest file read, and no house.
truncate -s $((64 * mib)) "$inputs/zeros_64mib"

# NAME|what the table calls it
cases=(
  "fifo|FIFO"
  "zero|/dev/zero (symlink)"
  "folder|folder"
  "sparse|sparse file of 100 GiB"
  "zeros_64mib|64 MiB of zero bytes"
  "tiny_records|60 MiB of smallest records"
  "full_rooms_tiny|200000 smallest records in 16 rooms"
  "full_rooms_long_fields|200000 records of Euros in 16 rooms"
  "long_name|60 MiB house name"
  "long_room_count|10 MB room count"
  "bare_cr|last line ends in bare CR"
  "one_char_remainder|one-character list remainder"
)

# Puts input NAME at PATH.
place() {
  case "$1" in
    fifo) mkfifo "$2" ;;
    zero) ln -s /dev/zero "$2" ;;
    folder) mkdir "$2" ;;
    sparse) truncate -s 100G "$2" ;;
    *) ln "$inputs/$1" "$2" 2>/dev/null || cp "$inputs/$1" "$2" ;;
  esac
}

# ---- Running the program ---------------------------------------------------------------

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY

# The polling below uses shell builtins only (no date, grep, awk or sleep), so that watching
# the program does not take the processor it is measured on.
mkfifo "$work/tick"
exec 9<>"$work/tick"  # read -t on it waits without a process of its own
pause() { read -r -t "$1" -u 9 _ || true; }
set_now() { now=${EPOCHREALTIME/./}; now=$((now / 1000)); }
# Sets $kib to field FIELD of the program's /proc status (VmRSS, VmHWM), empty once it is gone.
read_kib() {
  local key value _unit
  kib=
  while read -r key value _unit; do
    [ "$key" = "$1:" ] && { kib=$value; return; }
  done <"/proc/$pid/status" 2>/dev/null || true
}
# Sets $ticks to the processor time the program has used, in clock ticks.
read_ticks() {
  local fields
  ticks=
  read -r -a fields <"/proc/$pid/stat" 2>/dev/null || return 0
  ticks=$((fields[13] + fields[14]))
}
# Whether the program has printed a line starting with PREFIX.
printed() {
  local line
  while IFS= read -r line; do [[ $line == "$1"* ]] && return 0; done <"$folder/out"
  return 1
}
too_big() { read_kib VmRSS; [ -n "$kib" ] && [ "$kib" -gt "$max_kib" ]; }

# Starts the program in $folder; leaves its pid in $pid and its output in $folder/out.
start() {
  : >"$folder/out"
  (cd "$folder" && TARVO_REPORT_READY=1 TARVO_REPORT_MESSAGES=1 exec ./tarvoplim >out 2>err) &
  pid=$!
}

# Ends the program, after reading its peak memory into $peak (MiB).
finish() {
  read_kib VmHWM
  peak=$([ -n "$kib" ] && echo $(((kib + 512) / 1024)) || echo "?")
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=
}

# The reader's part of the message shown, if any, cut to fit a table.
message_of() {
  local text
  text=$(grep -m1 '^message: ' "$folder/out" | sed -e 's/^message: //' -e 's# / \(The house in play stays as it was\|An empty room is played instead\)\.$##' \
    -e 's|^The house file could not be opened\. / ||' -e 's|^The house file ".*" was not read\. / ||' || true)
  text=${text//$folder\//}  # the scratch folder says nothing
  [ ${#text} -gt 110 ] && text="${text:0:109}…"
  echo "${text:--}"
}

seconds() { printf '%d.%02d' $(($1 / 1000)) $((($1 % 1000 + 5) / 10)); }

# Waits while the program starts; stops at its "ready" (and the message that may follow within
# a second), at the time limit or at the memory limit. Sets $ready_ms and $note.
watch_startup() {
  local begin=$1
  ready_ms=
  note=
  while :; do
    set_now
    if ! kill -0 "$pid" 2>/dev/null; then note="exited"; break; fi
    if [ -z "$ready_ms" ] && printed ready; then ready_ms=$((now - begin)); fi
    if [ -n "$ready_ms" ] && { printed "message: " || [ $((now - begin - ready_ms)) -gt 1000 ]; }; then break; fi
    if too_big; then note="stopped at ${HOSTILE_MAX_MIB:-4096} MiB"; break; fi
    if [ $((now - begin)) -gt $((timeout_s * 1000)) ]; then note="stopped after ${timeout_s} s"; break; fi
    pause 0.02
  done
}

row() { printf '%-44s %10s %9s  %s\n' "$@"; }

run_startup() {
  local name=$1 label=$2 begin shown
  folder=$work/run-$name
  mkdir "$folder"
  cp "$game" "$build/app/background.gif" "$folder/"
  place "$name" "$folder/default.hou"
  set_now
  begin=$now
  start
  watch_startup "$begin"
  finish
  shown=$([ -n "$ready_ms" ] && seconds "$ready_ms" || echo "never")
  row "$label" "$shown" "$peak" "$(message_of)${note:+ [$note]}"
  rm -rf "$folder"
}

# Through the open command: start on the bundled house, click the house button (at 5 + 32 + 96,
# 32 + 32 + 16 in the window, which Xvfb without a window manager puts at 0, 0), type the path
# into the dialog's file name box and press Return.
run_dialog() {
  local name=$1 label=$2 begin dialog_window last_ticks last_change
  folder=$work/run-$name
  mkdir "$folder"
  cp "$game" "$build/app/background.gif" "$build/app/default.hou" "$folder/"
  place "$name" "$folder/chosen.hou"
  set_now
  start
  watch_startup "$now"
  if [ -z "$ready_ms" ]; then
    finish
    row "$label" "-" "$peak" "the program did not start${note:+ [$note]}"
    rm -rf "$folder"
    return
  fi
  xdotool mousemove 133 80 click 1
  dialog_window=$(timeout 10 xdotool search --sync --onlyvisible --name '^CHOOSE A HOUSE$' | head -n1 || true)
  if [ -z "$dialog_window" ]; then
    finish
    row "$label" "-" "$peak" "no file dialog appeared"
    rm -rf "$folder"
    return
  fi
  xdotool windowfocus --sync "$dialog_window"
  xdotool type --delay 2 "$folder/chosen.hou"
  xdotool key Return
  # Until the message shows, or the program has used no processor time for half a second.
  set_now
  begin=$now
  read_ticks
  last_ticks=$ticks
  last_change=$now
  note=
  while :; do
    pause 0.05
    set_now
    if ! kill -0 "$pid" 2>/dev/null; then note="exited"; break; fi
    if printed "message: "; then last_change=$now; break; fi
    read_ticks
    if [ "$ticks" != "$last_ticks" ]; then last_ticks=$ticks; last_change=$now; fi
    if [ $((now - last_change)) -ge 500 ]; then break; fi
    if too_big; then note="stopped at ${HOSTILE_MAX_MIB:-4096} MiB"; break; fi
    if [ $((now - begin)) -gt $((timeout_s * 1000)) ]; then note="stopped after ${timeout_s} s"; break; fi
  done
  finish
  row "$label" "$(seconds $((last_change - begin)))" "$peak" "$(message_of)${note:+ [$note]}"
  rm -rf "$folder"
}

if [ -n "${HOSTILE_CASES:-}" ]; then
  chosen=()
  for entry in "${cases[@]}"; do
    case " $HOSTILE_CASES " in *" ${entry%%|*} "*) chosen+=("$entry") ;; esac
  done
  cases=("${chosen[@]}")
fi

echo "At start-up, as default.hou beside the program:"
row "input" "ready (s)" "peak MiB" "message"
for entry in "${cases[@]}"; do run_startup "${entry%%|*}" "${entry#*|}"; done

if [ "$dialog" = 1 ]; then
  echo
  echo "Through the open command (seconds from Return to the message, or to the program going idle):"
  row "input" "read (s)" "peak MiB" "message"
  for entry in "${cases[@]}"; do
    # Qt's dialog opens a folder instead of returning it.
    [ "${entry%%|*}" = folder ] && continue
    run_dialog "${entry%%|*}" "${entry#*|}"
  done
fi
