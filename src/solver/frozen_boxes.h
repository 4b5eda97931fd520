// Boxes that can never move again: pinned on both axes by walls, dead cells and other pinned boxes.
#pragma once

#include "solver/layout.h"

namespace tarvo::solver {

// Whether the box just pushed onto `cell` is now frozen together with a box that is off its
// goal, which makes the position hopeless. Only sound when every box must end on a goal.
bool freezesOffGoal(const Layout& layout, const CellSet& dead, const CellSet& boxes, int cell);

}  // namespace tarvo::solver
