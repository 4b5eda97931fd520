// The man's steps and pushes on a room, and taking them back.
#pragma once

#include "rules/direction.h"
#include "rules/room.h"

namespace tarvo {

enum class StepKind { None, Walk, Push };

// One step as undo needs it.
struct StepRecord {
  Direction direction = Direction::Up;
  bool pushed = false;
};

// One step of the man: a walk onto floor or a goal (marked or not), or a push of the box ahead
// onto such a cell, after which the couple marks follow the boxes. A blocked step, or a room
// whose `man` does not name the man's cell, changes nothing.
StepKind moveMan(RoomRecord& room, Direction direction);

// Takes back `step`, the last step made on the room: the man steps back and a pushed box comes
// back with him. Returns false, changing nothing, when the cells do not fit that step.
bool takeBackStep(RoomRecord& room, StepRecord step);

}  // namespace tarvo
