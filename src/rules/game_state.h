// The house and the game in play: the room being played, its counters and history, and the
// record a completion leaves. The window's one owner of the state holds it; pages read it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "rules/moves.h"
#include "rules/room.h"

namespace tarvo {

struct GameState {
  HouseRecord house;
  RoomRecord curRoom;  // the room in play
  PlayCounters counters;
  std::vector<StepRecord> undoSteps;  // since the room was last started
  std::vector<StepRecord> redoSteps;
  std::vector<std::string> solutionsRecorded;  // since the room was last started
  bool helpUsed = false;                       // the solver helped since the room was last started: no record
  std::uint32_t positionStamp = 0;             // changes with every step, undo, redo and start of a room
  std::optional<RecordFields> unnamedRecord;   // a completion's record while its name is asked
};

// The start-up defaults: room 1 of a one-room house.
void initRules(GameState& state);

}  // namespace tarvo
