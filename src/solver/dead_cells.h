// Cells from which a box can never be pushed onto a goal, whatever the other boxes do.
#pragma once

#include "solver/layout.h"

namespace tarvo::solver {

// Works back from every goal by pulls: a box can reach a goal from a cell exactly when the
// man, standing behind it, can pull it there step by step. `area` is where the man may stand
// (his reachable area, boxes ignored). Returns the cells of `area` outside that set.
CellSet deadCells(const Layout& layout, const CellSet& area);

}  // namespace tarvo::solver
