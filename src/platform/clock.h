// The clock of play: milliseconds of a monotonic clock.
#pragma once

#include <chrono>
#include <cstdint>

namespace tarvo {

inline std::int64_t monotonicMilliseconds() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace tarvo
