// The help page's own copy of a room, the edits of its forbidden lists, its marks, its room
// choice and its store.
#include "help/help_edits.h"

#include <algorithm>

#include "rules/mouse_buttons.h"

namespace tarvo {

namespace {

int placeCount(const RoomRecord& room) { return std::clamp(room.forbPlaceCount, 0, kMaxPlaces); }
int coupleCount(const RoomRecord& room) { return std::clamp(room.forbCoupleCount, 0, kMaxCouples); }

bool isListedPlace(const RoomRecord& room, std::int32_t cell) {
  const auto first = room.forbPlaces.begin() + 1;
  return std::find(first, first + placeCount(room), cell) != first + placeCount(room);
}

HelpEdit placePress(RoomRecord& room, int button, std::int32_t cell) {
  HelpEdit edit;
  edit.cell = cell;
  if (button == kLeftButton) {
    if (room.cells[cell] == OUTSIDE || isListedPlace(room, cell)) return edit;
    if (placeCount(room) == kMaxPlaces) {
      edit.kind = HelpEdit::Kind::Refused;
      edit.problem = "a room holds " + std::to_string(kMaxPlaces) + " places at most";
      return edit;
    }
    room.forbPlaceCount = placeCount(room) + 1;
    room.forbPlaces[static_cast<std::size_t>(room.forbPlaceCount)] = cell;
    setMark(room, cell);
    edit.kind = HelpEdit::Kind::PlaceAdded;
  } else if (button == kRightButton) {
    if (isListedPlace(room, cell)) {
      const auto first = room.forbPlaces.begin() + 1;
      const auto end = std::remove(first, first + placeCount(room), cell);
      room.forbPlaceCount = static_cast<std::int32_t>(end - first);
      edit.kind = HelpEdit::Kind::PlaceRemoved;
    } else if (isMarkedCode(room.cells[cell])) {
      edit.kind = HelpEdit::Kind::MarkCleared;
    }
    clearMark(room, cell);
  }
  return edit;
}

HelpEdit couplePress(RoomRecord& room, PendingCouple& pending, int button, std::int32_t cell) {
  HelpEdit edit;
  edit.cell = cell;
  if (button != kLeftButton) return edit;
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

void chooseRoom(GameState& state, bool next) {
  HouseRecord& house = state.house;
  const int last = std::clamp(house.roomCount, 1, kMaxRooms);
  const bool inHouse = house.currentRoom >= 1 && house.currentRoom <= last;
  if (next) {
    house.currentRoom = inHouse && house.currentRoom < last ? house.currentRoom + 1 : 1;
  } else {
    house.currentRoom = inHouse && house.currentRoom > 1 ? house.currentRoom - 1 : last;
  }
  loadRoomForHelp(state);
}

void copyLists(const RoomRecord& from, RoomRecord& to) {
  to.forbPlaceCount = placeCount(from);
  std::copy_n(from.forbPlaces.begin() + 1, placeCount(from), to.forbPlaces.begin() + 1);
  to.forbCoupleCount = coupleCount(from);
  std::copy_n(from.forbCouples.begin() + 1, coupleCount(from), to.forbCouples.begin() + 1);
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

void loadRoomForHelp(GameState& state) {
  if (const RoomRecord* room = state.house.roomNumber(state.house.currentRoom)) {
    state.helpRoom.room = *room;
    prepareHelpRoom(state.helpRoom.room);
  }
  state.helpRoom.number = state.house.currentRoom;
}

void helpCurrentRoom(GameState& state) {
  const RoomRecord* stored = state.house.roomNumber(state.house.currentRoom);
  if (state.helpRoom.number != state.house.currentRoom || stored == nullptr) {
    loadRoomForHelp(state);
    return;
  }
  RoomRecord fresh = *stored;
  prepareHelpRoom(fresh);
  copyLists(state.helpRoom.room, fresh);
  state.helpRoom.room = fresh;
}

HelpEdit helpPress(GameState& state, HelpMode mode, int button, std::int32_t cell) {
  if (!isPlayableCell(cell)) return {};
  RoomRecord& room = state.helpRoom.room;
  if (mode == HelpMode::Places) return placePress(room, button, cell);
  if (mode == HelpMode::Couples) return couplePress(room, state.pendingCouple, button, cell);
  return {};
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

bool deleteCouple(RoomRecord& room, int entry) {
  if (entry < 1 || entry > coupleCount(room)) return false;
  room.forbCouples[static_cast<std::size_t>(entry)] = CouplePair{};
  return true;
}

bool storeHelpLists(GameState& state) {
  RoomRecord* slot = state.house.roomNumber(state.helpRoom.number);
  if (slot == nullptr) return false;
  copyLists(state.helpRoom.room, *slot);
  if (state.editRoom.number == state.helpRoom.number) copyLists(state.helpRoom.room, state.editRoom.room);
  return true;
}

void helpPreviousRoom(GameState& state) { chooseRoom(state, false); }

void helpNextRoom(GameState& state) { chooseRoom(state, true); }

}  // namespace tarvo
