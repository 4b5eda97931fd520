// The game's actions on the state object: choosing and starting rooms, steps, undo, redo and
// the record a completion leaves.
#include "rules/play.h"

#include <algorithm>

#include "rules/completion.h"
#include "rules/forbidden_marks.h"
#include "rules/replay.h"

namespace tarvo {

namespace {

// Play starts over: the counters, the history, undo and the solutions already recorded.
void dropGame(GameState& state, std::int64_t now) {
  state.counters = PlayCounters{};
  state.counters.startTime = now;
  state.undoSteps.clear();
  state.redoSteps.clear();
  state.solutionsRecorded.clear();
  state.helpUsed = false;
  ++state.positionStamp;
}

// "not in the house (15 rooms)" for a room past the count.
std::optional<std::string> notInHouse(const HouseRecord& house, std::int32_t number) {
  if (number <= house.roomCount) return std::nullopt;
  return "not in the house (" + std::to_string(house.roomCount) + (house.roomCount == 1 ? " room)" : " rooms)");
}

bool alreadyRecorded(const GameState& state) {
  const std::vector<std::string>& recorded = state.solutionsRecorded;
  return std::find(recorded.begin(), recorded.end(), state.counters.moveHistory) != recorded.end();
}

// Makes a step without touching the redo list.
KeyOutcome makeStep(GameState& state, Direction direction) {
  const bool wasComplete = isComplete(state.curRoom);
  const StepKind kind = moveMan(state.curRoom, direction);
  if (kind == StepKind::None) return {};
  const bool pushed = kind == StepKind::Push;
  const char letter = letterOf(direction);
  state.counters.moveHistory.push_back(pushed ? static_cast<char>(letter - 'a' + 'A') : letter);
  state.counters.moveCount += 1;
  state.undoSteps.push_back(StepRecord{direction, pushed});
  ++state.positionStamp;
  // Only the step that covers the last goal completes; keys pressed while every goal stays
  // covered, and a solution already recorded since the start (undo and redo of the winning
  // push), make no record.
  const bool solved = !wasComplete && isComplete(state.curRoom);
  const bool completed = solved && !alreadyRecorded(state);
  return KeyOutcome{kind, completed, completed ? whyNoRecord(state) : NoRecord::None, solved};
}

}  // namespace

bool copyRoomIntoWorkingCopy(GameState& state, std::int32_t number) {
  const RoomRecord* room = state.house.roomNumber(number);
  if (room == nullptr) return false;
  state.curRoom = *room;
  return true;
}

void startRoom(GameState& state, std::int64_t now) {
  copyRoomIntoWorkingCopy(state, state.house.currentRoom);
  applyForbiddenMarks(state.curRoom);
  dropGame(state, now);
}

bool isHouseRoom(const HouseRecord& house, std::int32_t number) {
  return number >= 1 && number <= std::min(house.roomCount, kMaxRooms);
}

std::optional<std::string> playedOutsideHouse(const HouseRecord& house) {
  const std::optional<std::string> where = notInHouse(house, house.currentRoom);
  if (!where) return std::nullopt;
  return "room " + std::to_string(house.currentRoom) + " is " + *where + ": its records are not saved";
}

std::optional<std::string> storedOutsideHouse(const HouseRecord& house, std::int32_t number) {
  const std::optional<std::string> where = notInHouse(house, number);
  if (!where) return std::nullopt;
  return "room " + std::to_string(number) + " stored, but it is " + *where + ": it is not saved to disk";
}

bool chooseRoom(GameState& state, std::int32_t number, std::int64_t now) {
  if (!isHouseRoom(state.house, number)) return false;
  state.house.currentRoom = number;
  startRoom(state, now);
  return true;
}

void markHelpUsed(GameState& state) { state.helpUsed = true; }

bool resumeGame(GameState& state, std::string_view steps, std::int64_t elapsedMs, bool helped, std::int64_t now) {
  startRoom(state, now);
  for (std::size_t k = 0; k < steps.size(); ++k) {
    const ReplayedStep step = replayStep(state, steps, k);
    if (step.problem || step.outcome.solved) {
      startRoom(state, now);
      return false;
    }
  }
  state.counters.startTime = now - std::max<std::int64_t>(elapsedMs, 0);
  state.helpUsed = helped;
  return true;
}

void nextRoom(GameState& state, std::int64_t now) {
  HouseRecord& house = state.house;
  house.currentRoom += 1;
  if (house.currentRoom == house.roomCount + 1 || house.currentRoom > kMaxRooms) house.currentRoom = 1;
  startRoom(state, now);
}

void previousRoom(GameState& state, std::int64_t now) {
  HouseRecord& house = state.house;
  house.currentRoom -= 1;
  if (house.currentRoom < 1 || house.currentRoom > kMaxRooms)
    house.currentRoom = std::clamp(house.roomCount, 1, kMaxRooms);
  startRoom(state, now);
}

KeyOutcome playStep(GameState& state, Direction direction) {
  KeyOutcome outcome = makeStep(state, direction);
  if (outcome.step != StepKind::None) state.redoSteps.clear();
  return outcome;
}

bool undoStep(GameState& state) {
  if (state.undoSteps.empty() || !takeBackStep(state.curRoom, state.undoSteps.back())) return false;
  state.redoSteps.push_back(state.undoSteps.back());
  state.undoSteps.pop_back();
  state.counters.moveCount -= 1;
  if (!state.counters.moveHistory.empty()) state.counters.moveHistory.pop_back();
  ++state.positionStamp;
  return true;
}

KeyOutcome redoStep(GameState& state) {
  if (state.redoSteps.empty()) return {};
  KeyOutcome outcome = makeStep(state, state.redoSteps.back().direction);
  if (outcome.step != StepKind::None) state.redoSteps.pop_back();
  return outcome;
}

NoRecord whyNoRecord(const GameState& state) {
  if (state.helpUsed) return NoRecord::HelpUsed;
  if (state.house.roomNumber(state.house.currentRoom) == nullptr) return NoRecord::NoRoom;
  // One more would make a house file that the reader refuses.
  if (state.house.recordCount() >= kMaxHouseRecords) return NoRecord::HouseFull;
  return NoRecord::None;
}

bool appendRecordExceptName(GameState& state, std::int64_t now) {
  if (whyNoRecord(state) != NoRecord::None) return false;
  state.counters.endTime = now;
  state.unnamedRecord = RecordFields{{},
                                     std::to_string(state.counters.moveCount),
                                     formatElapsed(state.counters.endTime - state.counters.startTime),
                                     state.counters.moveHistory};
  state.solutionsRecorded.push_back(state.counters.moveHistory);
  return true;
}

void appendRecordName(GameState& state, std::string_view typed) {
  if (!state.unnamedRecord) return;
  RecordFields record = std::move(*state.unnamedRecord);
  state.unnamedRecord.reset();
  record.name = recordName(typed);
  if (RoomRecord* room = state.house.roomNumber(state.house.currentRoom)) room->records->add(record);
}

}  // namespace tarvo
