// The man's shortest walks among the boxes.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "solver/layout.h"

namespace tarvo::solver {

// Breadth-first distances from the man's cell over free cells without a box.
class Walks {
 public:
  Walks(const Layout& layout, const CellSet& boxes, int man);
  // Only to the cells of `wanted`: every other cell reads as out of reach. A search asks for the
  // cells beside the boxes, and writing a distance for every cell the man reaches costs more
  // than the walk itself.
  Walks(const Layout& layout, const CellSet& boxes, int man, const CellSet& wanted);

  bool reaches(int cell) const { return distance_[static_cast<std::size_t>(cell)] != kUnreached; }
  int distance(int cell) const { return distance_[static_cast<std::size_t>(cell)]; }
  // The letters "udrl" of a shortest walk to `cell`; empty when it is the man's cell or out of reach.
  std::string pathTo(int cell) const;

 private:
  static constexpr std::uint8_t kUnreached = 0xff;
  const Layout& layout_;
  std::array<std::uint8_t, kCells> distance_;
};

// The lowest cell the man can walk to from `man` among the boxes: one name for every cell of his
// reach, for a search that does not count his steps.
int reachCorner(const Layout& layout, const CellSet& boxes, int man);

}  // namespace tarvo::solver
