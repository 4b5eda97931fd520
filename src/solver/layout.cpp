// Taking a room apart into the cell sets of a search.
#include "solver/layout.h"

namespace tarvo::solver {

namespace {

bool isMovableBoxCode(std::int32_t code) { return code == 8 || code == 9 || code == 12 || code == 13; }

}  // namespace

Snapshot snapshotOf(const RoomRecord& room) { return Snapshot{room.cells, *room.goals, room.man}; }

Layout layoutOf(const Snapshot& snapshot) {
  Layout layout;
  for (int cell = 0; cell < kCells; ++cell) {
    const std::int32_t code = snapshot.cells[cell];
    if (isFreeCode(code)) layout.free.set(cell);
    if (isMovableBoxCode(code)) {
      layout.free.set(cell);
      layout.boxes.set(cell);
    }
  }
  if (isPlayableCell(snapshot.man) && isManCode(snapshot.cells[snapshot.man])) {
    layout.man = snapshot.man;
    layout.free.set(layout.man);
  }
  for (int cell = 0; cell < kCells; ++cell) {
    for (int d = 0; d < 4; ++d) {
      const int next = cell + kOffsets[static_cast<std::size_t>(d)];
      const bool open = next >= 0 && next < kCells && layout.free.test(next);
      layout.neighbours[static_cast<std::size_t>(cell)][static_cast<std::size_t>(d)] =
          static_cast<std::int8_t>(open ? next : -1);
    }
  }
  for (std::int32_t goal : snapshot.goals) {
    if (isPlayableCell(goal) && layout.free.test(goal)) {
      layout.goals.set(goal);
    } else if (!isBoxCode(snapshot.cells.at(goal))) {
      // Only a box that can never move (a box code on a wall) keeps such a goal covered.
      layout.unreachableGoal = true;
    }
  }
  return layout;
}

CellSet manArea(const Layout& layout, int from) {
  CellSet seen;
  if (!layout.isFree(from)) return seen;
  std::array<std::uint8_t, kCells> queue{};
  int tail = 0;
  queue[static_cast<std::size_t>(tail++)] = static_cast<std::uint8_t>(from);
  seen.set(from);
  for (int head = 0; head < tail; ++head) {
    const int cell = queue[static_cast<std::size_t>(head)];
    for (int d = 0; d < 4; ++d) {
      const int next = layout.step(cell, d);
      if (next >= 0 && !seen.test(next)) {
        seen.set(next);
        queue[static_cast<std::size_t>(tail++)] = static_cast<std::uint8_t>(next);
      }
    }
  }
  return seen;
}

}  // namespace tarvo::solver
