// Reading a list of rooms from a stream of room collection text, one room at a time.
#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "roomtext/room_collection.h"

namespace tarvo::solver {

// Reads the text with the collection reader of the game, a line at a time, so a long text
// never sits in memory whole. A line longer than kLongestLine bytes ends the reading with an
// error: text without line breaks (a device, a binary file) must not be read into one endless
// line, and a room, even written on one line with run lengths, is far shorter.
class RoomListReader {
 public:
  static constexpr std::size_t kLongestLine = 1024;

  explicit RoomListReader(std::istream& in) : in_(in), collection_(tooLargeEarly()) {}

  // The next room, or nothing at the end of the text or at an error, which error() then tells.
  std::optional<CollectionRoom> next();
  // Empty while the text reads well: what stopped the reading, and on which line.
  const std::string& error() const { return error_; }

 private:
  // The next line without its line break; false at the end of the text or an error.
  bool readLine(std::string& line);
  // Notes that the line being read is too long; false.
  bool tooLong();

  // A room of a stream may never end: it is told as too large once it passes ten rows.
  static RoomCollectionReader::Options tooLargeEarly() {
    RoomCollectionReader::Options options;
    options.tooLargeEarly = true;
    return options;
  }

  std::istream& in_;
  RoomCollectionReader collection_;
  std::size_t taken_ = 0;  // of collection_.rooms()
  bool ended_ = false;
  int lineNumber_ = 0;
  std::string error_;
};

struct RoomList {
  std::vector<CollectionRoom> rooms;
  std::string error;  // empty when the whole text was read
};

// All the rooms of the text at once, with the reader's rules.
RoomList readRoomList(std::istream& in);

}  // namespace tarvo::solver
