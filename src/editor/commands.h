// The editor's commands: choosing and counting rooms, storing the edited room, shifting it.
#pragma once

#include "editor/canvas.h"
#include "rules/direction.h"
#include "rules/game_state.h"

namespace tarvo {

// The release of a mouse button on "<": the left button edits the previous room (from room 1
// the last), the right one takes one room off the house (never below one); any button then
// reloads the current room into curRoom, dropping what was not stored.
void editPreviousRoom(GameState& state, int button);

// The release of a mouse button on ">": the left button edits the next room (after the last
// room, room 1; never past room 16), the right one adds a room to the house up to 15 (a house
// of 16 keeps its 16). A room that joins the house is made playable: its goals and man are
// read from its cells. Any button then reloads the current room.
void editNextRoom(GameState& state, int button);

// Stores curRoom as the current room of the house: without marks, with its goals and man read
// from its cells, and with the records that still solve it. Returns false, storing nothing,
// when the current room number names no slot.
bool storeRoom(GameState& state);

// Moves curRoom's cells one row or one cell as one sequence in row order (a shift left carries
// column 0 into column 9 of the row above), and its man, goals and forbidden lists with them.
// An index that would leave the board is dropped; deleted couples and values already off the
// board stay as they are.
void shiftRoom(GameState& state, Direction direction);

// The room as storeRoom puts it into the house: without marks, with its goals and man read
// from its cells. Its records are still shared with `room`.
RoomRecord roomAsStored(const RoomRecord& room);

// Gives the room a new goal list read from its goal cells in cell order, and a man: `man` when
// it names a man's cell, else the last man in row order, else none.
void readGoalsAndMan(RoomRecord& room);

}  // namespace tarvo
