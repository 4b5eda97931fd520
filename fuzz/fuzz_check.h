// Invariant checks shared by the fuzz targets: a broken invariant is a finding, so it aborts.
#pragma once

#include <cstdio>
#include <cstdlib>

#include "rules/room.h"

namespace tarvo::fuzz {

// Aborts with the broken invariant's text; libFuzzer then keeps the input as a crash.
[[noreturn]] inline void fail(const char* what) {
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

inline void require(bool holds, const char* what) {
  if (!holds) fail(what);
}

// The rows above and below the board are where steps and pushes off the board stop.
inline bool borderIsOutside(const RoomRecord& room) {
  for (int i = 0; i < kColumns; ++i) {
    if (room.cells[kFirstCell + i] != OUTSIDE || room.cells[kPlayableCells + i] != OUTSIDE) return false;
  }
  return true;
}

}  // namespace tarvo::fuzz
