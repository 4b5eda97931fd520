// Splitting a text into rooms.
#include "room_list.h"

#include "solver/board.h"

namespace tarvo::solver {

bool RoomListReader::tooLong() {
  error_ = "line " + std::to_string(lineNumber_ + 1) + " is longer than " + std::to_string(kLongestLine) + " bytes";
  return false;
}

bool RoomListReader::readLine(std::string& line) {
  line.clear();
  const std::size_t longest = kLongestLine + 1;  // with the CR of a CR LF
  for (;;) {
    // The stream's get() turns a failing buffer (an exception from a file's buffer) into its bad state.
    const std::istream::int_type c = in_.get();
    if (c == std::istream::traits_type::eof()) {
      if (in_.bad()) {
        error_ = "reading stopped at line " + std::to_string(lineNumber_ + 1);
        return false;
      }
      if (line.empty()) return false;
      break;
    }
    if (c == '\n') break;
    if (line.size() == longest) return tooLong();
    line += static_cast<char>(c);
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.size() > kLongestLine) return tooLong();
  ++lineNumber_;
  return true;
}

std::optional<ListedRoom> RoomListReader::next() {
  if (!error_.empty()) return std::nullopt;
  std::string title;
  std::string line;
  while (readLine(line)) {
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    if (line[0] == ';') {
      const std::size_t start = line.find_first_not_of(' ', 1);
      title = start == std::string::npos ? "" : line.substr(start);
      continue;
    }
    ListedRoom room{title, {line}, lineNumber_};
    while (room.rows.size() < static_cast<std::size_t>(kSide) && readLine(line)) room.rows.push_back(line);
    if (!error_.empty()) return std::nullopt;
    if (room.rows.size() < static_cast<std::size_t>(kSide)) {
      error_ = "the room starting at line " + std::to_string(room.firstLine) + " has only " +
               std::to_string(room.rows.size()) + " rows";
      return std::nullopt;
    }
    return room;
  }
  return std::nullopt;
}

RoomList readRoomList(std::istream& in) {
  RoomList list;
  RoomListReader reader(in);
  while (std::optional<ListedRoom> room = reader.next()) list.rooms.push_back(std::move(*room));
  list.error = reader.error();
  return list;
}

}  // namespace tarvo::solver
