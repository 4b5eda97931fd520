// The editor's commands: choosing and counting rooms, storing the edited room, shifting it.
#include "editor/commands.h"

#include <algorithm>
#include <vector>

#include "editor/room_check.h"
#include "rules/replay.h"

namespace tarvo {

namespace {

// Keeps a valid room number after a command that may have stepped past the slots.
void keepRoomInSlots(HouseRecord& house) {
  if (house.currentRoom < 1 || house.currentRoom > kMaxRooms) house.currentRoom = 1;
}

bool sameLayout(const RoomRecord& a, const RoomRecord& b) {
  return a.cells == b.cells && a.man == b.man && *a.goals == *b.goals;
}

// Records whose solution no longer solves the room go; a room whose layout is unchanged keeps
// every record it had. The list kept is a new one, so that a list shown elsewhere (the record
// list of the "Room" page) keeps the rows it shows. Returns how many were dropped.
std::size_t keepTrueRecords(RoomRecord& stored, const RoomRecord& before) {
  if (sameLayout(stored, before)) return 0;
  const RecordList& records = *stored.records;
  std::vector<std::size_t> kept;
  for (std::size_t k = 0; k < records.size(); ++k) {
    if (!replayProblem(stored, records[k].solution)) kept.push_back(k);
  }
  const std::size_t dropped = records.size() - kept.size();
  if (dropped > 0) stored.records = records.kept(kept);
  return dropped;
}

std::string counted(std::size_t n, const char* one, const char* several) {
  return std::to_string(n) + " " + (n == 1 ? one : several);
}

// Where an index goes in a shift: moved by the offset, kept when it was off the board already,
// or nothing when the shift takes it off the board.
std::optional<std::int32_t> shifted(std::int32_t index, int offset) {
  if (!isPlayableCell(index)) return index;
  if (!isPlayableCell(std::int64_t{index} + offset)) return std::nullopt;
  return index + offset;
}

}  // namespace

void readGoalsAndMan(RoomRecord& room) {
  room.goals = newList<std::int32_t>();
  std::int32_t lastMan = kNoMan;
  for (int cell = 0; cell < kPlayableCells; ++cell) {
    const std::int32_t code = room.cells[cell];
    if (code == OUTSIDE || (code & WALL) != 0) continue;
    if ((code & GOAL) != 0) room.goals->push_back(cell);
    if ((code & MAN) != 0) lastMan = cell;
  }
  if (!isPlayableCell(room.man) || !isManCode(room.cells[room.man])) room.man = lastMan;
}

RoomRecord roomAsStored(const RoomRecord& room) {
  RoomRecord stored = room;
  clearAllMarks(stored);
  readGoalsAndMan(stored);
  return stored;
}

void editPreviousRoom(GameState& state, int button) {
  HouseRecord& house = state.house;
  if (button == kLeftButton) {
    house.currentRoom = house.currentRoom == 1 ? house.roomCount : house.currentRoom - 1;
    keepRoomInSlots(house);
  } else if (button == kRightButton && house.roomCount > 1) {
    house.roomCount -= 1;
  }
  loadRoomForEditing(state);
}

void editNextRoom(GameState& state, int button) {
  HouseRecord& house = state.house;
  if (button == kLeftButton) {
    house.currentRoom = house.currentRoom == house.roomCount ? 1 : house.currentRoom + 1;
    keepRoomInSlots(house);
  } else if (button == kRightButton && house.roomCount < kMaxRooms - 1) {
    house.roomCount += 1;
    readGoalsAndMan(house.rooms[static_cast<std::size_t>(house.roomCount - 1)]);
  }
  loadRoomForEditing(state);
}

void loadRoomForEditing(GameState& state) {
  if (const RoomRecord* room = state.house.roomNumber(state.house.currentRoom)) state.editRoom.room = *room;
  state.editRoom.number = state.house.currentRoom;
}

bool editCurrentRoom(GameState& state) {
  if (state.editRoom.number == state.house.currentRoom) return false;
  loadRoomForEditing(state);
  return true;
}

std::optional<RoomStore> prepareStore(const GameState& state) {
  const RoomRecord* slot = state.house.roomNumber(state.editRoom.number);
  if (slot == nullptr) return std::nullopt;
  RoomStore store;
  store.number = state.editRoom.number;
  store.room = roomAsStored(state.editRoom.room);
  store.dropped = keepTrueRecords(store.room, *slot);
  store.kept = store.room.recordCount();
  return store;
}

void commitStore(GameState& state, const RoomStore& store) {
  RoomRecord* slot = state.house.roomNumber(store.number);
  if (slot == nullptr) return;
  *slot = store.room;
  RoomRecord& working = state.editRoom.room;
  working.records = store.room.records;
}

bool storeRoom(GameState& state) {
  const std::optional<RoomStore> store = prepareStore(state);
  if (store) commitStore(state, *store);
  return store.has_value();
}

std::string storeQuestion(const RoomStore& store) {
  return "Room " + std::to_string(store.number) + " has " +
         counted(store.dropped, "record that does", "records that do") +
         " not solve the changed room. Store it and drop " + (store.dropped == 1 ? "it?" : "them?");
}

std::string describeStore(const RoomStore& store) {
  const RoomCheck check = checkRoom(store.room);
  std::string warning;
  if (check.men == 0) {
    warning = "no man";
  } else if (check.men > 1) {
    warning = std::to_string(check.men) + " men";
  } else if (check.boxes < check.goals) {
    warning = "fewer boxes than goals";
  }
  std::string text = "room " + std::to_string(store.number) + " stored";
  if (!warning.empty()) text += ", but it has " + warning;
  text += ": " + counted(static_cast<std::size_t>(check.men), "man", "men") + ", " +
          counted(static_cast<std::size_t>(check.boxes), "box", "boxes") + ", " +
          counted(static_cast<std::size_t>(check.goals), "goal", "goals") + "; ";
  if (store.kept + store.dropped == 0) return text + "no records";
  text += counted(store.kept, "record", "records") + " kept";
  if (store.dropped > 0) text += ", " + std::to_string(store.dropped) + " dropped";
  return text;
}

void shiftRoom(GameState& state, Direction direction) {
  RoomRecord& room = state.editRoom.room;
  const int offset = offsetOf(direction);
  const CellArray before = room.cells;
  // Cells -10..-1 and 100..109 hold OUTSIDE: they fill the row or cell left empty at the edge.
  for (int cell = 0; cell < kPlayableCells; ++cell) room.cells[cell] = before[cell - offset];

  room.man = shifted(room.man, offset).value_or(kNoMan);
  // A new list: the one the editor's room had is shared with the house room.
  SharedList<std::int32_t> goals = newList<std::int32_t>();
  for (std::int32_t goal : *room.goals) {
    if (std::optional<std::int32_t> moved = shifted(goal, offset)) goals->push_back(*moved);
  }
  room.goals = goals;

  int places = 0;
  for (int i = 1; i <= std::clamp(room.forbPlaceCount, 0, kMaxPlaces); ++i) {
    if (std::optional<std::int32_t> moved = shifted(room.forbPlaces[static_cast<std::size_t>(i)], offset)) {
      room.forbPlaces[static_cast<std::size_t>(++places)] = *moved;
    }
  }
  room.forbPlaceCount = places;
  int couples = 0;
  for (int i = 1; i <= std::clamp(room.forbCoupleCount, 0, kMaxCouples); ++i) {
    const CouplePair couple = room.forbCouples[static_cast<std::size_t>(i)];
    if (couple == CouplePair{}) {
      room.forbCouples[static_cast<std::size_t>(++couples)] = couple;  // a deleted couple keeps its slot
      continue;
    }
    const std::optional<std::int32_t> a = shifted(couple.cellA, offset);
    const std::optional<std::int32_t> b = shifted(couple.cellB, offset);
    if (a && b) room.forbCouples[static_cast<std::size_t>(++couples)] = CouplePair{*a, *b};
  }
  room.forbCoupleCount = couples;
}

}  // namespace tarvo
