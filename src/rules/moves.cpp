// The man's steps and pushes, and taking them back.
#include "rules/moves.h"

#include <cctype>

#include "help/forbidden_marks.h"

namespace tarvo {

namespace {

struct Direction {
  int keyCode;
  std::int32_t offset;
  char letter;
};

constexpr Direction kDirections[] = {
    {keyUp, -kColumns, 'u'}, {keyDown, kColumns, 'd'}, {keyRight, 1, 'r'}, {keyLeft, -1, 'l'}};

const Direction* directionOfKey(int keyCode) {
  for (const Direction& direction : kDirections) {
    if (direction.keyCode == keyCode) return &direction;
  }
  return nullptr;
}

bool manIsWhereRoomSays(const RoomRecord& room) {
  return isPlayableCell(room.man) && isManCode(room.cells[room.man]);
}

// The step itself, without touching the redo list.
StepKind makeStep(GameState& state, int keyCode) {
  const Direction* direction = directionOfKey(keyCode);
  RoomRecord& room = state.curRoom;
  if (direction == nullptr || !manIsWhereRoomSays(room)) return StepKind::None;
  state.stepOffset = direction->offset;
  state.stepLetter = direction->letter;

  const int man = room.man;
  const int target = man + direction->offset;
  const std::int32_t t = room.cells.at(target);
  StepKind kind = StepKind::None;
  if (isFreeCode(t)) {
    kind = StepKind::Walk;
  } else if (isBoxCode(t)) {
    const int beyond = man + 2 * direction->offset;
    if (!isFreeCode(room.cells.at(beyond))) return StepKind::None;
    room.cells[beyond] += BOX;
    room.cells[target] -= BOX;
    kind = StepKind::Push;
    state.stepLetter = static_cast<char>(std::toupper(static_cast<unsigned char>(state.stepLetter)));
  } else {
    return StepKind::None;
  }
  room.cells[target] += MAN;
  room.cells[man] -= MAN;
  room.man = target;
  state.counters.moveHistory.push_back(state.stepLetter);
  state.counters.moveCount += 1;
  state.undoSteps.push_back(StepRecord{direction->offset, kind == StepKind::Push});
  if (kind == StepKind::Push) refreshCoupleMarks(room);
  return kind;
}

}  // namespace

StepKind stepMan(GameState& state, int keyCode) {
  StepKind kind = makeStep(state, keyCode);
  if (kind != StepKind::None) state.redoSteps.clear();
  return kind;
}

int keyCodeOfLetter(char letter) {
  char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
  for (const Direction& direction : kDirections) {
    if (direction.letter == lower) return direction.keyCode;
  }
  return 0;
}

bool undoStep(GameState& state) {
  RoomRecord& room = state.curRoom;
  if (state.undoSteps.empty() || !manIsWhereRoomSays(room)) return false;
  const StepRecord step = state.undoSteps.back();
  const int man = room.man;
  const int back = man - step.offset;
  const int ahead = man + step.offset;
  // The board only changes through steps, so the cells are as the step left them; check
  // anyway so that a broken history can never corrupt the room.
  if (!isFreeCode(room.cells.at(back)) || (step.pushed && !isBoxCode(room.cells.at(ahead)))) return false;
  state.undoSteps.pop_back();
  room.cells[man] -= MAN;
  room.cells[back] += MAN;
  room.man = back;
  if (step.pushed) {
    room.cells[ahead] -= BOX;
    room.cells[man] += BOX;
    refreshCoupleMarks(room);
  }
  state.counters.moveCount -= 1;
  if (!state.counters.moveHistory.empty()) state.counters.moveHistory.pop_back();
  state.redoSteps.push_back(step);
  return true;
}

StepKind redoStep(GameState& state) {
  if (state.redoSteps.empty()) return StepKind::None;
  const StepRecord step = state.redoSteps.back();
  int keyCode = 0;
  for (const Direction& direction : kDirections) {
    if (direction.offset == step.offset) keyCode = direction.keyCode;
  }
  StepKind kind = makeStep(state, keyCode);
  if (kind != StepKind::None) state.redoSteps.pop_back();
  return kind;
}

void clearUndo(GameState& state) {
  state.undoSteps.clear();
  state.redoSteps.clear();
}

}  // namespace tarvo
