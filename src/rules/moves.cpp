// The man's steps and pushes on a room, and taking them back.
#include "rules/moves.h"

#include "rules/forbidden_marks.h"

namespace tarvo {

namespace {

bool manIsWhereRoomSays(const RoomRecord& room) { return isPlayableCell(room.man) && isManCode(room.cells[room.man]); }

}  // namespace

StepKind moveMan(RoomRecord& room, Direction direction) {
  if (!manIsWhereRoomSays(room)) return StepKind::None;
  const int offset = offsetOf(direction);
  const int man = room.man;
  const int target = man + offset;
  const std::int32_t t = room.cells.at(target);
  StepKind kind = StepKind::None;
  if (isFreeCode(t)) {
    kind = StepKind::Walk;
  } else if (isBoxCode(t)) {
    const int beyond = man + 2 * offset;
    if (!isFreeCode(room.cells.at(beyond))) return StepKind::None;
    room.cells[beyond] += BOX;
    room.cells[target] -= BOX;
    kind = StepKind::Push;
  } else {
    return StepKind::None;
  }
  room.cells[target] += MAN;
  room.cells[man] -= MAN;
  room.man = target;
  if (kind == StepKind::Push) refreshCoupleMarks(room);
  return kind;
}

bool takeBackStep(RoomRecord& room, StepRecord step) {
  if (!manIsWhereRoomSays(room)) return false;
  const int offset = offsetOf(step.direction);
  const int man = room.man;
  const int back = man - offset;
  const int ahead = man + offset;
  // The cells are as the step left them unless the room was changed behind the history's
  // back; check anyway so that a broken history can never corrupt the room.
  if (!isFreeCode(room.cells.at(back)) || (step.pushed && !isBoxCode(room.cells.at(ahead)))) return false;
  room.cells[man] -= MAN;
  room.cells[back] += MAN;
  room.man = back;
  if (step.pushed) {
    room.cells[ahead] -= BOX;
    room.cells[man] += BOX;
    refreshCoupleMarks(room);
  }
  return true;
}

}  // namespace tarvo
