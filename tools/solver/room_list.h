// Reading a list of rooms from text: optional "; title" lines, then ten rows per room.
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace tarvo::solver {

struct ListedRoom {
  std::string title;              // the last "; ..." line before the room, without "; "
  std::vector<std::string> rows;  // always ten
  int firstLine = 0;              // 1-based line of the first row, for messages
};

struct RoomList {
  std::vector<ListedRoom> rooms;
  std::string error;  // empty when the whole text was read
};

// Between rooms, blank lines are skipped and lines starting with ";" are comments, the last
// of which titles the next room. Any other line starts a room, which takes that line and the
// nine after it as its rows (a blank row inside a room is ten floor cells). CR LF is accepted.
RoomList readRoomList(std::istream& in);

}  // namespace tarvo::solver
