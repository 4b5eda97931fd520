// Splitting a text into rooms.
#include "room_list.h"

#include "solver/board.h"

namespace tarvo::solver {

RoomList readRoomList(std::istream& in) {
  RoomList list;
  std::string title;
  std::string line;
  int lineNumber = 0;
  ListedRoom* open = nullptr;  // the room still taking rows
  while (std::getline(in, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (open != nullptr) {
      open->rows.push_back(line);
      if (open->rows.size() == static_cast<std::size_t>(kSide)) open = nullptr;
      continue;
    }
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    if (line[0] == ';') {
      std::size_t start = line.find_first_not_of(' ', 1);
      title = start == std::string::npos ? "" : line.substr(start);
      continue;
    }
    list.rooms.push_back(ListedRoom{title, {line}, lineNumber});
    title.clear();
    open = &list.rooms.back();
  }
  if (open != nullptr) {
    list.error = "the room starting at line " + std::to_string(open->firstLine) + " has only " +
                 std::to_string(open->rows.size()) + " rows";
  }
  return list;
}

}  // namespace tarvo::solver
