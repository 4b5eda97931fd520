#!/usr/bin/env bash
# Makes each plausible one-line fault listed in tests/mutants.txt (a mutant) in turn in a scratch
# copy of the tree, rebuilds the tests there and runs them as CI does: the core tests and those of
# tarvo_solve first, then, for a mutant they all pass, the widget and artwork tests on the
# offscreen platform. A mutant that no test fails is missed. Prints each mutant with the suite that caught it, then the kill
# rate of each suite and the time it took. The work tree is never changed. A maintainer's tool,
# not part of the test command.
#
#   scripts/mutants.sh [SCRATCH_DIR]       default: a folder under $TMPDIR kept between runs, so
#                                          that each rebuild compiles only the mutated file
#   MUTANTS_ONLY=src/house scripts/mutants.sh   only the mutants of files whose path holds this
#   MUTANTS_LINES=130-210,7 scripts/mutants.sh  only the mutants on these lines of the list
#   MUTANTS_SUITES=core scripts/mutants.sh      the core tests alone (default: core,widget)
#   MUTANTS_TIMEOUT=300 scripts/mutants.sh      seconds each suite may take (default 180 for the
#                                               core tests, three times as long for the others)
#
# tests/mutants.txt holds one mutant a line: the file, the text to find and the text to put in
# its place, separated by TABs ("\n" in either text stands for a line break, "\t" for a TAB and
# "\\" for a backslash);
# the text must occur exactly once in the file. A fourth field "unseen" marks a mutant that
# changes nothing a user can see: it is listed but left out of the rate. Lines starting with "#"
# and empty lines are skipped. Exits non-zero when a mutant a user could see is missed.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
scratch="${1:-${TMPDIR:-/tmp}/tarvo-mutants-$(printf '%s' "$repo" | md5sum | cut -c1-8)}"
case "$scratch" in /*) ;; *) scratch="$PWD/$scratch" ;; esac
only="${MUTANTS_ONLY:-}"
lines="${MUTANTS_LINES:-}"
suites="${MUTANTS_SUITES:-core,widget}"
seconds="${MUTANTS_TIMEOUT:-180}"
# The lines of the list to take: FROM-TO or single lines, separated by commas.
wanted_lines=()
if [ -n "$lines" ]; then
  IFS=, read -ra parts <<<"$lines"
  for part in "${parts[@]}"; do
    if [[ "$part" =~ ^([0-9]+)-([0-9]+)$ ]]; then
      for ((k = BASH_REMATCH[1]; k <= BASH_REMATCH[2]; k++)); do wanted_lines[k]=1; done
    elif [[ "$part" =~ ^[0-9]+$ ]]; then
      wanted_lines[part]=1
    else
      echo "MUTANTS_LINES takes lines and ranges such as 130-150,172, not $lines" >&2
      exit 2
    fi
  done
fi
case ",$suites," in *,widget,*) widgets=1 ;; *) widgets=0 ;; esac
tree="$scratch/tree"
build="$scratch/build"
list="$scratch/mutants.txt"
started=$SECONDS

# The scratch tree follows the work tree as it stands, committed or not. Only files that differ
# are copied, with a new time, so the build folder stays valid and rebuilds what changed.
mkdir -p "$tree"
(cd "$repo" && git ls-files -z --cached --others --exclude-standard) | sort -z >"$scratch/files"
while IFS= read -r -d '' file; do
  [ -f "$repo/$file" ] || continue
  if ! cmp -s "$repo/$file" "$tree/$file"; then
    mkdir -p "$(dirname "$tree/$file")"
    cp "$repo/$file" "$tree/$file"
  fi
done <"$scratch/files"
(cd "$tree" && find . -type f -printf '%P\0' | sort -z) >"$scratch/copied"
comm -z -23 "$scratch/copied" "$scratch/files" | (cd "$tree" && xargs -0 -r rm -f)

gui=OFF
[ "$widgets" -eq 1 ] && gui=ON
# The list as it stands now: editing it during the run changes nothing of this run.
cp "$repo/tests/mutants.txt" "$list"
cmake -S "$tree" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 \
  -DTARVO_GUI=$gui -DTARVO_BENCH=OFF >/dev/null

# Runs one test program in an empty folder of its own (a mutant may write where it should not, such
# as the current folder, and what it leaves must not meet the next run): 0 when all pass, 1 when
# one fails, 3 when it runs out of time.
run_program() {
  local limit=$1 log=$2
  shift 2
  local status=0
  rm -rf "$scratch/run"
  mkdir -p "$scratch/run"
  (cd "$scratch/run" && QT_QPA_PLATFORM=offscreen timeout "$limit" "$@" --gtest_fail_fast) >"$log" 2>&1 || status=$?
  case "$status" in 0) return 0 ;; 124) return 3 ;; *) return 1 ;; esac
}

# Builds the core tests and those of tarvo_solve and runs them; 2 when the build fails.
run_core() {
  ninja -C "$build" core_tests solver_tests tarvo_solve >"$scratch/build.log" 2>&1 || return 2
  local status=0
  run_program "$seconds" "$scratch/tests.log" "$build/tests/core_tests" || status=$?
  [ "$status" -ne 0 ] && return "$status"
  run_program "$seconds" "$scratch/solver.log" "$build/tools/solver/solver_tests"
}

# Builds the widget and artwork tests and runs them, as CI does, offscreen.
run_widgets() {
  ninja -C "$build" widget_tests art_tests >"$scratch/build.log" 2>&1 || return 2
  local status=0
  run_program $((seconds * 3)) "$scratch/widget.log" "$build/tests/qt/widget_tests" || status=$?
  [ "$status" -ne 0 ] && return "$status"
  run_program $((seconds * 3)) "$scratch/art.log" "$build/tests/art/art_tests"
}

status=0
run_core || status=$?
[ "$status" -eq 0 ] && [ "$widgets" -eq 1 ] && { run_widgets || status=$?; }
if [ "$status" -ne 0 ]; then
  echo "The tests do not pass without a mutant; see $scratch/build.log and $scratch/*.log" >&2
  exit 2
fi

# "\\" is a backslash, "\n" a line break and "\t" a TAB.
expand() {
  local text="${1//\\\\/$'\x01'}"
  text="${text//\\n/$'\n'}"
  text="${text//\\t/$'\t'}"
  printf '%s' "${text//$'\x01'/\\}"
}

seen=0
seen_caught=0
seen_by_core=0
seen_by_widgets=0
unseen=0
unseen_caught=0
broken=0
line_in_list=0
while IFS= read -r entry || [ -n "$entry" ]; do
  case "$entry" in '' | '#'*)
    line_in_list=$((line_in_list + 1))
    continue
    ;;
  esac
  # Split by hand: read would take a run of TABs for one, and a replacement may be empty.
  file="${entry%%$'\t'*}"
  rest="${entry#*$'\t'}"
  find="${rest%%$'\t'*}"
  rest="${rest#*$'\t'}"
  replace="${rest%%$'\t'*}"
  mark=""
  [[ "$rest" == *$'\t'* ]] && mark="${rest#*$'\t'}"
  line_in_list=$((line_in_list + 1))
  [[ -z "$only" || "$file" == *"$only"* ]] || continue
  [ -z "$lines" ] || [ -n "${wanted_lines[line_in_list]:-}" ] || continue
  find="$(expand "$find")"
  replace="$(expand "$replace")"
  original="$(cat "$tree/$file"; printf x)"
  original="${original%x}"
  rest="${original//"$find"/}"
  occurrences=$(((${#original} - ${#rest}) / ${#find}))
  before="${original%%"$find"*}"
  line=$(($(printf '%s' "$before" | wc -l) + 1))
  shown="$(printf '%s' "${find%%$'\n'*}" | sed 's/^ *//' | cut -c1-60)"
  where=$(printf '%3d %s:%d  %s' "$line_in_list" "$file" "$line" "$shown")
  if [ "$occurrences" -ne 1 ]; then
    echo "ERROR   $where  (the text occurs $occurrences times)"
    broken=$((broken + 1))
    continue
  fi
  printf '%s' "${original/"$find"/"$replace"}" >"$tree/$file"
  status=0
  suite=core
  rm -f "$scratch"/tests.log "$scratch"/solver.log "$scratch"/widget.log "$scratch"/art.log
  run_core || status=$?
  if [ "$status" -eq 0 ] && [ "$widgets" -eq 1 ]; then
    suite=widget
    run_widgets || status=$?
  fi
  printf '%s' "$original" >"$tree/$file"
  case "$status" in
    0) verdict=missed ;;
    1) verdict="caught $suite" ;;
    3) verdict="caught $suite, time-out" ;;
    *)
      echo "ERROR   $where  (does not build)"
      broken=$((broken + 1))
      continue
      ;;
  esac
  if [ "$mark" = unseen ]; then
    unseen=$((unseen + 1))
    [ "$verdict" != missed ] && unseen_caught=$((unseen_caught + 1))
    verdict="$verdict, unseen"
  else
    seen=$((seen + 1))
    [ "$verdict" != missed ] && seen_caught=$((seen_caught + 1))
    [[ "$verdict" == "caught core"* ]] && seen_by_core=$((seen_by_core + 1))
    [[ "$verdict" == "caught widget"* ]] && seen_by_widgets=$((seen_by_widgets + 1))
    [ "$verdict" = missed ] && verdict=MISSED
  fi
  # The test that failed, so that a catch can be checked: a test that fails now and then would
  # catch every mutant it meets.
  caught_by=""
  if [ "$status" -eq 1 ]; then
    caught_by=$(cat "$scratch"/tests.log "$scratch"/solver.log "$scratch"/widget.log "$scratch"/art.log 2>/dev/null |
      sed -n 's/^\[  FAILED  \] \([A-Za-z0-9_./]*\).*/\1/p' | head -1) || true
  fi
  printf '%-22s %s%s\n' "$verdict" "$where" "${caught_by:+  [$caught_by]}"
done <"$list"

echo
if [ "$seen" -gt 0 ]; then
  echo "Caught $seen_caught of $seen mutants a user could see: $((100 * seen_caught / seen))%" \
    "($seen_by_core by the core tests, $seen_by_widgets more by the widget and artwork tests)."
fi
echo "Mutants that change nothing a user can see: $unseen ($unseen_caught of them caught all the same)."
[ "$broken" -eq 0 ] || echo "Mutants that could not be made or built: $broken."
echo "Time: $((SECONDS - started)) s."
[ "$seen_caught" -eq "$seen" ] && [ "$broken" -eq 0 ]
