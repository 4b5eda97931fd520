// Reading a stream of room collection text, one room at a time.
#include "room_list.h"

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

std::optional<CollectionRoom> RoomListReader::next() {
  std::string line;
  for (;;) {
    std::vector<CollectionRoom>& read = collection_.rooms();
    if (taken_ < read.size()) {
      CollectionRoom room = std::move(read[taken_++]);
      if (taken_ == read.size()) {
        read.clear();
        taken_ = 0;
      }
      return room;
    }
    if (ended_ || !error_.empty()) return std::nullopt;
    if (readLine(line)) {
      collection_.readLine(line);
    } else if (error_.empty()) {
      collection_.end();
      ended_ = true;
    }
  }
}

RoomList readRoomList(std::istream& in) {
  RoomList list;
  RoomListReader reader(in);
  while (std::optional<CollectionRoom> room = reader.next()) list.rooms.push_back(std::move(*room));
  list.error = reader.error();
  return list;
}

}  // namespace tarvo::solver
