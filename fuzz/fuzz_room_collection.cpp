// Fuzz target: the plain-text room collection reader and writer. The input is the text of a
// collection, as a file or the clipboard would give it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "roomtext/room_collection.h"

namespace {

using namespace tarvo;
using fuzz::require;

bool isCollectionCode(std::int8_t code) {
  return code == OUTSIDE || code == FLOOR || code == WALL || code == GOAL || code == BOX || code == BOX + GOAL ||
         code == MAN || code == MAN + GOAL;
}

void checkRoom(const CollectionRoom& room) {
  require(room.rows >= 1 && room.columns >= 1, "a room of no rows or columns");
  require(!room.title.empty(), "a room without a title");
  if (room.problem == RoomProblem::TooLarge) {
    require(room.rows > kRows || room.columns > kColumns, "a room that fits is called too large");
    return;
  }
  require(room.rows <= kRows && room.columns <= kColumns, "a room too large is placed");
  std::int64_t boxes = 0;
  std::int64_t goals = 0;
  std::int64_t men = 0;
  for (std::int8_t code : room.cells) {
    require(isCollectionCode(code), "a placed cell holds a code no symbol gives");
    if (code == OUTSIDE || code == FLOOR) continue;
    boxes += (code & BOX) != 0 ? 1 : 0;
    goals += (code & GOAL) != 0 ? 1 : 0;
    men += (code & MAN) != 0 ? 1 : 0;
  }
  require(boxes == room.boxes && goals == room.goals && men == room.men, "the counts are not the placed symbols");
  // A room written and read again is placed on the same cells.
  const RoomRecord record = roomOfCollection(room);
  const RoomCollection again(writeCollectionRoom(record, room.title));
  require(again.size() == 1, "a written room does not read back as one room");
  require(again.room(0).cells == room.cells, "a written room reads back on other cells");
  require(again.summary(0).problem == room.problem, "a written room reads back with another problem");
  require(again.title(0) == room.title || room.title.find_first_of("\r\n") != std::string::npos,
          "a written room reads back with another title");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const fuzz::MemoryBound memory(size);
  const RoomCollection rooms(text);
  for (std::size_t k = 0; k < rooms.size(); ++k) checkRoom(rooms.room(k));
  CollectionRoom first;
  require(readFirstRoom(text, first) == !rooms.empty(), "the first room is found where the whole read finds none");
  if (!rooms.empty()) {
    require(first.cells == rooms.room(0).cells && first.title == rooms.title(0), "the first room differs");
  }
  return 0;
}
