// A room as the solver sees it: a snapshot of the cells, the goal list and the man, taken by value so a search can run
// in another thread while play goes on, and the cell sets the searches work on.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "rules/room.h"
#include "solver/cell_set.h"

namespace tarvo::solver {

// What a search needs of a room, copied out of it.
struct Snapshot {
  CellArray cells;
  std::vector<std::int32_t> goals;
  std::int32_t man = kNoMan;
};

Snapshot snapshotOf(const RoomRecord& room);

// The four directions in the order of their step letters "u", "d", "r", "l". A step adds the
// offset to the cell index, so right from column 9 enters column 0 of the next row, as in play.
inline constexpr std::array<int, 4> kOffsets = {-kSide, kSide, 1, -1};
inline constexpr std::array<char, 4> kWalkLetters = {'u', 'd', 'r', 'l'};
inline constexpr std::array<char, 4> kPushLetters = {'U', 'D', 'R', 'L'};

// The room in cell sets. A man or a box may enter a free cell (codes 0, 1, 4 and 5, and the
// cells under the boxes and the man); a box is a code 8, 9, 12 or 13; every other code blocks.
struct Layout {
  CellSet free;                  // cells a man or box may ever stand on
  CellSet boxes;                 // the movable boxes
  CellSet goals;                 // goal indexes still waiting for a box
  int man = -1;                  // -1: no man on the cell `man` names
  bool unreachableGoal = false;  // a goal index that can never hold a box

  // For each cell and direction, the free cell one step away, or -1.
  std::array<std::array<std::int8_t, 4>, kCells> neighbours{};

  bool isFree(int cell) const { return cell >= 0 && cell < kCells && free.test(cell); }
  // One step from `cell` in direction d, or -1 when that cell is not free.
  int step(int cell, int d) const {
    return cell >= 0 && cell < kCells ? neighbours[static_cast<std::size_t>(cell)][static_cast<std::size_t>(d)] : -1;
  }
  // More boxes than goals: a box may be left anywhere, so no box position is hopeless by itself.
  bool hasSpareBoxes() const { return boxes.count() > goals.count(); }
};

Layout layoutOf(const Snapshot& snapshot);

// The cells the man could ever reach from `from` if no box stood in his way.
CellSet manArea(const Layout& layout, int from);

}  // namespace tarvo::solver
