// The heap a piece of code takes, seen through the test program's own operator new and calloc:
// the most it holds at once, on the calling thread, beyond what that thread held when the meter
// started.
#pragma once

#include <cstddef>

namespace tarvo::test {

class HeapMeter {
 public:
  // False in sanitized builds, which keep the sanitizer's operator new and so measure nothing.
  static bool available();

  HeapMeter();
  ~HeapMeter();
  HeapMeter(const HeapMeter&) = delete;
  HeapMeter& operator=(const HeapMeter&) = delete;
  // The most bytes taken with operator new and not yet given back, at any time since the start.
  std::size_t peak() const;

 private:
  long long start_;
};

}  // namespace tarvo::test
