// Where a player points: the man's shortest walk to a cell, and the best way to push one box to a cell while every
// other box stays where it is.
#pragma once

#include <optional>
#include <string>

#include "solver/layout.h"

namespace tarvo::solver {

// The letters "udrl" of a shortest walk of the man to `target` among the boxes; empty when he
// stands there; nothing when he cannot get there.
std::optional<std::string> walkPath(const Snapshot& snapshot, int target);

// The steps that bring the box on `box` to `target` with the fewest pushes and, among those,
// the fewest moves, pushing no other box; nothing when it cannot be done (or `box` holds no
// movable box). Empty when the box is already there.
std::optional<std::string> pushPath(const Snapshot& snapshot, int box, int target);

}  // namespace tarvo::solver
