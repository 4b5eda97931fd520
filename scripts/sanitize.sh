#!/usr/bin/env bash
# Builds the core and widget tests with the address and undefined behaviour sanitizers (clang,
# unoptimised: the build is what takes the time) and runs them. Any sanitizer report, a leak
# included, fails the test run.
#
#   scripts/sanitize.sh [BUILD_DIR]     default BUILD_DIR: build-sanitize in the repository
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$repo/build-sanitize}"

CC=clang-14 CXX=clang++-14 cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O0 -DTARVO_SANITIZE=ON -DTARVO_BENCH=OFF >/dev/null
ninja -C "$build" -j"$(nproc)" core_tests widget_tests

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1
# The random rooms of the solver's property tests look for wrong answers, which the main build
# does; here a hundred of them are enough to run the code paths.
TARVO_ROOMS=100 "$build/tests/core_tests" --gtest_brief=1
QT_QPA_PLATFORM=offscreen "$build/tests/qt/widget_tests" --gtest_brief=1
