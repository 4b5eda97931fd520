// A page's work in progress on one room of the house: the room as the page has made it, the
// room of the house it was taken from, and what another page's store of that room must respect.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "rules/direction.h"
#include "rules/room.h"

namespace tarvo {

struct WorkingRoom {
  RoomRecord room;
  std::int32_t number = 0;        // the house's room it was taken from (1-based); 0: none, or forgotten
  std::vector<Direction> shifts;  // the shifts made on it since it was taken, in order
  bool listsEdited = false;       // its forbidden lists were edited since it was taken or stored
};

// Takes room `number` of the house as it is stored (when the number names a slot) as the
// working room: what was made on the one before goes.
void takeRoom(WorkingRoom& working, const HouseRecord& house, std::int32_t number);

// Where a cell index goes when the cells shift one way: moved with its cell, kept when it was
// off the board already, or nothing when the shift takes it off the board.
std::optional<std::int32_t> shiftedIndex(std::int32_t index, Direction direction);

// Moves the forbidden places and couples as a shift of the cells in `direction` moves the
// cells they name: an index the shift takes off the board is dropped (a couple with it), and
// deleted couples and values already off the board stay as they are.
void shiftLists(RoomRecord& room, Direction direction);

// Copies the forbidden place and couple lists of one room into another.
void copyLists(const RoomRecord& from, RoomRecord& to);

// What a working room did with its lists when another page stored its room.
enum class ListsFollowed { Taken, Kept };

// Another page stored the working room's room, which the house now holds as `stored`, after
// shifting it by `shifts` since it took it. A working room whose lists were not edited takes
// the stored lists, moved by its own shifts so that they name its cells; one whose lists were
// edited keeps them, moved by the store's shifts so that they name the stored cells.
ListsFollowed followStoredLists(WorkingRoom& working, const RoomRecord& stored, const std::vector<Direction>& shifts);

}  // namespace tarvo
