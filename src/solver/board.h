// A room as the solver sees it: read with the game's room text reader, checked for being playable, and turned into
// walls, goals, boxes and the man.
#pragma once

#include <array>
#include <bitset>
#include <string>
#include <vector>

#include "rules/room.h"

namespace tarvo::solver {

inline constexpr int kSide = 10;
inline constexpr int kCells = kSide * kSide;  // cell index = row * 10 + column

// The four directions in the order of their step letters "u", "d", "r", "l".
inline constexpr std::array<int, 4> kOffsets = {-kSide, kSide, 1, -1};
inline constexpr std::array<char, 4> kWalkLetters = {'u', 'd', 'r', 'l'};
inline constexpr std::array<char, 4> kPushLetters = {'U', 'D', 'R', 'L'};

enum class Ground : char { Outside, Floor, Wall };

using BoxSet = std::bitset<kCells>;

struct Board {
  std::array<Ground, kCells> ground{};  // goals count as floor here
  BoxSet goals;
  BoxSet boxes;
  int man = -1;
};

// A room the solver can take, or why the rows do not make one.
struct BoardResult {
  RoomRecord room;    // as the game reads the rows: for the house file and for replaying
  Board board;        // the same room for the search
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

// The board of a room record; a marked cell counts as the same cell without its mark.
Board boardOf(const RoomRecord& room);

// The cells the man could ever reach if no box stood in his way.
BoxSet manRegion(const Board& board);

}  // namespace tarvo::solver
