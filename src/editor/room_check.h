// The editor's check of a room: its men, boxes and goals, whether its walls keep the man in,
// what a search should be given, and the status texts of the check.
#pragma once

#include <optional>
#include <string>

#include "rules/room.h"
#include "solver/solver.h"

namespace tarvo {

struct RoomCheck {
  int men = 0;  // cells with a man, boxes with a box, goals with a goal (walls and outside cells aside)
  int boxes = 0;
  int goals = 0;
  // A cell by which a man gets out of the room, the first in row order: one on the top or
  // bottom row, or one of column 9 whose next cell (column 0 of the next row, where a step
  // right leads) is free too. Boxes are ignored, as they move. Empty when no man gets out.
  std::optional<int> exit;
  // Why no search is worth starting (no man, several men, no goals, too few boxes), as the
  // status says it; empty when the search may start.
  std::string noSearch;
  // The room as "Save" would store it, for the search.
  solver::Snapshot snapshot;

  bool closed() const { return men > 0 && !exit; }
};

// Checks a room of the editor as it would be stored (marks do not count).
RoomCheck checkRoom(const RoomRecord& room);

// "1 man, 2 boxes, 2 goals, closed" or "..., open at cell 45"; a room without a man is
// neither closed nor open.
std::string describeRoomCheck(const RoomCheck& check);

// The answer of a search of `budget`: "solvable in 3 pushes, 7 moves", "solvable: a solution of
// 57 pushes, 160 moves found; the fewest is not known", "not solvable", "unknown: no solution
// found within 10 s", ...
std::string describeSearch(const solver::SolveResult& result, const solver::Budget& budget);

}  // namespace tarvo
