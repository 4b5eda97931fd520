// Collections of rooms in plain text, many to a file: a collection read and kept for choosing,
// the first room of a text, the plain writer, and the house made of chosen rooms.
#include "roomtext/room_collection.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "editor/commands.h"
#include "house/file_bytes.h"
#include "rules/symbols.h"

namespace tarvo {

namespace {

std::uint32_t saturated(std::int64_t n) {
  return n >= RoomSummary::kMostCount ? RoomSummary::kMostCount
                                      : static_cast<std::uint32_t>(std::max<std::int64_t>(n, 0));
}

RoomSummary summaryOf(const CollectionRoom& room) {
  RoomSummary summary;
  summary.textStart = static_cast<std::uint32_t>(room.textStart);
  summary.titleStart = room.titled ? static_cast<std::uint32_t>(room.titleStart) : RoomSummary::kMostCount;
  summary.rows = saturated(room.rows);
  summary.columns = saturated(room.columns);
  summary.boxes = saturated(room.boxes);
  summary.goals = saturated(room.goals);
  summary.men = saturated(room.men);
  summary.problem = room.problem;
  summary.titled = room.titled;
  return summary;
}

// How often a watched read says how far it got and looks whether to stop.
constexpr std::size_t kWatchEvery = std::size_t{1} << 16;

// Feeds the text to the reader line by line, telling it where each line starts, and hands each
// room completed to `take`, until the reader is full, `take` says no more or the watch stops it.
template <typename Take>
void readText(RoomCollectionReader& reader, std::string_view text, Take take, ReadWatch* watch = nullptr) {
  std::size_t at = 0;
  std::size_t nextWatch = kWatchEvery;
  bool more = true;
  while (more && at < text.size() && !reader.full()) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    reader.readLine(text.substr(at, end - at), at);
    for (CollectionRoom& room : reader.rooms()) more = more && take(room);
    reader.rooms().clear();
    at = end + 1;
    if (watch != nullptr && at >= nextWatch) {
      watch->done = at;
      nextWatch = at + kWatchEvery;
      if (watch->stop) return;
    }
  }
  if (!more) return;
  reader.end();
  for (CollectionRoom& room : reader.rooms()) take(room);
  reader.rooms().clear();
}

}  // namespace

RoomCollection::RoomCollection(std::string_view text) : text_(new char[text.size()]), textSize_(text.size()) {
  std::memcpy(text_.get(), text.data(), text.size());
  read(nullptr);
}

RoomCollection::RoomCollection(std::unique_ptr<char[]> text, std::size_t size, ReadWatch* watch)
    : text_(std::move(text)), textSize_(size) {
  read(watch);
}

void RoomCollection::read(ReadWatch* watch) {
  RoomCollectionReader reader;
  const auto keep = [this](const CollectionRoom& room) {
    if (rooms_.size() == kMostCollectionRooms) {
      cut_ = true;
      return false;
    }
    rooms_.push_back(summaryOf(room));
    return true;
  };
  readText(reader, {text_.get(), textSize_}, keep, watch);
  stopped_ = watch != nullptr && watch->stop;
}

std::string RoomCollection::title(std::size_t k) const {
  const RoomSummary& summary = rooms_[k];
  if (!summary.titled) return "Room " + std::to_string(k + 1);
  const std::string_view line(text_.get() + summary.titleStart,
                              std::min(textSize_ - summary.titleStart, kLongestTitleBytes));
  std::string_view titleLine = line.substr(0, line.find('\n'));
  if (!titleLine.empty() && titleLine.back() == '\r') titleLine.remove_suffix(1);
  return titleOfLine(titleLine);
}

CollectionRoom RoomCollection::room(std::size_t k) const {
  // Read again from its first row with the same reader.
  const std::size_t from = rooms_[k].textStart;
  CollectionRoom room;
  readFirstRoom({text_.get() + from, textSize_ - from}, room);
  room.title = title(k);
  room.titled = rooms_[k].titled;
  return room;
}

