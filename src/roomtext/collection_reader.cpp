// The lenient reader of room collection text, fed a line at a time.
#include "roomtext/collection_reader.h"

#include <algorithm>
#include <cctype>

#include "rules/symbols.h"

namespace tarvo {

namespace {

// A digit run longer than this is read as this: far past any board, and the sums of a text's
// runs stay far from overflowing.
constexpr std::int64_t kLongestRun = 1'000'000'000;

bool isBlankSymbol(char c) { return c == ' ' || c == '-' || c == '_'; }
bool isCellSymbol(char c) {
  return c == symWall || c == symGoal || c == symBox || c == symBoxOnGoal || c == symMan || c == symManOnGoal;
}
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Nothing but blanks and TABs: ends a room and is no title.
bool isEmptyLine(std::string_view line) {
  return std::all_of(line.begin(), line.end(), [](char c) { return isBlankSymbol(c) || c == '\t'; });
}

bool isBlankRow(std::string_view row) { return !row.empty() && std::all_of(row.begin(), row.end(), isBlankSymbol); }

// Whether the line is a room line: only symbols, blanks, "|" and digit runs each followed by
// a symbol or a blank, and at least one symbol.
bool isRoomLine(std::string_view line) {
  bool symbol = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (isDigit(c)) {
      while (i < line.size() && isDigit(line[i])) ++i;
      if (i == line.size() || !(isCellSymbol(line[i]) || isBlankSymbol(line[i]))) return false;
      symbol = symbol || isCellSymbol(line[i]);
    } else if (isCellSymbol(c)) {
      symbol = true;
    } else if (!isBlankSymbol(c) && c != '|') {
      return false;
    }
  }
  return symbol;
}

// `lower` is in small letters.
bool startsIgnoringCase(std::string_view text, std::string_view lower) {
  return text.size() >= lower.size() && std::equal(lower.begin(), lower.end(), text.begin(), [](char b, char a) {
           return std::tolower(static_cast<unsigned char>(a)) == b;
         });
}

std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

void countSymbols(CollectionRoom& room, char symbol, std::int64_t count) {
  if (symbol == symBox || symbol == symBoxOnGoal) room.boxes += count;
  if (symbol == symGoal || symbol == symBoxOnGoal || symbol == symManOnGoal) room.goals += count;
  if (symbol == symMan || symbol == symManOnGoal) room.men += count;
}

// Every blank cell that the edge reaches through blanks becomes OUTSIDE.
void markOutside(std::array<std::int8_t, kPlayableCells>& cells) {
  std::vector<int> stack;
  auto reach = [&](int cell) {
    if (cells[static_cast<std::size_t>(cell)] == FLOOR) {
      cells[static_cast<std::size_t>(cell)] = OUTSIDE;
      stack.push_back(cell);
    }
  };
  for (int k = 0; k < kRows; ++k) {
    reach(cellIndex(k, 0));
    reach(cellIndex(k, kColumns - 1));
    reach(cellIndex(0, k));
    reach(cellIndex(kRows - 1, k));
  }
  for (int cell = 0; cell < kPlayableCells; ++cell) {
    if (cells[static_cast<std::size_t>(cell)] == OUTSIDE) stack.push_back(cell);
  }
  while (!stack.empty()) {
    const int cell = stack.back();
    stack.pop_back();
    const int row = cell / kColumns;
    const int column = cell % kColumns;
    if (row > 0) reach(cell - kColumns);
    if (row < kRows - 1) reach(cell + kColumns);
    if (column > 0) reach(cell - 1);
    if (column < kColumns - 1) reach(cell + 1);
  }
}

// Whether the man, walking through every cell that is no wall, reaches an outside cell or the
// edge of the board.
bool manReachesEdge(const std::array<std::int8_t, kPlayableCells>& cells, int man) {
  std::array<bool, kPlayableCells> seen{};
  std::vector<int> stack{man};
  seen[static_cast<std::size_t>(man)] = true;
  while (!stack.empty()) {
    const int cell = stack.back();
    stack.pop_back();
    const int row = cell / kColumns;
    const int column = cell % kColumns;
    if (cells[static_cast<std::size_t>(cell)] == OUTSIDE || row == 0 || row == kRows - 1 || column == 0 ||
        column == kColumns - 1) {
      return true;
    }
    for (const int next : {cell - kColumns, cell + kColumns, cell - 1, cell + 1}) {
      if (!seen[static_cast<std::size_t>(next)] && cells[static_cast<std::size_t>(next)] != WALL) {
        seen[static_cast<std::size_t>(next)] = true;
        stack.push_back(next);
      }
    }
  }
  return false;
}

// The first reason the placed room cannot be taken.
RoomProblem problemOf(const CollectionRoom& room, int man) {
  if (room.men == 0) return RoomProblem::NoMan;
  if (room.men > 1) return RoomProblem::SeveralMen;
  if (room.goals == 0) return RoomProblem::NoGoal;
  if (room.boxes < room.goals) return RoomProblem::FewerBoxes;
  if (manReachesEdge(room.cells, man)) return RoomProblem::Open;
  return RoomProblem::None;
}

}  // namespace

