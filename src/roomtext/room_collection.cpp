// Collections of rooms in plain text, many to a file: the lenient reader and the plain writer.
#include "roomtext/room_collection.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "editor/commands.h"
#include "house/file_bytes.h"
#include "rules/symbols.h"

namespace tarvo {

namespace {

// A digit run longer than this is read as this: far past any board, and the sums of a line's
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
bool equalsIgnoringCase(std::string_view text, std::string_view lower) {
  return std::equal(text.begin(), text.end(), lower.begin(), lower.end(),
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

std::string trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t");
  return std::string(text.substr(first, last - first + 1));
}

// The title a line gives the room after it, or empty.
std::string titleOfLine(std::string_view line) {
  if (!line.empty() && line[0] == ';') return trimmed(line.substr(1));
  constexpr std::string_view kTitle = "title:";
  if (line.size() >= kTitle.size() && equalsIgnoringCase(line.substr(0, kTitle.size()), kTitle)) {
    return trimmed(line.substr(kTitle.size()));
  }
  return {};
}

}  // namespace

void RoomCollectionReader::readLine(std::string_view line) {
  if (full()) return;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (!isRoomLine(line)) {
    endRoom();
    if (!isEmptyLine(line)) titleLine_.assign(line);
    return;
  }
  // "|" ends a row; an empty or blank row ends the room, and the rows after it start another.
  while (true) {
    const std::size_t bar = line.find('|');
    const std::string_view row = line.substr(0, bar);
    if (bar == std::string_view::npos || bar + 1 < line.size() || !row.empty()) readRow(row);
    if (bar == std::string_view::npos) break;
    line.remove_prefix(bar + 1);
    if (line.empty()) break;
  }
}

void RoomCollectionReader::readRow(std::string_view row) {
  if (full()) return;
  const std::size_t firstRun = runs_.size();
  std::int64_t column = 0;
  for (std::size_t i = 0; i < row.size(); ++i) {
    std::int64_t count = 1;
    if (isDigit(row[i])) {
      count = 0;
      for (; i < row.size() && isDigit(row[i]); ++i) count = std::min(kLongestRun, count * 10 + (row[i] - '0'));
    }
    if (i == row.size()) break;
    if (isCellSymbol(row[i]) && count > 0) runs_.push_back(Run{column, count, row[i]});
    column += count;
  }
  if (runs_.size() == firstRun) {
    endRoom();
    return;
  }
  if (rowStarts_.empty()) startRoom();
  rowStarts_.push_back(firstRun);
}

void RoomCollectionReader::startRoom() {
  title_ = titleOfLine(titleLine_);
  titleLine_.clear();
  ++roomNumber_;
  titled_ = !title_.empty();
  if (!titled_) title_ = "Room " + std::to_string(roomNumber_);
}

namespace {

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

}  // namespace

void RoomCollectionReader::endRoom() {
  if (rowStarts_.empty()) return;
  ++roomsEnded_;
  CollectionRoom& room = rooms_.emplace_back();
  room.title = std::move(title_);
  room.titled = titled_;
  std::int64_t left = std::numeric_limits<std::int64_t>::max();
  std::int64_t right = 0;
  for (const Run& run : runs_) {
    left = std::min(left, run.start);
    right = std::max(right, run.start + run.length);
    if (run.symbol == symBox || run.symbol == symBoxOnGoal) room.boxes += run.length;
    if (run.symbol == symGoal || run.symbol == symBoxOnGoal || run.symbol == symManOnGoal) room.goals += run.length;
    if (run.symbol == symMan || run.symbol == symManOnGoal) room.men += run.length;
  }
  room.rows = static_cast<std::int64_t>(rowStarts_.size());
  room.columns = right - left;
  room.cells.fill(OUTSIDE);
  if (room.rows > kRows || room.columns > kColumns) {
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
          const int cell = cellIndex(top + static_cast<int>(row), first + static_cast<int>(c - left));
          room.cells[static_cast<std::size_t>(cell)] = static_cast<std::int8_t>(codeOfSymbol(run.symbol));
          if (run.symbol == symMan || run.symbol == symManOnGoal) man = cell;
        }
      }
    }
    markOutside(room.cells);
    if (room.men == 0) {
      room.problem = RoomProblem::NoMan;
    } else if (room.men > 1) {
      room.problem = RoomProblem::SeveralMen;
    } else if (room.goals == 0) {
      room.problem = RoomProblem::NoGoal;
    } else if (room.boxes < room.goals) {
      room.problem = RoomProblem::FewerBoxes;
    } else if (manReachesEdge(room.cells, man)) {
      room.problem = RoomProblem::Open;
    }
  }
  runs_.clear();
  rowStarts_.clear();
}

namespace {

std::string titleText(std::string_view title) {
  std::string text(title);
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  return text;
}

}  // namespace

std::string describeProblem(const CollectionRoom& room) {
  switch (room.problem) {
    case RoomProblem::None: return {};
    case RoomProblem::TooLarge: return "too large: " + std::to_string(room.columns) + " x " + std::to_string(room.rows);
    case RoomProblem::NoMan: return "no man";
    case RoomProblem::SeveralMen: return std::to_string(room.men) + " men";
    case RoomProblem::NoGoal: return "no goal";
    case RoomProblem::FewerBoxes: return "fewer boxes than goals";
    case RoomProblem::Open: return "open";
  }
  return {};
}

void RoomCollectionReader::end() { endRoom(); }

