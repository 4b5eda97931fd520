// Breadth-first walks of the man, a whole ring of cells at a time: the index is linear, so the cells one step away are
// the set shifted by 1 and by 10 either way, kept to the free cells.
#include "solver/walks.h"

#include <algorithm>
#include <bit>

namespace tarvo::solver {

Walks::Walks(const Layout& layout, const CellSet& boxes, int man) : Walks(layout, boxes, man, layout.free) {}

Walks::Walks(const Layout& layout, const CellSet& boxes, int man, const CellSet& wanted) : layout_(layout) {
  distance_.fill(kUnreached);
  if (!layout.isFree(man)) return;
  const CellSet open = layout.free.without(boxes);
  CellSet seen;
  seen.set(man);
  if (wanted.test(man)) distance_[static_cast<std::size_t>(man)] = 0;
  CellSet ring = seen;
  CellSet left = wanted.without(seen);
  for (std::uint8_t distance = 1; !ring.none() && !left.none(); ++distance) {
    const CellSet around = ring.shifted(1) | ring.shifted(-1) | ring.shifted(kSide) | ring.shifted(-kSide);
    ring = (around & open).without(seen);
    seen = seen | ring;
    (ring & left).forEach([&](int cell) { distance_[static_cast<std::size_t>(cell)] = distance; });
    left = left.without(ring);
  }
}

int reachCorner(const Layout& layout, const CellSet& boxes, int man) {
  const CellSet open = layout.free.without(boxes);
  CellSet seen;
  seen.set(man);
  for (CellSet ring = seen; !ring.none();) {
    const CellSet around = ring.shifted(1) | ring.shifted(-1) | ring.shifted(kSide) | ring.shifted(-kSide);
    ring = (around & open).without(seen);
    seen = seen | ring;
  }
  return seen.low != 0 ? std::countr_zero(seen.low) : 64 + std::countr_zero(seen.high);
}

std::string Walks::pathTo(int cell) const {
  std::string path;
  if (cell < 0 || cell >= kCells || !reaches(cell)) return path;
  // Back from the cell, each time to a neighbour one step nearer the man.
  for (int at = cell; distance(at) > 0;) {
    for (int d = 0; d < 4; ++d) {
      const int before = layout_.step(at, d);
      if (before >= 0 && reaches(before) && distance(before) == distance(at) - 1) {
        path += kWalkLetters[static_cast<std::size_t>(d ^ 1)];
        at = before;
        break;
      }
    }
  }
  std::reverse(path.begin(), path.end());
  return path;
}

}  // namespace tarvo::solver
