// A room as the solver sees it: ten rows of symbols read into walls, goals, boxes and the man, and checked for being playable.
#pragma once

#include <array>
#include <bitset>
#include <string>
#include <vector>

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

// A board, or why the rows do not make a playable room.
struct BoardResult {
  Board board;
  std::string error;  // empty when the board is playable
  bool ok() const { return error.empty(); }
};

// Reads ten rows ("#", " ", ".", "@", "$", "+", "*", "-"; a short row is floor on its right;
// a trailing CR is dropped) and checks that the room is playable: one man, walls that keep him
// away from outside cells and the board's edge, and as many boxes as goals (at least one).
BoardResult readBoard(const std::vector<std::string>& rows);

// The cells the man could ever reach if no box stood in his way.
BoxSet manRegion(const Board& board);

// Row r of the board in room symbols, exactly ten characters.
std::string boardRow(const Board& board, int row);

}  // namespace tarvo::solver
