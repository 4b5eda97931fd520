// A lower bound of the pushes a position still needs: each box is matched to a goal of its own so that the sum of
// their push distances is least.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "solver/dead_cells.h"

namespace tarvo::solver {

class GoalMatching {
 public:
  static constexpr std::uint32_t kHopeless = UINT32_MAX;

  // For rooms with as many movable boxes as goals waiting; `area` as for pushDistances.
  GoalMatching(const Layout& layout, const CellSet& area);

  // The least sum over the ways of giving every box its own goal, or kHopeless when some box
  // can reach none of the goals left to it. One push changes it by at most one, as it changes
  // one box's distance to each goal by at most one.
  std::uint32_t bound(const CellSet& boxes) const;

 private:
  static constexpr int kFewBoxes = 6;
  std::uint32_t compute(const CellSet& boxes) const;
  std::uint32_t bySubsets(const std::array<int, kCells + 1>& cells, int n) const;

  // Positions with the same boxes and the man elsewhere share their bound: the bounds computed
  // last, one per slot of a table. A slot of no boxes is empty (a search always has boxes); the
  // table comes zeroed from calloc, whose fresh pages cost nothing until a search touches them.
  struct Known {
    std::uint64_t low;
    std::uint64_t high;
    std::uint32_t bound;
  };
  struct Free {
    void operator()(Known* known) const;
  };
  static constexpr std::size_t kKnownSlots = std::size_t{1} << 12;
  mutable std::unique_ptr<Known[], Free> known_;

  std::vector<PushDistances> toGoal_;           // one table per goal
  std::array<std::uint8_t, kCells> nearest_{};  // for each cell, the goal nearest to it (its table's index)
  PushDistances nearestDistance_{};
};

}  // namespace tarvo::solver
