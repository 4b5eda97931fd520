// Pull distances from the goals; the cells they never reach are dead.
#include "solver/dead_cells.h"

namespace tarvo::solver {

PushDistances pushDistances(const Layout& layout, const CellSet& area) {
  return pushDistances(layout, area, layout.goals);
}

PushDistances pushDistances(const Layout& layout, const CellSet& area, const CellSet& targets) {
  PushDistances distance;
  distance.fill(kNeverPushed);
  std::array<std::uint8_t, kCells> queue{};
  int tail = 0;
  targets.forEach([&](int goal) {
    distance[static_cast<std::size_t>(goal)] = 0;
    queue[static_cast<std::size_t>(tail++)] = static_cast<std::uint8_t>(goal);
  });
  for (int head = 0; head < tail; ++head) {
    const int cell = queue[static_cast<std::size_t>(head)];
    for (int d = 0; d < 4; ++d) {
      // Pulled in direction d: the box came from `before`, pushed by the man standing on `pusher`.
      const int before = layout.step(cell, d);
      const int pusher = layout.step(before, d);
      if (pusher < 0 || !area.test(before) || !area.test(pusher)) continue;
      if (distance[static_cast<std::size_t>(before)] != kNeverPushed) continue;
      distance[static_cast<std::size_t>(before)] =
          static_cast<std::uint8_t>(distance[static_cast<std::size_t>(cell)] + 1);
      queue[static_cast<std::size_t>(tail++)] = static_cast<std::uint8_t>(before);
    }
  }
  return distance;
}

CellSet deadCells(const PushDistances& distances, const CellSet& area) {
  CellSet dead;
  area.forEach([&](int cell) {
    if (distances[static_cast<std::size_t>(cell)] == kNeverPushed) dead.set(cell);
  });
  return dead;
}

CellSet deadCells(const Layout& layout, const CellSet& area) { return deadCells(pushDistances(layout, area), area); }

}  // namespace tarvo::solver
