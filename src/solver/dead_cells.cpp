// Live cells by pulls from the goals; the rest of the man's area is dead.
#include "solver/dead_cells.h"

#include <array>

namespace tarvo::solver {

CellSet deadCells(const Layout& layout, const CellSet& area) {
  CellSet live;
  std::array<std::uint8_t, kCells> todo{};
  int count = 0;
  (layout.goals & area).forEach([&](int goal) {
    live.set(goal);
    todo[static_cast<std::size_t>(count++)] = static_cast<std::uint8_t>(goal);
  });
  while (count > 0) {
    const int cell = todo[static_cast<std::size_t>(--count)];
    for (int d = 0; d < 4; ++d) {
      // The box came from `before`, pushed by the man standing on `pusher`.
      const int before = cell - kOffsets[static_cast<std::size_t>(d)];
      const int pusher = before - kOffsets[static_cast<std::size_t>(d)];
      if (layout.isFree(before) && layout.isFree(pusher) && area.test(before) && area.test(pusher) &&
          !live.test(before)) {
        live.set(before);
        todo[static_cast<std::size_t>(count++)] = static_cast<std::uint8_t>(before);
      }
    }
  }
  return area.without(live);
}

}  // namespace tarvo::solver
