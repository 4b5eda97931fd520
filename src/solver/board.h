// A room typed for the solver command: read with the game's room text reader and checked for being playable.
#pragma once

#include <string>
#include <vector>

#include "rules/room.h"
#include "solver/layout.h"

namespace tarvo::solver {

// A room the solver can take, or why the rows do not make one.
struct BoardResult {
  RoomRecord room;    // as the game reads the rows
  std::string error;  // empty when the room is playable
  bool ok() const { return error.empty(); }
};

// Reads ten rows, the first of them on line `firstLine` of the input, with the game's own
// room text reader. That reader takes any byte that is no symbol for an outside cell and
// leaves out bytes past the tenth, which would quietly change a mistyped room: here both are
// errors. A short row is floor on its right, a trailing CR is dropped. The room must then be
// playable: one man, walls that keep him away from outside cells and the board's edge, and as
// many boxes as goals (at least one).
BoardResult readBoard(const std::vector<std::string>& rows, int firstLine = 1);

}  // namespace tarvo::solver
