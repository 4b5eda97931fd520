// The editor's check of a room: its men, boxes and goals, whether its walls keep the man in,
// what a search should be given, and the status texts of the check.
#include "editor/room_check.h"

#include <vector>

#include "editor/commands.h"

namespace tarvo {

namespace {

std::string counted(std::size_t n, const char* one, const char* several) {
  return std::to_string(n) + " " + (n == 1 ? one : several);
}

// A man, box or goal on a wall or an outside cell is no piece of the room, as for the store.
bool holdsPieces(std::int32_t code) { return code != OUTSIDE && (code & WALL) == 0; }

// The cells some man could reach, boxes ignored; the men are taken off the board first, so
// that one man does not wall in another.
solver::CellSet menArea(const RoomRecord& stored) {
  solver::Snapshot withoutMen = solver::snapshotOf(stored);
  std::vector<int> men;
  for (int cell = 0; cell < kPlayableCells; ++cell) {
    std::int32_t& code = withoutMen.cells[cell];
    if (holdsPieces(code) && (code & MAN) != 0) {
      men.push_back(cell);
      code -= MAN;
    }
  }
  const solver::Layout layout = solver::layoutOf(withoutMen);
  solver::CellSet area;
  for (int man : men) area = area | solver::manArea(layout, man);
  return area;
}

std::optional<int> exitOf(const solver::CellSet& area) {
  std::optional<int> exit;
  area.forEach([&](int cell) {
    const int row = cell / kColumns;
    const bool borderRow = row == 0 || row == kRows - 1;
    // A cell of column 9 reached together with the cell after it: the step between them
    // leaves the room on the right and comes back on the left.
    const bool wraps = cell % kColumns == kColumns - 1 && isPlayableCell(cell + 1) && area.test(cell + 1);
    if (!exit && (borderRow || wraps)) exit = cell;
  });
  return exit;
}

}  // namespace

RoomCheck checkRoom(const RoomRecord& room) {
  const RoomRecord stored = roomAsStored(room);
  RoomCheck check;
  for (int cell = 0; cell < kPlayableCells; ++cell) {
    const std::int32_t code = stored.cells[cell];
    if (!holdsPieces(code)) continue;
    check.men += (code & MAN) != 0 ? 1 : 0;
    check.boxes += (code & BOX) != 0 ? 1 : 0;
    check.goals += (code & GOAL) != 0 ? 1 : 0;
  }
  check.exit = exitOf(menArea(stored));
  check.snapshot = solver::snapshotOf(stored);
  // Play moves only the stored man and blocks on any other, which is surely not what the
  // room's maker means: several men get no search.
  if (check.men == 0) {
    check.noSearch = "no man to solve it";
  } else if (check.men > 1) {
    check.noSearch = "a room needs exactly one man";
  } else if (check.goals == 0) {
    check.noSearch = "no goal to solve";
  } else if (check.boxes < check.goals) {
    check.noSearch = "not solvable: fewer boxes than goals";
  }
  return check;
}

std::string describeRoomCheck(const RoomCheck& check) {
  std::string text = counted(static_cast<std::size_t>(check.men), "man", "men") + ", " +
                     counted(static_cast<std::size_t>(check.boxes), "box", "boxes") + ", " +
                     counted(static_cast<std::size_t>(check.goals), "goal", "goals");
  if (check.men == 0) return text;
  return text + (check.exit ? ", open at cell " + std::to_string(*check.exit) : std::string(", closed"));
}

std::string describeSearch(const solver::SolveResult& result, const solver::Budget& budget) {
  const std::string pushesAndMoves = counted(static_cast<std::size_t>(result.solution.pushes), "push", "pushes") +
                                     ", " + counted(static_cast<std::size_t>(result.solution.moves), "move", "moves");
  switch (result.outcome) {
    case solver::Outcome::Solved:
      if (!result.fewest) return "solvable: a solution of " + pushesAndMoves + " found; the fewest is not known";
      return "solvable in " + pushesAndMoves;
    case solver::Outcome::NoSolution: return "not solvable";
    case solver::Outcome::NoMan: return "no man to solve it";
    case solver::Outcome::LimitReached:
      return "unknown: no solution found within " + solver::describeBound(result, budget);
    case solver::Outcome::Cancelled: break;
  }
  return "check cancelled";
}

}  // namespace tarvo
