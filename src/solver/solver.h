// The search for a solution with the fewest pushes, and among those the fewest moves.
#pragma once

#include <cstddef>
#include <string>

#include "solver/board.h"

namespace tarvo::solver {

inline constexpr std::size_t kDefaultStateLimit = 3'000'000;

struct Solution {
  std::string steps;  // "udrl" walks, "UDRL" pushes, in playing order
  int pushes = 0;
  int moves = 0;
};

enum class Outcome { Solved, NoSolution, LimitReached };

struct SolveResult {
  Outcome outcome = Outcome::NoSolution;
  Solution solution;       // set when solved
  std::size_t states = 0;  // positions kept during the search
};

// Breadth-first over pushes from a board that readBoard accepted. Positions are kept with the
// man's exact cell, so within the first push count that solves the room the fewest moves win.
// Gives up with LimitReached once more than stateLimit positions are kept.
SolveResult solve(const Board& board, std::size_t stateLimit = kDefaultStateLimit);

}  // namespace tarvo::solver
