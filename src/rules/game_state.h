// The one state object of a running game: the house, the working room, counters and caches.
#pragma once

#include <cstdint>
#include <vector>

#include "rules/drawing.h"
#include "rules/room.h"

namespace tarvo {

// The direction key codes (the numeric keypad's 8, 2, 6 and 4 with Num Lock on).
inline constexpr int keyUp = 104;
inline constexpr int keyDown = 98;
inline constexpr int keyRight = 102;
inline constexpr int keyLeft = 100;

// One step as undo needs it: the direction and whether a box was pushed.
struct StepRecord {
  std::int32_t offset = 0;
  bool pushed = false;
};

struct GameState {
  HouseRecord house;
  RoomRecord curRoom;  // the working copy of the current room
  PlayCounters counters;
  DrawnCells drawnCells;
  std::int32_t stepOffset = 0;  // of the last direction key; 0 before the first
  char stepLetter = 0;          // of the last step, upper case after a push
  std::vector<StepRecord> undoSteps;  // since the board was last loaded
  std::vector<StepRecord> redoSteps;
};

// The start-up defaults: room 1 of a one-room house, and a drawn-cell cache that makes the
// first redraw paint every cell whose code is not -1.
void initRules(GameState& state);

}  // namespace tarvo
