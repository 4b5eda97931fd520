// What another thread sees of a long read, and how it stops one.
#pragma once

#include <atomic>
#include <cstddef>

namespace tarvo {

struct ReadWatch {
  std::atomic<std::size_t> done{0};   // bytes of the file read so far
  std::atomic<std::size_t> total{0};  // bytes of the file, once known
  std::atomic<bool> stop{false};      // set to stop the read; the reader then gives up
};

}  // namespace tarvo