std::string RoomCollection::describeProblem(std::size_t k) const {
  const RoomSummary& summary = rooms_[k];
  CollectionRoom room;
  room.rows = summary.rows;
  room.columns = summary.columns;
  room.men = summary.men;
  room.problem = summary.problem;
  return tarvo::describeProblem(room);
}

HouseReadResult readRoomCollectionFile(const std::string& path, std::shared_ptr<const RoomCollection>& rooms,
                                       ReadWatch* watch) {
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
    const std::size_t size = bytes.view().size();
    if (watch != nullptr) watch->total = size;
    auto read = std::make_shared<const RoomCollection>(bytes.release(), size, watch);
    if (read->stopped()) return refused(HouseReadResult::Status::Stopped, "the read was stopped");
    if (read->empty()) return refused(HouseReadResult::Status::Invalid, "it holds no room");
    rooms = std::move(read);
    return {};
  } catch (const std::bad_alloc&) {
    return refused(HouseReadResult::Status::OutOfMemory, "the rooms do not fit in memory");
  }
}

bool isCollectionFileName(std::string_view name) {
  constexpr std::string_view kExtension = ".txt";
  return name.size() >= kExtension.size() &&
         std::equal(kExtension.begin(), kExtension.end(), name.end() - kExtension.size(),
                    [](char lower, char c) { return std::tolower(static_cast<unsigned char>(c)) == lower; });
}

bool readFirstRoom(std::string_view text, CollectionRoom& room) {
  RoomCollectionReader::Options options;
  options.mostRooms = 1;
  RoomCollectionReader reader(options);
  bool found = false;
  readText(reader, text, [&](CollectionRoom& read) {
    room = std::move(read);
    found = true;
    return false;
  });
  return found;
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

namespace {

std::string titleText(std::string_view title) {
  std::string text(title);
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  return text;
}

}  // namespace

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
  std::vector<std::string> rows;
  bool blankInside = false;
  for (int row = top; row <= bottom; ++row) {
    std::string line;
    for (int column = left; column <= right; ++column) {
      const char symbol = symbolForWriting(room.cells[cellIndex(row, column)]);
      line += symbol == symOutside ? symFloor : symbol;
    }
    line.erase(line.find_last_not_of(symFloor) + 1);
    blankInside = blankInside || line.empty();
    rows.push_back(std::move(line));
  }
  // A row without a symbol would end the room on a line of its own: between "|" it is a blank
  // row of the room.
  for (std::string& row : rows) {
    if (blankInside && row.empty()) row = std::string(1, symOutside);
    text += row;
    text += blankInside && &row != &rows.back() ? '|' : '\n';
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

bool takesWholeCollection(const RoomCollection& rooms) {
  if (rooms.empty() || rooms.cut() || rooms.size() > static_cast<std::size_t>(kMaxRooms)) return false;
  for (std::size_t k = 0; k < rooms.size(); ++k) {
    if (!rooms.summary(k).canBeTaken()) return false;
  }
  return true;
}

std::vector<std::size_t> firstRoomsToTake(const RoomCollection& rooms) {
  std::vector<std::size_t> places;
  for (std::size_t k = 0; k < rooms.size() && places.size() < static_cast<std::size_t>(kMaxRooms); ++k) {
    if (rooms.summary(k).canBeTaken()) places.push_back(k);
  }
  return places;
}

HouseRecord houseOfCollection(const RoomCollection& rooms, const std::vector<std::size_t>& places,
                              const std::string& name) {
  HouseRecord house = emptyHouse();
  house.houseName = name;
  house.roomCount = static_cast<std::int32_t>(places.size());
  house.currentRoom = 1;
  for (std::size_t k = 0; k < places.size(); ++k) house.rooms[k] = roomOfCollection(rooms.room(places[k]));
  return house;
}

}  // namespace tarvo
