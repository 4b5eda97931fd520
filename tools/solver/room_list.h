// Reading a list of rooms from text: optional "; title" lines, then ten rows per room.
#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace tarvo::solver {

struct ListedRoom {
  std::string title;              // the last "; ..." line before the room, without "; "
  std::vector<std::string> rows;  // always ten
  int firstLine = 0;              // 1-based line of the first row, for messages
};

// Between rooms, blank lines are skipped and lines starting with ";" are comments, the last
// of which titles the next room. Any other line starts a room, which takes that line and the
// nine after it as its rows (a blank row inside a room is ten floor cells). CR LF is accepted.
//
// The rooms come one at a time, so a long text never sits in memory whole. A line longer than
// kLongestLine bytes ends the reading with an error: no room row or title is that long, and
// text without line breaks (a device, a binary file) must not be read into one endless line.
class RoomListReader {
 public:
  static constexpr std::size_t kLongestLine = 1024;

  explicit RoomListReader(std::istream& in) : in_(in) {}

  // The next room, or nothing at the end of the text or at an error, which error() then tells.
  std::optional<ListedRoom> next();
  // Empty while the text reads well: what stopped the reading, and on which line.
  const std::string& error() const { return error_; }

 private:
  // The next line without its line break (and CR); false at the end of the text or an error.
  bool readLine(std::string& line);
  // Notes that the line being read is too long; false.
  bool tooLong();

  std::istream& in_;
  int lineNumber_ = 0;
  std::string error_;
};

struct RoomList {
  std::vector<ListedRoom> rooms;
  std::string error;  // empty when the whole text was read
};

// All the rooms of the text at once, with the reader's rules.
RoomList readRoomList(std::istream& in);

}  // namespace tarvo::solver
