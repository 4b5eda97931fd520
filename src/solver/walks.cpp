// Breadth-first walks of the man.
#include "solver/walks.h"

#include <algorithm>

namespace tarvo::solver {

Walks::Walks(const Layout& layout, const CellSet& boxes, int man) : man_(man) {
  distance_.fill(kUnreached);
  if (!layout.isFree(man)) return;
  std::array<std::uint8_t, kCells> queue;
  int tail = 0;
  queue[static_cast<std::size_t>(tail++)] = static_cast<std::uint8_t>(man);
  distance_[static_cast<std::size_t>(man)] = 0;
  for (int head = 0; head < tail; ++head) {
    const int cell = queue[static_cast<std::size_t>(head)];
    const auto next = static_cast<std::uint8_t>(distance_[static_cast<std::size_t>(cell)] + 1);
    for (int d = 0; d < 4; ++d) {
      const int to = layout.step(cell, d);
      if (to < 0 || boxes.test(to) || distance_[static_cast<std::size_t>(to)] != kUnreached) continue;
      distance_[static_cast<std::size_t>(to)] = next;
      from_[static_cast<std::size_t>(to)] = static_cast<std::uint8_t>(d);
      queue[static_cast<std::size_t>(tail++)] = static_cast<std::uint8_t>(to);
    }
  }
}

std::string Walks::pathTo(int cell) const {
  std::string path;
  if (cell < 0 || cell >= kCells || !reaches(cell)) return path;
  for (int at = cell; at != man_; at -= kOffsets[from_[static_cast<std::size_t>(at)]]) {
    path += kWalkLetters[from_[static_cast<std::size_t>(at)]];
  }
  std::reverse(path.begin(), path.end());
  return path;
}

}  // namespace tarvo::solver
