#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) and runs each for a bounded time
# from the committed seeds. Exits non-zero when a target finds a crash, a leak, a sanitizer
# report, a timeout or a broken invariant.
#
#   scripts/fuzz.sh [BUILD_DIR]     default BUILD_DIR: build-fuzz in the repository
#   FUZZ_SECONDS=60 scripts/fuzz.sh  seconds per target (default 15)
#   FUZZ_JOBS=2 scripts/fuzz.sh      parallel build jobs (default 2)
#   FUZZ_TARGETS=fuzz_house_reader scripts/fuzz.sh   only these targets (default: all three)
# Each target also runs, once each, inputs of 1 MiB made here, and fails when reading one takes
# more memory than four times it plus 32 MiB.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$repo/build-fuzz}"
case "$build" in /*) ;; *) build="$PWD/$build" ;; esac
seconds="${FUZZ_SECONDS:-15}"
jobs="${FUZZ_JOBS:-2}"
targets="${FUZZ_TARGETS:-fuzz_house_reader fuzz_room_text fuzz_room_collection}"

if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
  echo "FUZZ_SECONDS must be a whole number of seconds, 1 or more (got \"$seconds\")" >&2
  exit 2
fi
for target in $targets; do
  case "$target" in fuzz_house_reader | fuzz_room_text | fuzz_room_collection) ;;
    *) echo "FUZZ_TARGETS names an unknown target \"$target\" (fuzz_house_reader, fuzz_room_text, fuzz_room_collection)" >&2; exit 2 ;;
  esac
done

CC=clang-14 CXX=clang++-14 cmake -S "$repo" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTARVO_FUZZ=ON -DTARVO_GUI=OFF -DBUILD_TESTING=OFF -DTARVO_BENCH=OFF >/dev/null
# shellcheck disable=SC2086  # one word per target
cmake --build "$build" -j "$jobs" --target $targets

# The seeds stay untouched: each run grows a scratch copy of them.
scratch="$(mktemp -d "${TMPDIR:-/tmp}/tarvo-fuzz.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
artifacts="$build/fuzz-findings"
mkdir -p "$artifacts"

# Inputs of 1 MiB that each target runs once, beside the search, against its memory bound:
# tiny rooms, one endless line, a title and a house name of a megabyte, the smallest records.
large="$scratch/large"
mkdir -p "$large/collection" "$large/house" "$large/room"
mib=1048576
{ yes $'#\n' | head -c $mib; } >"$large/collection/tiny_rooms" || true
head -c $mib /dev/zero | tr '\0' '#' >"$large/collection/one_line"
{ printf '; '; head -c $mib /dev/zero | tr '\0' 'x'; printf '\n5#|#@$.#|5#\n'; } >"$large/collection/long_title"
{ printf 'HOUSE FILE FOR TARVO PLIM\r\nVersion:1.0\r\nHOUSE'"'"'s NAME:'; head -c $mib /dev/zero | tr '\0' '\351'
  printf '\r\nNUMBER OF ROOM:1\r\n'; } >"$large/house/long_name"
{ printf 'HOUSE FILE FOR TARVO PLIM\r\nVersion:1.0\r\nHOUSE'"'"'s NAME:n\r\nNUMBER OF ROOM:1\r\n'
  printf '=== ROOM 0===\r\n'; for _ in 1 2 3 4 5 6 7 8 9 10; do printf -- '----------\r\n'; done
  printf 'FORBBIDEN PLACE:\r\nFORBBIDEN COUPLE:\r\nNUMBER OF RECCORD:200000\r\n'
  yes $'\t\t\t' | head -n 200000; } >"$large/house/tiny_records" || true
{ for _ in 1 2 3 4 5 6 7 8 9 10; do echo '##########'; done; head -c $mib /dev/zero | tr '\0' '1' | sed 's/1/1;/g' | head -c $mib; } \
  >"$large/room/long_list" || true

# target seed-folder
run_target() {
  local target="$1" seeds="$2"
  local corpus="$scratch/$target" log="$scratch/$target.log"
  mkdir -p "$corpus"
  cp "$repo/fuzz/corpus/$seeds/"* "$corpus/"
  local status=0
  # Leaks, sanitizer reports and aborted invariants all end the run with a non-zero status.
  "$build/fuzz/$target" "$corpus" \
    -dict="$repo/fuzz/house.dict" \
    -max_len=65536 \
    -max_total_time="$seconds" \
    -timeout=10 \
    -print_final_stats=1 \
    -artifact_prefix="$artifacts/$target-" \
    >"$log" 2>&1 || status=$?

  # The large inputs once each, within the target's memory bound.
  if [ "$status" -eq 0 ]; then
    "$build/fuzz/$target" "$large/$seeds" -runs=0 -max_len=$mib -timeout=60 \
      -artifact_prefix="$artifacts/$target-large-" >"$log.large" 2>&1 || { status=$?; cat "$log.large" >>"$log"; }
  fi

  local execs cov
  execs="$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -n 1 || true)"
  cov="$(grep ' cov: ' "$log" | tail -n 1 | sed 's/^.*\(cov: [0-9]*\).*\(ft: [0-9]*\).*\(corp: [^ ]*\).*$/\1 \2 \3/' || true)"
  printf '%-18s executions: %s  %s\n' "$target" "${execs:-?}" "${cov:-cov: ?}"
  if [ "$status" -ne 0 ]; then
    echo "$target FAILED (exit status $status); its report follows, inputs kept in $artifacts" >&2
    grep -v -E '^#[0-9]+' "$log" | tail -n 60 >&2
    return 1
  fi
}

failed=0
for target in $targets; do
  case "$target" in
    fuzz_house_reader) run_target fuzz_house_reader house || failed=1 ;;
    fuzz_room_text) run_target fuzz_room_text room || failed=1 ;;
    fuzz_room_collection) run_target fuzz_room_collection collection || failed=1 ;;
  esac
done
exit "$failed"
