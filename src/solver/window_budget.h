// The bounds of the window's searches, which the solver benchmark measures as well.
#pragma once

#include <chrono>
#include <cstddef>

#include "solver/solver.h"

namespace tarvo::solver {

// Hint, Solve and Check answer within 10 s: the fewest pushes for 3 s and 128 MiB, then some
// solution for 7 s and 256 MiB more.
inline Budget windowBudget() {
  Budget budget;
  budget.exact.time = std::chrono::seconds(3);
  budget.exact.memoryBytes = std::size_t{128} << 20;
  budget.fast.time = std::chrono::seconds(7);
  budget.fast.memoryBytes = std::size_t{256} << 20;
  return budget;
}

}  // namespace tarvo::solver
