// The search for a solution with the fewest pushes, and among those the fewest moves.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "solver/layout.h"

namespace tarvo::solver {

inline constexpr std::size_t kDefaultMemoryLimit = std::size_t{1} << 30;  // 1 GiB

struct Limits {
  std::size_t memoryBytes = kDefaultMemoryLimit;  // the position store never grows past this
  std::size_t positions = SIZE_MAX;               // nor keeps more positions than this
  const std::atomic<bool>* cancel = nullptr;      // set it to stop the search within milliseconds
  // Called now and then with the positions kept so far, on the searching thread.
  std::function<void(std::size_t positions)> progress;
  // For tests: the search with fewer of its shortcuts (dead cells, frozen boxes, the lower
  // bound), which must change the positions kept and never the answer.
  enum class Pruning { Full, NoFrozenBoxes, None };
  Pruning pruning = Pruning::Full;
};

struct Solution {
  std::string steps;  // "udrl" walks, "UDRL" pushes, in playing order
  int pushes = 0;
  int moves = 0;
};

enum class Outcome { Solved, NoSolution, NoMan, LimitReached, Cancelled };

struct SolveResult {
  Outcome outcome = Outcome::NoSolution;
  Solution solution;          // set when solved; empty when the room needs no step
  std::size_t positions = 0;  // distinct positions kept
  std::size_t bytes = 0;      // the most memory the position store held
};

// Finds a solution with the fewest pushes and, among those, the fewest moves from the
// snapshot's position, under the game's rules, or proves there is none. A room without goals
// is solved as it stands.
SolveResult solve(const Snapshot& snapshot, const Limits& limits = {});

}  // namespace tarvo::solver
