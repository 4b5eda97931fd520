// The one state object of a running game: the house, the room in play, the pages' working rooms
// and the play counters.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "rules/moves.h"
#include "rules/room.h"

namespace tarvo {

// The first cell of a forbidden couple picked on the help page, waiting for the second.
struct PendingCouple {
  std::int32_t cellA = 0;
  std::int32_t cellB = 0;
  int picks = 0;  // 0 or 1
};

// A page's work in progress on one room of the house, and the room it belongs to, so that it is
// never stored into another one.
struct WorkingRoom {
  RoomRecord room;
  std::int32_t number = 0;  // the house's room it was taken from (1-based); 0: none yet
};

struct GameState {
  HouseRecord house;
  RoomRecord curRoom;    // the room in play
  WorkingRoom editRoom;  // the editor's room, with its painting not stored yet
  WorkingRoom helpRoom;  // the help page's copy of the stored room, its lists edited and marked
  PlayCounters counters;
  std::vector<StepRecord> undoSteps;  // since the room was last started
  std::vector<StepRecord> redoSteps;
  std::vector<std::string> solutionsRecorded;            // since the room was last started
  bool helpUsed = false;                                 // the solver helped since the room was last started: no record
  std::uint32_t positionStamp = 0;                       // changes with every step, undo, redo and start of a room
  std::array<std::int32_t, 2> spriteCode{FLOOR, FLOOR};  // the editor's codes of the left and right buttons
  PendingCouple pendingCouple;                           // the help page's couple being picked
  std::optional<RecordFields> unnamedRecord;             // a completion's record while its name is asked
};

// The start-up defaults: room 1 of a one-room house.
void initRules(GameState& state);

// Another house was read: the pages' working rooms belong to none of its rooms, and are taken
// afresh when next shown.
void forgetWorkingRooms(GameState& state);

}  // namespace tarvo