std::string titleOfLine(std::string_view line) {
  line = line.substr(0, kLongestTitleBytes);
  std::string_view title;
  if (!line.empty() && line[0] == ';') {
    title = trimmed(line.substr(1));
  } else if (startsIgnoringCase(line, "title:")) {
    title = trimmed(line.substr(6));
  }
  // Cut before the character after the last one kept: bytes 10xxxxxx continue a character.
  std::size_t characters = 0;
  for (std::size_t i = 0; i < title.size(); ++i) {
    if ((static_cast<unsigned char>(title[i]) & 0xC0) != 0x80 && ++characters > kLongestTitle) {
      title = title.substr(0, i);
      break;
    }
  }
  return std::string(title);
}

std::string describeProblem(const CollectionRoom& room) {
  switch (room.problem) {
    case RoomProblem::None: return {};
    case RoomProblem::TooLarge:
      if (!room.measured) return "too large: more than " + std::to_string(kRows) + " rows";
      return "too large: " + std::to_string(room.columns) + " x " + std::to_string(room.rows);
    case RoomProblem::NoMan: return "no man";
    case RoomProblem::SeveralMen: return std::to_string(room.men) + " men";
    case RoomProblem::NoGoal: return "no goal";
    case RoomProblem::FewerBoxes: return "fewer boxes than goals";
    case RoomProblem::Open: return "open";
  }
  return {};
}

void RoomCollectionReader::readLine(std::string_view line, std::size_t lineStart) {
  if (full()) return;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (!isRoomLine(line)) {
    endRoom();
    skipping_ = false;
    if (!isEmptyLine(line)) {
      titleLine_.assign(line.substr(0, kLongestTitleBytes));
      titleLineStart_ = lineStart;
    }
    return;
  }
  // "|" ends a row; an empty row ends the room, and the rows after it start another.
  const char* const begin = line.data();
  while (true) {
    const std::size_t bar = line.find('|');
    const std::string_view row = line.substr(0, bar);
    const bool barFollows = bar != std::string_view::npos;
    if (!barFollows || bar + 1 < line.size() || !row.empty()) {
      readRow(row, lineStart + static_cast<std::size_t>(row.data() - begin), barFollows);
    }
    if (!barFollows) break;
    line.remove_prefix(bar + 1);
    if (line.empty()) break;
  }
}

