# Sourced by the end-to-end tests: `fail`, a work folder removed at exit with every process
# in `pids`, a private Xvfb display exported as DISPLAY, and a data folder of the work folder's
# (XDG_DATA_HOME), so that no test reads or writes the player's progress.
#   needs TOOL...    fails naming the tools that are missing
#   start_display [WxHxD]  starts Xvfb (1024x768x24 unless told); -noreset keeps it up while
#                          programs come and go
fail() { echo "FAIL: $*" >&2; exit 1; }
needs() {
  for tool in "$@"; do command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup.sh test installs it)"; done
}
work=$(mktemp -d)
export XDG_DATA_HOME="$work/data"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
start_display() {
  Xvfb -displayfd 3 -screen 0 "${1:-1024x768x24}" -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
  pids+=($!)
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(head -n1 "$work/display")"
}
