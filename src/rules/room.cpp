// The cell operations on a room and the house's room slots.
#include "rules/room.h"

#include <algorithm>

namespace tarvo {

void RoomRecord::giveFreshLists() {
  goals = newList<std::int32_t>();
  records = std::make_shared<RecordList>();
}

std::int64_t HouseRecord::recordCount() const {
  std::int64_t count = 0;
  for (int r = 0; r < std::clamp(roomCount, 0, kMaxRooms); ++r) {
    count += static_cast<std::int64_t>(rooms[static_cast<std::size_t>(r)].recordCount());
  }
  return count;
}

RoomRecord* HouseRecord::roomNumber(std::int32_t n) {
  return n >= 1 && n <= kMaxRooms ? &rooms[static_cast<std::size_t>(n - 1)] : nullptr;
}

const RoomRecord* HouseRecord::roomNumber(std::int32_t n) const {
  return n >= 1 && n <= kMaxRooms ? &rooms[static_cast<std::size_t>(n - 1)] : nullptr;
}

bool isBox(const RoomRecord& room, int cell) { return isBoxCode(room.cells.at(cell)); }

void setMark(RoomRecord& room, int cell) {
  if (isInCellArray(cell) && isUnmarkedCode(room.cells[cell])) room.cells[cell] += MARK;
}

void clearMark(RoomRecord& room, int cell) {
  if (isInCellArray(cell) && isMarkedCode(room.cells[cell])) room.cells[cell] -= MARK;
}

void clearAllMarks(RoomRecord& room) {
  for (int i = 0; i < kPlayableCells; ++i) clearMark(room, i);
}

void removeBoxesAndMan(RoomRecord& room) {
  for (int i = 0; i < kPlayableCells; ++i) {
    if (isBox(room, i)) room.cells[i] -= BOX;
  }
  if (isPlayableCell(room.man) && isManCode(room.cells[room.man])) room.cells[room.man] -= MAN;
}

std::int32_t countBoxesOnGoals(const RoomRecord& room) {
  std::int32_t count = 0;
  for (std::int32_t goal : *room.goals) {
    if (isBox(room, goal)) ++count;
  }
  return count;
}

std::int32_t goalCount(const RoomRecord& room) { return static_cast<std::int32_t>(room.goals->size()); }

RoomRecord emptyRoom() {
  RoomRecord room;
  for (int row = 1; row < kRows - 1; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      bool border = row == 1 || row == kRows - 2 || column == 0 || column == kColumns - 1;
      room.cells[cellIndex(row, column)] = border ? WALL : FLOOR;
    }
  }
  room.man = kNoMan;
  return room;
}

HouseRecord emptyHouse() {
  HouseRecord house;
  for (RoomRecord& room : house.rooms) room = emptyRoom();
  return house;
}

}  // namespace tarvo
