// The one owner of the game's state: the house and the game in play.
#include "window/game_session.h"

#include <QFile>

#include "help/help_edits.h"
#include "progress/room_identity.h"
#include "rules/completion.h"

namespace tarvo {

GameSession::GameSession(std::function<std::int64_t()> clock, QObject* parent)
    : QObject(parent), clock_(std::move(clock)) {
  // A house of one empty room until a house is read.
  state_.house = emptyHouse();
  initRules(state_);
}

UnsavedWork GameSession::unsaved() const {
  return UnsavedWork{unsavedRecords_, static_cast<int>(unsavedRooms_.count())};
}

void GameSession::takeHouse(HouseRecord house, std::string sourceFile) {
  emit roomLeaving();
  state_.house = std::move(house);
  state_.house.currentRoom = 1;
  sourceFile_ = std::move(sourceFile);
  unsavedRecords_ = 0;
  unsavedRooms_.reset();
  startRoom(state_, now());
  emit houseReplaced();
  started();
}

void GameSession::started() {
  startedContent_ = roomContent(state_.curRoom);
  emit roomStarted();
}

void GameSession::stepped(const KeyOutcome& outcome) {
  if (outcome.step == StepKind::None) return;
  emit positionChanged();
  if (!outcome.solved) return;
  const bool alone = outcome.completed && outcome.noRecord != NoRecord::HelpUsed && !state_.helpUsed;
  emit roomSolved(alone, now() - state_.counters.startTime);
}

SaveOutcome GameSession::saveHouse(const QString& path, SavedAs chosen) {
  const std::string fileName = QFile::encodeName(path).toStdString();
  const SavedAs as = savedAsOfName(fileName, chosen);
  const SaveResult result = saveHouseOrCollection(fileName, state_.house, as);
  if (result.ok && as == SavedAs::House) {
    unsavedRecords_ = 0;
    unsavedRooms_.reset();
  }
  return SaveOutcome{result.ok, result.errorNumber, QString::fromLocal8Bit(result.description)};
}

void GameSession::announce(int roomBefore, int countBefore) {
  if (state_.house.roomCount != countBefore) emit roomCountChanged(state_.house.roomCount);
  if (state_.house.currentRoom != roomBefore) emit currentRoomChanged(state_.house.currentRoom);
}

void GameSession::restartRoom() {
  emit roomLeaving();
  startRoom(state_, now());
  started();
}

void GameSession::nextRoom() {
  const int before = state_.house.currentRoom;
  emit roomLeaving();
  tarvo::nextRoom(state_, now());
  announce(before, state_.house.roomCount);
  started();
}

void GameSession::previousRoom() {
  const int before = state_.house.currentRoom;
  emit roomLeaving();
  tarvo::previousRoom(state_, now());
  announce(before, state_.house.roomCount);
  started();
}

bool GameSession::chooseRoom(int number) {
  const int before = state_.house.currentRoom;
  if (!isHouseRoom(state_.house, number)) return false;
  emit roomLeaving();
  if (!tarvo::chooseRoom(state_, number, now())) return false;
  announce(before, state_.house.roomCount);
  started();
  return true;
}

void GameSession::editorArrow(EditorArrow arrow) {
  const int room = state_.house.currentRoom, count = state_.house.roomCount;
  applyEditorArrow(state_.house, arrow);
  announce(room, count);
}

void GameSession::helpArrow(bool next) {
  const int room = state_.house.currentRoom;
  next ? helpNextRoom(state_.house) : helpPreviousRoom(state_.house);
  announce(room, state_.house.roomCount);
}

KeyOutcome GameSession::step(Direction direction) {
  const KeyOutcome outcome = playStep(state_, direction);
  stepped(outcome);
  return outcome;
}

bool GameSession::undo() {
  if (!undoStep(state_)) return false;
  emit positionChanged();
  return true;
}

KeyOutcome GameSession::redo() {
  const KeyOutcome outcome = redoStep(state_);
  stepped(outcome);
  return outcome;
}

ReplayedStep GameSession::replayStep(std::string_view steps, std::size_t index) {
  const ReplayedStep step = tarvo::replayStep(state_, steps, index);
  stepped(step.outcome);
  return step;
}

void GameSession::markHelpUsed() { tarvo::markHelpUsed(state_); }

bool GameSession::resumeGame(const UnfinishedGame& game) {
  // The steps made since the room started give way to the game taken up: nothing to keep of them.
  const bool resumed = tarvo::resumeGame(state_, game.steps, game.timeMs, game.helped, now());
  emit positionChanged();
  return resumed;
}

bool GameSession::beginRecord() { return appendRecordExceptName(state_, now()); }

void GameSession::nameRecord(std::string_view typed) {
  const RoomRecord* room = state_.house.roomNumber(state_.house.currentRoom);
  const std::size_t before = room != nullptr ? room->recordCount() : 0;
  appendRecordName(state_, typed);
  if (room != nullptr && room->recordCount() > before) ++unsavedRecords_;
  emit recordNamed(recordName(typed));
}

void GameSession::markStored(std::int32_t number) {
  if (number >= 1 && number <= kMaxRooms) unsavedRooms_.set(static_cast<std::size_t>(number - 1));
}

void GameSession::storeRoom(const RoomStore& store, const std::vector<Direction>& shifts, const QObject* by) {
  if (state_.house.roomNumber(store.number) == nullptr) return;
  commitStore(state_.house, store);
  markStored(store.number);
  emit roomStored(RoomStoredNews{store.number, shifts, by});
}

bool GameSession::storeHelpLists(WorkingRoom& help, const QObject* by) {
  if (!tarvo::storeHelpLists(state_.house, help)) return false;
  markStored(help.number);
  emit roomStored(RoomStoredNews{help.number, {}, by});
  return true;
}

int GameSession::addRecords(int number, const std::vector<StoredSolution>& solutions) {
  RoomRecord* room = state_.house.roomNumber(number);
  if (room == nullptr) return 0;
  int added = 0;
  for (const StoredSolution& solution : solutions) {
    if (state_.house.recordCount() >= kMaxHouseRecords) break;
    bool held = false;
    for (std::size_t k = 0; k < room->recordCount() && !held; ++k)
      held = (*room->records)[k].solution == solution.steps;
    // A record must always replay its room.
    if (held || replayProblem(*room, solution.steps)) continue;
    room->records->add(RecordFields{recordName(solution.name), std::to_string(movesOf(solution.steps)),
                                    formatElapsed(solution.timeMs), solution.steps});
    ++added;
  }
  if (added == 0) return 0;
  unsavedRecords_ += added;
  emit recordsAdded(number);
  return added;
}

}  // namespace tarvo
