// The help page's own copy of a room, the edits of its forbidden lists, its marks, its room
// choice and its store.
#include "help/help_edits.h"

#include <algorithm>

namespace tarvo {

namespace {

int placeCount(const RoomRecord& room) { return std::clamp(room.forbPlaceCount, 0, kMaxPlaces); }
int coupleCount(const RoomRecord& room) { return std::clamp(room.forbCoupleCount, 0, kMaxCouples); }

bool isListedPlace(const RoomRecord& room, std::int32_t cell) {
  const auto first = room.forbPlaces.begin() + 1;
  return std::find(first, first + placeCount(room), cell) != first + placeCount(room);
}

HelpEdit removePlace(RoomRecord& room, std::int32_t cell) {
  HelpEdit edit;
  edit.cell = cell;
  if (isListedPlace(room, cell)) {
    const auto first = room.forbPlaces.begin() + 1;
    const auto end = std::remove(first, first + placeCount(room), cell);
    room.forbPlaceCount = static_cast<std::int32_t>(end - first);
    edit.kind = HelpEdit::Kind::PlaceRemoved;
  } else if (isMarkedCode(room.cells[cell])) {
    edit.kind = HelpEdit::Kind::MarkCleared;
  }
  clearMark(room, cell);
  return edit;
}

HelpEdit pickCoupleCell(RoomRecord& room, PendingCouple& pending, std::int32_t cell) {
  HelpEdit edit;
  edit.cell = cell;
  if (pending.picks == 0) {
    pending.cellA = cell;
    pending.picks = 1;
    edit.kind = HelpEdit::Kind::FirstPick;
    return edit;
  }
  if (coupleCount(room) == kMaxCouples) {
    // The first pick stays, as after any press that adds no couple.
    edit.kind = HelpEdit::Kind::Refused;
    edit.problem = "a room holds " + std::to_string(kMaxCouples) + " couples at most";
    return edit;
  }
  pending.cellB = cell;
  pending.picks = 0;
  room.forbCoupleCount = coupleCount(room) + 1;
  room.forbCouples[static_cast<std::size_t>(room.forbCoupleCount)] = CouplePair{pending.cellA, pending.cellB};
  edit.kind = HelpEdit::Kind::CoupleAdded;
  edit.coupleEntry = room.forbCoupleCount;
  return edit;
}

void chooseRoom(HouseRecord& house, bool next) {
  const int last = std::clamp(house.roomCount, 1, kMaxRooms);
  const bool inHouse = house.currentRoom >= 1 && house.currentRoom <= last;
  if (next) {
    house.currentRoom = inHouse && house.currentRoom < last ? house.currentRoom + 1 : 1;
  } else {
    house.currentRoom = inHouse && house.currentRoom > 1 ? house.currentRoom - 1 : last;
  }
}

}  // namespace

HelpMode helpModeOf(std::string_view tag) {
  if (tag == "Simple") return HelpMode::Places;
  if (tag == "Double") return HelpMode::Couples;
  return HelpMode::None;
}

void prepareHelpRoom(RoomRecord& room) {
  clearAllMarks(room);
  removeBoxesAndMan(room);
}

void loadRoomForHelp(WorkingRoom& help, const HouseRecord& house) {
  takeRoom(help, house, house.currentRoom);
  prepareHelpRoom(help.room);
}

void helpCurrentRoom(WorkingRoom& help, const HouseRecord& house) {
  const RoomRecord* stored = house.roomNumber(house.currentRoom);
  if (help.number != house.currentRoom || stored == nullptr) {
    loadRoomForHelp(help, house);
    return;
  }
  helpFollowStore(help, *stored, {});
}

ListsFollowed helpFollowStore(WorkingRoom& help, const RoomRecord& stored, const std::vector<Direction>& shifts) {
  RoomRecord fresh = stored;
  prepareHelpRoom(fresh);
  copyLists(help.room, fresh);
  help.room = fresh;
  return followStoredLists(help, stored, shifts);
}

HelpEdit addPlace(WorkingRoom& help, std::int32_t cell) {
  RoomRecord& room = help.room;
  HelpEdit edit;
  edit.cell = cell;
  if (!isPlayableCell(cell) || room.cells[cell] == OUTSIDE || isListedPlace(room, cell)) return edit;
  if (placeCount(room) == kMaxPlaces) {
    edit.kind = HelpEdit::Kind::Refused;
    edit.problem = "a room holds " + std::to_string(kMaxPlaces) + " places at most";
    return edit;
  }
  room.forbPlaceCount = placeCount(room) + 1;
  room.forbPlaces[static_cast<std::size_t>(room.forbPlaceCount)] = cell;
  setMark(room, cell);
  edit.kind = HelpEdit::Kind::PlaceAdded;
  help.listsEdited = true;
  return edit;
}

HelpEdit helpPress(WorkingRoom& help, PendingCouple& pending, HelpMode mode, HelpAction action, std::int32_t cell) {
  if (!isPlayableCell(cell)) return {};
  HelpEdit edit;
  if (mode == HelpMode::Places) {
    edit = action == HelpAction::Add ? addPlace(help, cell) : removePlace(help.room, cell);
  } else if (mode == HelpMode::Couples && action == HelpAction::Add) {
    edit = pickCoupleCell(help.room, pending, cell);
  }
  if (edit.kind == HelpEdit::Kind::PlaceRemoved || edit.kind == HelpEdit::Kind::CoupleAdded) help.listsEdited = true;
  return edit;
}

void showPlaceMarks(RoomRecord& room) {
  for (int i = 1; i <= placeCount(room); ++i) setMark(room, room.forbPlaces[static_cast<std::size_t>(i)]);
}

void showCoupleMarks(RoomRecord& room, const CouplePair& couple) {
  clearAllMarks(room);
  if (couple == CouplePair{}) return;  // a deleted couple names no cell, as in play
  setMark(room, couple.cellB);
  setMark(room, couple.cellA);
}

bool deleteCouple(WorkingRoom& help, int entry) {
  if (entry < 1 || entry > coupleCount(help.room)) return false;
  help.room.forbCouples[static_cast<std::size_t>(entry)] = CouplePair{};
  help.listsEdited = true;
  return true;
}

bool storeHelpLists(HouseRecord& house, WorkingRoom& help) {
  RoomRecord* slot = house.roomNumber(help.number);
  if (slot == nullptr) return false;
  copyLists(help.room, *slot);
  help.listsEdited = false;
  return true;
}

void helpPreviousRoom(HouseRecord& house) { chooseRoom(house, false); }

void helpNextRoom(HouseRecord& house) { chooseRoom(house, true); }

}  // namespace tarvo
