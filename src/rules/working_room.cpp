// A page's work in progress on one room of the house.
#include "rules/working_room.h"

#include <algorithm>

namespace tarvo {

namespace {

int placeCount(const RoomRecord& room) { return std::clamp(room.forbPlaceCount, 0, kMaxPlaces); }
int coupleCount(const RoomRecord& room) { return std::clamp(room.forbCoupleCount, 0, kMaxCouples); }

}  // namespace

std::optional<std::int32_t> shiftedIndex(std::int32_t index, Direction direction) {
  if (!isPlayableCell(index)) return index;
  if (!isPlayableCell(std::int64_t{index} + offsetOf(direction))) return std::nullopt;
  return index + offsetOf(direction);
}

void takeRoom(WorkingRoom& working, const HouseRecord& house, std::int32_t number) {
  if (const RoomRecord* room = house.roomNumber(number)) working.room = *room;
  working.number = number;
  working.shifts.clear();
  working.listsEdited = false;
}

void shiftLists(RoomRecord& room, Direction direction) {
  int places = 0;
  for (int i = 1; i <= placeCount(room); ++i) {
    if (std::optional<std::int32_t> moved = shiftedIndex(room.forbPlaces[static_cast<std::size_t>(i)], direction)) {
      room.forbPlaces[static_cast<std::size_t>(++places)] = *moved;
    }
  }
  room.forbPlaceCount = places;
  int couples = 0;
  for (int i = 1; i <= coupleCount(room); ++i) {
    const CouplePair couple = room.forbCouples[static_cast<std::size_t>(i)];
    if (couple == CouplePair{}) {
      room.forbCouples[static_cast<std::size_t>(++couples)] = couple;  // a deleted couple keeps its slot
      continue;
    }
    const std::optional<std::int32_t> a = shiftedIndex(couple.cellA, direction);
    const std::optional<std::int32_t> b = shiftedIndex(couple.cellB, direction);
    if (a && b) room.forbCouples[static_cast<std::size_t>(++couples)] = CouplePair{*a, *b};
  }
  room.forbCoupleCount = couples;
}

void copyLists(const RoomRecord& from, RoomRecord& to) {
  to.forbPlaceCount = placeCount(from);
  std::copy_n(from.forbPlaces.begin() + 1, placeCount(from), to.forbPlaces.begin() + 1);
  to.forbCoupleCount = coupleCount(from);
  std::copy_n(from.forbCouples.begin() + 1, coupleCount(from), to.forbCouples.begin() + 1);
}

ListsFollowed followStoredLists(WorkingRoom& working, const RoomRecord& stored, const std::vector<Direction>& shifts) {
  if (working.listsEdited) {
    for (Direction direction : shifts) shiftLists(working.room, direction);
    return ListsFollowed::Kept;
  }
  copyLists(stored, working.room);
  for (Direction direction : working.shifts) shiftLists(working.room, direction);
  return ListsFollowed::Taken;
}

}  // namespace tarvo
