// How far a box is from the goals, counted in pushes, and the cells from which it can never get there, whatever the
// other boxes do.
#pragma once

#include <array>
#include <cstdint>

#include "solver/layout.h"

namespace tarvo::solver {

inline constexpr std::uint8_t kNeverPushed = 0xff;

// For each cell, the fewest pushes that bring a box standing there alone onto some goal, or
// kNeverPushed. Works back from the goals by pulls: the man, standing behind the box, pulls it
// one cell at a time. `area` is where the man may stand (his reachable area, boxes ignored); a
// goal outside it is still no push away for a box already there.
using PushDistances = std::array<std::uint8_t, kCells>;
PushDistances pushDistances(const Layout& layout, const CellSet& area);
// The same toward the cells of `targets` only.
PushDistances pushDistances(const Layout& layout, const CellSet& area, const CellSet& targets);

// The cells of `area` from which no goal can be reached by pushing.
CellSet deadCells(const Layout& layout, const CellSet& area);
CellSet deadCells(const PushDistances& distances, const CellSet& area);

}  // namespace tarvo::solver