void RoomCollectionReader::readRow(std::string_view row, std::size_t rowStart, bool barFollows) {
  if (full()) return;
  const std::size_t firstRun = runs_.size();
  bool symbols = false;
  std::int64_t column = 0;
  for (std::size_t i = 0; i < row.size(); ++i) {
    std::int64_t count = 1;
    if (isDigit(row[i])) {
      count = 0;
      for (; i < row.size() && isDigit(row[i]); ++i) count = std::min(kLongestRun, count * 10 + (row[i] - '0'));
    }
    if (i == row.size()) break;
    const char symbol = row[i];
    if (isCellSymbol(symbol) && count > 0 && !skipping_) {
      if (!symbols && !isOpen_) startRoom(rowStart);
      symbols = true;
      countSymbols(open_, symbol, count);
      left_ = std::min(left_, column);
      right_ = std::max(right_, column + count);
      if (!tooLarge_ && right_ - left_ > kColumns) becomeTooLarge();
      if (!tooLarge_) {
        Run* last = runs_.size() > firstRun ? &runs_.back() : nullptr;
        if (last != nullptr && last->symbol == symbol && last->start + last->length == column) {
          last->length += count;
        } else {
          runs_.push_back(Run{column, count, symbol});
        }
      }
    } else if (isCellSymbol(symbol) && count > 0) {
      symbols = true;
    }
    column += count;
  }
  if (skipping_) {
    // The rest of a room handed over early, up to its end.
    if (!symbols && !(barFollows && isBlankRow(row))) skipping_ = false;
    return;
  }
  if (!symbols) {
    if (isOpen_ && barFollows && isBlankRow(row)) {
      ++blankRows_;
    } else {
      endRoom();
    }
    return;
  }
  // Blank rows between "|" count only between rows of symbols.
  open_.rows += blankRows_ + 1;
  if (!tooLarge_) rowStarts_.insert(rowStarts_.end(), static_cast<std::size_t>(blankRows_) + 1, firstRun);
  blankRows_ = 0;
  if (!tooLarge_ && open_.rows > kRows) becomeTooLarge();
  if (tooLarge_ && options_.tooLargeEarly && open_.rows > kRows) {
    open_.measured = false;
    endRoom();
    skipping_ = true;
  }
}

void RoomCollectionReader::startRoom(std::size_t rowStart) {
  open_ = CollectionRoom{};
  isOpen_ = true;
  open_.textStart = rowStart;
  open_.title = titleOfLine(titleLine_);
  open_.titled = !open_.title.empty();
  open_.titleStart = open_.titled ? titleLineStart_ : kNoTitle;
  titleLine_.clear();
  ++roomNumber_;
  if (!open_.titled) open_.title = "Room " + std::to_string(roomNumber_);
  left_ = std::numeric_limits<std::int64_t>::max();
  right_ = 0;
}

void RoomCollectionReader::becomeTooLarge() {
  tooLarge_ = true;
  runs_.clear();
  rowStarts_.clear();
}

void RoomCollectionReader::endRoom() {
  blankRows_ = 0;
  if (!isOpen_) return;
  ++roomsEnded_;
  CollectionRoom& room = open_;
  room.columns = right_ - left_;
  room.cells.fill(OUTSIDE);
  if (tooLarge_ || room.rows > kRows || room.columns > kColumns) {
    room.problem = RoomProblem::TooLarge;
  } else {
    // Centred, an odd row or column to spare going below or to the right.
    const int top = (kRows - static_cast<int>(room.rows)) / 2;
    const int first = (kColumns - static_cast<int>(room.columns)) / 2;
    for (int row = 0; row < room.rows; ++row) {
      for (int column = 0; column < room.columns; ++column) {
        room.cells[static_cast<std::size_t>(cellIndex(top + row, first + column))] = FLOOR;
      }
    }
    int man = -1;
    for (std::size_t row = 0; row < rowStarts_.size(); ++row) {
      const std::size_t end = row + 1 < rowStarts_.size() ? rowStarts_[row + 1] : runs_.size();
      for (std::size_t k = rowStarts_[row]; k < end; ++k) {
        const Run& run = runs_[k];
        for (std::int64_t c = run.start; c < run.start + run.length; ++c) {
          const int cell = cellIndex(top + static_cast<int>(row), first + static_cast<int>(c - left_));
          room.cells[static_cast<std::size_t>(cell)] = static_cast<std::int8_t>(codeOfSymbol(run.symbol));
          if (run.symbol == symMan || run.symbol == symManOnGoal) man = cell;
        }
      }
    }
    markOutside(room.cells);
    room.problem = problemOf(room, man);
  }
  rooms_.push_back(std::move(open_));
  isOpen_ = false;
  tooLarge_ = false;
  runs_.clear();
  rowStarts_.clear();
}

void RoomCollectionReader::end() { endRoom(); }

}  // namespace tarvo
