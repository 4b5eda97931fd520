// A room known by its content as played.
#include "progress/room_identity.h"

#include <algorithm>
#include <array>
#include <vector>

#include "rules/cell.h"
#include "rules/symbols.h"

namespace tarvo {

namespace {

std::int32_t unmarked(std::int32_t code) { return isMarkedCode(code) ? code - MARK : code; }

// The cells the man can reach, boxes or not: the room as played. Cells outside it are never
// entered by the man nor by a box, which only moves onto a cell next to one inside it.
std::array<bool, kPlayableCells> reachable(const RoomRecord& room) {
  std::array<bool, kPlayableCells> inside{};
  if (!isPlayableCell(room.man)) return inside;
  std::vector<int> open{room.man};
  inside[static_cast<std::size_t>(room.man)] = true;
  while (!open.empty()) {
    const int cell = open.back();
    open.pop_back();
    const int row = cell / kColumns, column = cell % kColumns;
    const std::array<int, 4> next{row > 0 ? cell - kColumns : -1, row < kRows - 1 ? cell + kColumns : -1,
                                  column > 0 ? cell - 1 : -1, column < kColumns - 1 ? cell + 1 : -1};
    for (int neighbour : next) {
      if (neighbour < 0 || inside[static_cast<std::size_t>(neighbour)]) continue;
      const std::int32_t code = unmarked(room.cells[neighbour]);
      if (code == WALL || code == OUTSIDE) continue;
      inside[static_cast<std::size_t>(neighbour)] = true;
      open.push_back(neighbour);
    }
  }
  return inside;
}

}  // namespace

std::string roomContent(const RoomRecord& room) {
  const std::array<bool, kPlayableCells> inside = reachable(room);
  std::array<char, kPlayableCells> symbols{};
  int top = kRows, bottom = -1, left = kColumns, right = -1;
  for (int cell = 0; cell < kPlayableCells; ++cell) {
    const std::int32_t code = unmarked(room.cells[cell]);
    char symbol = symbolForWriting(code);
    if (!inside[static_cast<std::size_t>(cell)] && (code == FLOOR || code == OUTSIDE)) symbol = symOutside;
    if (isManCode(code) && cell != room.man) symbol = code == MAN + GOAL ? symGoal : symFloor;  // a stray man
    symbols[static_cast<std::size_t>(cell)] = symbol;
    if (symbol == symOutside) continue;
    top = std::min(top, cell / kColumns);
    bottom = std::max(bottom, cell / kColumns);
    left = std::min(left, cell % kColumns);
    right = std::max(right, cell % kColumns);
  }
  std::string content;
  for (int row = top; row <= bottom; ++row) {
    if (row > top) content += '|';
    for (int column = left; column <= right; ++column) {
      content += symbols[static_cast<std::size_t>(cellIndex(row, column))];
    }
  }
  return content;
}

}  // namespace tarvo
