// The editor's commands: choosing and counting rooms, storing the edited room, shifting it.
#include "editor/commands.h"

#include <algorithm>
#include <vector>

#include "editor/room_check.h"
#include "rules/play.h"
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

void applyEditorArrow(HouseRecord& house, EditorArrow arrow) {
  switch (arrow) {
    case EditorArrow::PreviousRoom:
      house.currentRoom = house.currentRoom == 1 ? house.roomCount : house.currentRoom - 1;
      keepRoomInSlots(house);
      return;
    case EditorArrow::NextRoom:
      house.currentRoom = house.currentRoom == house.roomCount ? 1 : house.currentRoom + 1;
      keepRoomInSlots(house);
      return;
    case EditorArrow::OneRoomLess:
      if (house.roomCount > 1) house.roomCount -= 1;
      return;
    case EditorArrow::OneRoomMore:
      if (house.roomCount < kMaxRooms - 1) {
        house.roomCount += 1;
        readGoalsAndMan(house.rooms[static_cast<std::size_t>(house.roomCount - 1)]);
      }
      return;
  }
}

void loadRoomForEditing(WorkingRoom& edit, const HouseRecord& house) { takeRoom(edit, house, house.currentRoom); }

bool editCurrentRoom(WorkingRoom& edit, const HouseRecord& house) {
  if (edit.number == house.currentRoom) return false;
  loadRoomForEditing(edit, house);
  return true;
}

std::optional<RoomStore> prepareStore(const WorkingRoom& edit, const HouseRecord& house) {
  const RoomRecord* slot = house.roomNumber(edit.number);
  if (slot == nullptr) return std::nullopt;
  RoomStore store;
  store.number = edit.number;
  store.room = roomAsStored(edit.room);
  store.dropped = keepTrueRecords(store.room, *slot);
  store.kept = store.room.recordCount();
  return store;
}

void commitStore(HouseRecord& house, const RoomStore& store) {
  if (RoomRecord* slot = house.roomNumber(store.number)) *slot = store.room;
}

void keepStored(WorkingRoom& edit, const RoomStore& store) {
  edit.room.records = store.room.records;
  edit.shifts.clear();
  edit.listsEdited = false;
}

bool storeRoom(WorkingRoom& edit, HouseRecord& house) {
  const std::optional<RoomStore> store = prepareStore(edit, house);
  if (!store) return false;
  commitStore(house, *store);
  keepStored(edit, *store);
  return true;
}

std::string storeQuestion(const RoomStore& store) {
  return "Room " + std::to_string(store.number) + " has " +
         counted(store.dropped, "record that does", "records that do") +
         " not solve the changed room. Store it and drop " + (store.dropped == 1 ? "it?" : "them?");
}

std::string describeStore(const RoomStore& store, const HouseRecord& house) {
  if (std::optional<std::string> outside = storedOutsideHouse(house, store.number)) return *outside;
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

void shiftRoom(WorkingRoom& edit, Direction direction) {
  RoomRecord& room = edit.room;
  const int offset = offsetOf(direction);
  const CellArray before = room.cells;
  // Cells -10..-1 and 100..109 hold OUTSIDE: they fill the row or cell left empty at the edge.
  for (int cell = 0; cell < kPlayableCells; ++cell) room.cells[cell] = before[cell - offset];

  room.man = shiftedIndex(room.man, direction).value_or(kNoMan);
  // A new list: the one the editor's room had is shared with the house room.
  SharedList<std::int32_t> goals = newList<std::int32_t>();
  for (std::int32_t goal : *room.goals) {
    if (std::optional<std::int32_t> index = shiftedIndex(goal, direction)) goals->push_back(*index);
  }
  room.goals = goals;
  shiftLists(room, direction);
  edit.shifts.push_back(direction);
}

}  // namespace tarvo
