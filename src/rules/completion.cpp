// The completion test and the record a completion leaves in the house.
#include "rules/completion.h"

namespace tarvo {

bool isComplete(const RoomRecord& room) {
  return !room.goals->empty() && countBoxesOnGoals(room) == goalCount(room);
}

std::string formatElapsed(std::int64_t milliseconds) {
  std::int64_t seconds = milliseconds < 0 ? 0 : milliseconds / 1000;
  std::int64_t minutes = (seconds / 60) % 60;
  seconds %= 60;
  std::string text(5, ':');
  text[0] = static_cast<char>('0' + minutes / 10);
  text[1] = static_cast<char>('0' + minutes % 10);
  text[3] = static_cast<char>('0' + seconds / 10);
  text[4] = static_cast<char>('0' + seconds % 10);
  return text;
}

std::string recordName(std::string_view typed) {
  std::string name(typed);
  for (char& c : name) {
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  }
  return name;
}

namespace {

template <typename Step>
KeyOutcome playStep(GameState& state, Step step) {
  bool wasComplete = isComplete(state.curRoom);
  StepKind kind = step();
  return KeyOutcome{kind, kind != StepKind::None && !wasComplete && isComplete(state.curRoom)};
}

}  // namespace

KeyOutcome playKey(GameState& state, int keyCode) {
  return playStep(state, [&] { return stepMan(state, keyCode); });
}

KeyOutcome playRedo(GameState& state) {
  return playStep(state, [&] { return redoStep(state); });
}

bool appendRecordExceptName(GameState& state, std::int64_t now) {
  RoomRecord* room = state.house.roomNumber(state.house.currentRoom);
  if (room == nullptr) return false;
  state.counters.endTime = now;
  room->recTimes->push_back(formatElapsed(state.counters.endTime - state.counters.startTime));
  room->recSolutions->push_back(state.counters.moveHistory);
  room->recMoves->push_back(std::to_string(state.counters.moveCount));
  return true;
}

void appendRecordName(GameState& state, std::string_view typed) {
  if (RoomRecord* room = state.house.roomNumber(state.house.currentRoom)) room->recNames->push_back(recordName(typed));
}

}  // namespace tarvo
