// Reading and checking a room for the solver.
#include "solver/board.h"

#include <array>
#include <vector>

#include "rules/room_text.h"
#include "rules/symbols.h"

namespace tarvo::solver {

namespace {

enum class Ground : char { Outside, Floor, Wall };

struct Board {
  std::array<Ground, kCells> ground{};  // goals count as floor here
  CellSet goals;
  CellSet boxes;
  int man = -1;
};

std::string where(int cell, int firstLine) {
  return "line " + std::to_string(firstLine + cell / kSide) + ", column " + std::to_string(cell % kSide + 1);
}

std::string count(std::size_t n, const std::string& one, const std::string& several) {
  return std::to_string(n) + " " + (n == 1 ? one : several);
}

bool onEdge(int cell) {
  int row = cell / kSide;
  int column = cell % kSide;
  return row == 0 || row == kSide - 1 || column == 0 || column == kSide - 1;
}

// Flood fill from the man through every cell that is not a wall, boxes ignored: boxes move,
// so wherever one stands the man may one day stand too. Stops at the edge so that a linear
// step never wraps to the next row.
CellSet flood(const Board& board, int* leak) {
  CellSet seen;
  std::vector<int> queue{board.man};
  seen.set(board.man);
  for (std::size_t head = 0; head < queue.size(); ++head) {
    int cell = queue[head];
    if (board.ground[cell] == Ground::Outside || onEdge(cell)) {
      if (leak != nullptr && *leak < 0) *leak = cell;  // the nearest leak, breadth-first
      continue;
    }
    for (int offset : kOffsets) {
      int next = cell + offset;
      if (!seen.test(next) && board.ground[next] != Ground::Wall) {
        seen.set(next);
        queue.push_back(next);
      }
    }
  }
  return seen;
}

// The rows as the room text reader will take them, or what it would read differently from
// what was typed.
std::string collectRows(const std::vector<std::string>& rows, int firstLine, RowBuffer& buffer) {
  for (int row = 0; row < kSide; ++row) {
    std::string text = rows[static_cast<std::size_t>(row)];
    if (!text.empty() && text.back() == '\r') text.pop_back();
    const std::string line = "line " + std::to_string(firstLine + row);
    if (text.size() > static_cast<std::size_t>(kSide) && text.find_first_not_of(' ', kSide) != std::string::npos) {
      return line + " is longer than ten cells";
    }
    text.resize(kSide, symFloor);
    for (int column = 0; column < kSide; ++column) {
      const char symbol = text[static_cast<std::size_t>(column)];
      if (codeOfSymbol(symbol) == OUTSIDE && symbol != symOutside) {
        return "unknown symbol " + shownByte(symbol) + " at " + line + ", column " + std::to_string(column + 1);
      }
    }
    buffer[static_cast<std::size_t>(row)] = text;
  }
  return "";
}

Board boardOf(const RoomRecord& room) {
  Board board;
  for (int cell = 0; cell < kCells; ++cell) {
    const std::int32_t code = room.cells[cell];
    const std::int32_t unmarked = isMarkedCode(code) ? code - MARK : code;
    if (code == OUTSIDE) {
      board.ground[cell] = Ground::Outside;
      continue;
    }
    board.ground[cell] = unmarked == WALL ? Ground::Wall : Ground::Floor;
    if (unmarked == WALL) continue;
    if ((unmarked & GOAL) != 0) board.goals.set(cell);
    if ((unmarked & BOX) != 0) board.boxes.set(cell);
    if ((unmarked & MAN) != 0) board.man = cell;
  }
  return board;
}

}  // namespace

BoardResult readBoard(const std::vector<std::string>& rows, int firstLine) {
  BoardResult result;
  if (rows.size() != static_cast<std::size_t>(kSide)) {
    result.error = "a room has ten rows, not " + std::to_string(rows.size());
    return result;
  }
  RowBuffer buffer;
  result.error = collectRows(rows, firstLine, buffer);
  if (!result.error.empty()) return result;
  parseRoomRows(result.room, buffer);
  const Board board = boardOf(result.room);

  int men = 0;
  for (int cell = 0; cell < kCells; ++cell) men += isManCode(result.room.cells[cell]) ? 1 : 0;
  if (men != 1) {
    result.error = men == 0 ? "no man" : std::to_string(men) + " men";
    return result;
  }
  int leak = -1;
  flood(board, &leak);
  if (leak >= 0) {
    result.error = "not closed: the man can reach " + where(leak, firstLine);
    return result;
  }
  const auto boxes = static_cast<std::size_t>(board.boxes.count());
  const auto goals = static_cast<std::size_t>(board.goals.count());
  if (goals == 0) {
    result.error = "no goals";
  } else if (boxes != goals) {
    result.error = count(boxes, "box", "boxes") + " but " + count(goals, "goal", "goals");
  }
  return result;
}

}  // namespace tarvo::solver
