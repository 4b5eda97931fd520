// The searches for a solution: the exact one, with the fewest pushes and among those the fewest
// moves, and the fast one, for some solution when the exact one is out of reach.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "solver/layout.h"

namespace tarvo::solver {

inline constexpr std::size_t kDefaultMemoryLimit = std::size_t{1} << 30;  // 1 GiB

struct Limits {
  std::size_t memoryBytes = kDefaultMemoryLimit;  // the position store and queue never hold more
  std::size_t positions = SIZE_MAX;               // the store never keeps more positions than this
  std::optional<std::chrono::milliseconds> time;  // from the search's start; none: no bound
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

// The bound that stopped a search: LimitReached comes with the memory, the positions or the
// time, Cancelled with the cancel.
enum class Bound { None, Memory, Positions, Time, Cancel };

struct SolveResult {
  Outcome outcome = Outcome::NoSolution;
  Solution solution;   // set when solved; empty when the room needs no step
  bool fewest = true;  // the solution has the fewest pushes, and then moves
  Bound stoppedBy = Bound::None;
  std::size_t positions = 0;  // distinct positions kept
  std::size_t bytes = 0;      // the most the position store and queue held at once
};

// Finds a solution with the fewest pushes and, among those, the fewest moves from the
// snapshot's position, under the game's rules, or proves there is none. A room without goals
// is solved as it stands.
SolveResult solve(const Snapshot& snapshot, const Limits& limits = {});

// Finds some solution fast, not the shortest (`fewest` is false), or proves there is none: best
// first on the bound of the pushes still needed, the pushes made counting little.
SolveResult findSolution(const Snapshot& snapshot, const Limits& limits = {});

// The bounds of a search that should answer: the exact search within `exact`, then, when it
// stops at a bound, the fast search from the same position within `fast`.
struct Budget {
  Limits exact;
  Limits fast;
};

// The exact search, and the fast one after it when the exact one stops at a bound (not a
// cancel). The positions are those both kept, the bytes the most either held.
SolveResult solveOrFind(const Snapshot& snapshot, const Budget& budget);

// The bound that stopped a solveOrFind search of `budget`, as the player reads it: "10 s" (the
// time of both searches), "the memory bound of 256 MiB" or "3000000 positions" (the fast one's).
std::string describeBound(const SolveResult& result, const Budget& budget);

}  // namespace tarvo::solver