namespace {

// Feeds the text to the reader line by line, until it is full.
void readText(RoomCollectionReader& reader, std::string_view text) {
  while (!text.empty() && !reader.full()) {
    const std::size_t end = text.find('\n');
    reader.readLine(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  reader.end();
}

}  // namespace

std::vector<CollectionRoom> readRoomCollection(std::string_view text) {
  RoomCollectionReader reader;
  readText(reader, text);
  return std::move(reader.rooms());
}

HouseReadResult readRoomCollectionFile(const std::string& path, std::vector<CollectionRoom>& rooms) {
  using Outcome = FileBytes::Outcome;
  const auto refused = [](HouseReadResult::Status status, std::string problem) {
    return HouseReadResult{status, 0, std::move(problem)};
  };
  try {
    FileBytes bytes;
    std::string reason;
    switch (bytes.read(path, kMaxCollectionFileBytes, reason)) {
      case Outcome::Read: break;
      case Outcome::CannotOpen:
        return refused(HouseReadResult::Status::CannotOpen, "cannot read " + path + ": " + reason);
      case Outcome::NotAFile:
        return refused(HouseReadResult::Status::CannotOpen, path + " is " + reason + ", not a room collection");
      case Outcome::TooLarge:
        return refused(HouseReadResult::Status::CannotOpen, path + " is larger than a room collection can be (" +
                                                                std::to_string(kMaxCollectionFileBytes >> 20) +
                                                                " MiB)");
    }
    std::vector<CollectionRoom> read = readRoomCollection(bytes.view());
    if (read.empty()) return refused(HouseReadResult::Status::Invalid, "it holds no room");
    rooms = std::move(read);
    return {};
  } catch (const std::bad_alloc&) {
    return refused(HouseReadResult::Status::OutOfMemory, "the rooms do not fit in memory");
  }
}

bool isCollectionFileName(std::string_view name) {
  constexpr std::string_view kExtension = ".txt";
  return name.size() >= kExtension.size() &&
         equalsIgnoringCase(name.substr(name.size() - kExtension.size()), kExtension);
}

bool readFirstRoom(std::string_view text, CollectionRoom& room) {
  RoomCollectionReader reader(1);
  readText(reader, text);
  std::vector<CollectionRoom>& rooms = reader.rooms();
  if (rooms.empty()) return false;
  room = std::move(rooms.front());
  return true;
}

RoomRecord roomOfCollection(const CollectionRoom& room) {
  RoomRecord record;
  for (int cell = 0; cell < kPlayableCells; ++cell) record.cells[cell] = room.cells[static_cast<std::size_t>(cell)];
  record.man = kNoMan;
  readGoalsAndMan(record);
  return record;
}

std::string pasteRoomText(RoomRecord& room, std::string_view text) {
  CollectionRoom read;
  if (!readFirstRoom(text, read)) return "nothing pasted: the clipboard holds no room";
  const std::string quoted = "\"" + read.title + "\"";
  if (read.problem == RoomProblem::TooLarge) return "nothing pasted: " + quoted + " is " + describeProblem(read);
  const RoomRecord pasted = roomOfCollection(read);
  room.cells = pasted.cells;
  room.goals = pasted.goals;
  room.man = pasted.man;
  std::string report = "pasted " + quoted + ", " + std::to_string(read.columns) + " x " + std::to_string(read.rows);
  if (!read.canBeTaken()) report += " (" + describeProblem(read) + ")";
  return report;
}

std::string writeCollectionRoom(const RoomRecord& room, std::string_view title) {
  std::string text = "; " + titleText(title) + "\n";
  int top = kRows;
  int bottom = -1;
  int left = kColumns;
  int right = -1;
  for (int cell = 0; cell < kPlayableCells; ++cell) {
    const char symbol = symbolForWriting(room.cells[cell]);
    if (symbol == symFloor || symbol == symOutside) continue;
    top = std::min(top, cell / kColumns);
    bottom = std::max(bottom, cell / kColumns);
    left = std::min(left, cell % kColumns);
    right = std::max(right, cell % kColumns);
  }
  for (int row = top; row <= bottom; ++row) {
    std::string line;
    for (int column = left; column <= right; ++column) {
      const char symbol = symbolForWriting(room.cells[cellIndex(row, column)]);
      line += symbol == symOutside ? symFloor : symbol;
    }
    line.erase(line.find_last_not_of(symFloor) + 1);
    text += line;
    text += '\n';
  }
  return text;
}

std::string writeRoomCollection(const HouseRecord& house) {
  std::string text = "; " + titleText(house.houseName) + "\n";
  for (int n = 1; n <= std::clamp(house.roomCount, 0, kMaxRooms); ++n) {
    text += '\n';
    text += writeCollectionRoom(*house.roomNumber(n), "Room " + std::to_string(n));
  }
  return text;
}

bool takesWholeCollection(const std::vector<CollectionRoom>& rooms) {
  return !rooms.empty() && rooms.size() <= static_cast<std::size_t>(kMaxRooms) &&
         std::all_of(rooms.begin(), rooms.end(), [](const CollectionRoom& room) { return room.canBeTaken(); });
}

std::vector<std::size_t> firstRoomsToTake(const std::vector<CollectionRoom>& rooms) {
  std::vector<std::size_t> places;
  for (std::size_t k = 0; k < rooms.size() && places.size() < static_cast<std::size_t>(kMaxRooms); ++k) {
    if (rooms[k].canBeTaken()) places.push_back(k);
  }
  return places;
}

HouseRecord houseOfCollection(const std::vector<const CollectionRoom*>& rooms, const std::string& name) {
  HouseRecord house = emptyHouse();
  house.houseName = name;
  house.roomCount = static_cast<std::int32_t>(rooms.size());
  house.currentRoom = 1;
  for (std::size_t k = 0; k < rooms.size(); ++k) house.rooms[k] = roomOfCollection(*rooms[k]);
  return house;
}

}  // namespace tarvo
