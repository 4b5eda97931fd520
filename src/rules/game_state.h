// The one state object of a running game: the house, the working room and the play counters.
#pragma once

#include <array>
#include <cstdint>
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

struct GameState {
  HouseRecord house;
  RoomRecord curRoom;  // the working copy of the current room
  PlayCounters counters;
  std::vector<StepRecord> undoSteps;  // since the room was last started
  std::vector<StepRecord> redoSteps;
  std::vector<std::string> solutionsRecorded;            // since the room was last started
  bool helpUsed = false;                                 // the solver helped since the room was last started: no record
  std::uint32_t positionStamp = 0;                       // changes with every step, undo, redo and start of a room
  std::array<std::int32_t, 2> spriteCode{FLOOR, FLOOR};  // the editor's codes of the left and right buttons
  PendingCouple pendingCouple;                           // the help page's couple being picked
};

// The start-up defaults: room 1 of a one-room house.
void initRules(GameState& state);

}  // namespace tarvo
