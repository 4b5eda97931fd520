// The editor's commands: choosing and counting rooms, storing the edited room, shifting it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "rules/direction.h"
#include "rules/room.h"
#include "rules/working_room.h"

namespace tarvo {

// Takes the current room of the house, as stored, as the editor's room: what was painted and
// not stored goes.
void loadRoomForEditing(WorkingRoom& edit, const HouseRecord& house);

// The editor shown again: its room stays as it was while it belongs to the current room; when
// the current room changed elsewhere (or another house was read), the editor takes the current
// one. True when it took it.
bool editCurrentRoom(WorkingRoom& edit, const HouseRecord& house);

// What "<" and ">" of the editor do to the house.
enum class EditorArrow {
  PreviousRoom,  // the previous room (from room 1 the last)
  NextRoom,      // the next room (after the last room, room 1; never past room 16)
  OneRoomLess,   // the house takes one room off (never below one); the current room stays
  OneRoomMore,   // the house adds a room up to 15 (a house of 16 keeps its 16)
};

// Changes the current room or the room count as the arrow says. A room that joins the house
// is made playable: its goals and man are read from its cells. The editor then loads the
// current room, whichever arrow it was.
void applyEditorArrow(HouseRecord& house, EditorArrow arrow);

// What storing the editor's room does to the house.
struct RoomStore {
  std::int32_t number = 0;  // the room of the house it goes into: the one it was taken from
  RoomRecord room;          // as stored: no marks, goals and man read from its cells, the records kept
  std::size_t kept = 0;     // records that still solve the room
  std::size_t dropped = 0;  // records that no longer solve it
};

// The store of the editor's room into the room of the house it belongs to, with the records
// that still solve it; nothing when it belongs to no slot. The house is not changed.
std::optional<RoomStore> prepareStore(const WorkingRoom& edit, const HouseRecord& house);

// Puts a prepared store into the house.
void commitStore(HouseRecord& house, const RoomStore& store);

// The editor's room once stored: it goes on sharing the records of the stored room, as a copy
// of it would, and its shifts and list edits are behind it.
void keepStored(WorkingRoom& edit, const RoomStore& store);

// Prepares, commits and keeps at once. Returns false, storing nothing, when the editor's room
// belongs to no slot.
bool storeRoom(WorkingRoom& edit, HouseRecord& house);

// The question asked before a store drops records: "Room 5 has 3 records that do not solve the
// changed room. Store it and drop them?"
std::string storeQuestion(const RoomStore& store);

// What a store into `house` did, for the editor's status line: "room 5 stored: 1 man, 3 boxes,
// 3 goals; 2 records kept, 1 dropped", or "room 5 stored, but it has 2 men: ..." when the room
// cannot be played as it should (no man, several men, fewer boxes than goals), or, for a room
// past the count, that it is not saved to disk.
std::string describeStore(const RoomStore& store, const HouseRecord& house);

// Moves the editor's cells one row or one cell as one sequence in row order (a shift left carries
// column 0 into column 9 of the row above), and its man, goals and forbidden lists with them.
// An index that would leave the board is dropped; deleted couples and values already off the
// board stay as they are. The shift is remembered until the room is stored or taken afresh.
void shiftRoom(WorkingRoom& edit, Direction direction);

// The room as a store puts it into the house: without marks, with its goals and man read
// from its cells. Its records are still shared with `room`.
RoomRecord roomAsStored(const RoomRecord& room);

// Gives the room a new goal list read from its goal cells in cell order, and a man: `man` when
// it names a man's cell, else the last man in row order, else none.
void readGoalsAndMan(RoomRecord& room);

}  // namespace tarvo
