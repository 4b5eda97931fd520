// Reading and checking a room for the solver.
#include "board.h"

#include <vector>

namespace tarvo::solver {

namespace {

std::string where(int cell) {
  return "row " + std::to_string(cell / kSide + 1) + ", column " + std::to_string(cell % kSide + 1);
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
BoxSet flood(const Board& board, int* leak) {
  BoxSet seen;
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

}  // namespace

BoardResult readBoard(const std::vector<std::string>& rows) {
  BoardResult result;
  Board& board = result.board;
  if (rows.size() != static_cast<std::size_t>(kSide)) {
    result.error = "a room has ten rows, not " + std::to_string(rows.size());
    return result;
  }
  int men = 0;
  for (int row = 0; row < kSide; ++row) {
    std::string text = rows[row];
    if (!text.empty() && text.back() == '\r') text.pop_back();
    if (text.size() > static_cast<std::size_t>(kSide) &&
        text.find_first_not_of(' ', kSide) != std::string::npos) {
      result.error = "row " + std::to_string(row + 1) + " is longer than ten cells";
      return result;
    }
    text.resize(kSide, ' ');
    for (int column = 0; column < kSide; ++column) {
      int cell = row * kSide + column;
      char symbol = text[column];
      board.ground[cell] = Ground::Floor;
      switch (symbol) {
        case '#': board.ground[cell] = Ground::Wall; break;
        case '-': board.ground[cell] = Ground::Outside; break;
        case ' ': break;
        case '.': board.goals.set(cell); break;
        case '$': board.boxes.set(cell); break;
        case '*': board.goals.set(cell); board.boxes.set(cell); break;
        case '@': board.man = cell; ++men; break;
        case '+': board.goals.set(cell); board.man = cell; ++men; break;
        default:
          result.error = std::string("unknown symbol '") + symbol + "' at " + where(cell);
          return result;
      }
    }
  }
  if (men != 1) {
    result.error = men == 0 ? "no man" : std::to_string(men) + " men";
    return result;
  }
  int leak = -1;
  flood(board, &leak);
  if (leak >= 0) {
    result.error = "not closed: the man can reach " + where(leak);
    return result;
  }
  std::size_t boxes = board.boxes.count();
  std::size_t goals = board.goals.count();
  if (goals == 0) {
    result.error = "no goals";
  } else if (boxes != goals) {
    result.error = count(boxes, "box", "boxes") + " but " + count(goals, "goal", "goals");
  }
  return result;
}

BoxSet manRegion(const Board& board) { return flood(board, nullptr); }

std::string boardRow(const Board& board, int row) {
  std::string text;
  for (int column = 0; column < kSide; ++column) {
    int cell = row * kSide + column;
    bool goal = board.goals.test(cell);
    if (board.ground[cell] == Ground::Wall) {
      text += '#';
    } else if (board.ground[cell] == Ground::Outside) {
      text += '-';
    } else if (cell == board.man) {
      text += goal ? '+' : '@';
    } else if (board.boxes.test(cell)) {
      text += goal ? '*' : '$';
    } else {
      text += goal ? '.' : ' ';
    }
  }
  return text;
}

}  // namespace tarvo::solver
