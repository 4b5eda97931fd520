// Invariant checks shared by the fuzz targets: a broken invariant is a finding, so it aborts.
#pragma once

#include <sanitizer/allocator_interface.h>

#include <algorithm>
#include <atomic>
#include <cstddef>
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

// The memory the target holds, followed through the sanitizer's allocator from the first watch:
// what it holds now and the most it held since the watch began (less what was allocated before
// the first watch and freed since, so the count may go below zero).
inline std::atomic<long long> heldBytes{0};
inline std::atomic<long long> mostHeldBytes{0};

extern "C" inline void countAllocation(const volatile void*, std::size_t size) {
  const long long now = heldBytes += static_cast<long long>(size);
  long long most = mostHeldBytes;
  while (now > most && !mostHeldBytes.compare_exchange_weak(most, now)) {
  }
}

extern "C" inline void countRelease(const volatile void* pointer) {
  heldBytes -= static_cast<long long>(__sanitizer_get_allocated_size(const_cast<const void*>(pointer)));
}

// What reading one input may take beyond what the target held before it, as the program's own
// bound for any read: four times the input, and 32 MiB.
class MemoryBound {
 public:
  explicit MemoryBound(std::size_t inputBytes) : bound_(4 * static_cast<long long>(inputBytes) + (32LL << 20)) {
    static const bool installed = __sanitizer_install_malloc_and_free_hooks(countAllocation, countRelease) != 0;
    (void)installed;
    start_ = heldBytes;
    mostHeldBytes = start_;
  }
  ~MemoryBound() { require(mostHeldBytes - start_ <= bound_, "reading an input took more memory than its bound"); }

 private:
  long long bound_;
  long long start_ = 0;
};

}  // namespace tarvo::fuzz
