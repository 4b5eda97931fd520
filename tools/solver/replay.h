// For the tests: a plain step-by-step simulator on room text, kept apart from the solver's code.
#pragma once

#include <string>
#include <vector>

namespace tarvo::solver::check {

// A room as ten rows of exactly ten symbols ("#", " ", ".", "@", "$", "+", "*", "-").
using Grid = std::vector<std::string>;

// Pads or fills rows out to ten rows of ten characters.
Grid makeGrid(const std::vector<std::string>& rows);

// Applies one step letter. A lower-case letter must walk onto floor or a goal, an upper-case
// letter must push a box onto floor or a goal; false (and the grid unchanged) otherwise.
bool applyStep(Grid& grid, char letter);

struct Replay {
  bool everyStepMoved = true;
  int failedStep = -1;  // 0-based index of the first step that did not do what its letter says
  int pushes = 0;
  bool solved = false;  // every goal holds a box
};

Replay replay(Grid grid, const std::string& steps);

bool isSolved(const Grid& grid);

// The man's flood fill through everything but walls reaches an outside cell or the edge.
bool manCanLeave(const Grid& grid);

// The fewest pushes, then the fewest moves, found by trying every single step: slow, but
// obviously right, for checking the solver on tiny rooms. Returns {-1, -1} when unsolvable.
std::pair<int, int> bruteForceOptimum(const Grid& grid);

}  // namespace tarvo::solver::check
