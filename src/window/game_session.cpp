// The one owner of the game's state: the house and the game in play.
#include "window/game_session.h"

#include <QFile>

#include "help/help_edits.h"

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

void GameSession::takeHouse(HouseRecord house) {
  state_.house = std::move(house);
  state_.house.currentRoom = 1;
  unsavedRecords_ = 0;
  unsavedRooms_.reset();
  startRoom(state_, now());
  emit houseReplaced();
  emit roomStarted();
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
  startRoom(state_, now());
  emit roomStarted();
}

void GameSession::nextRoom() {
  const int before = state_.house.currentRoom;
  tarvo::nextRoom(state_, now());
  announce(before, state_.house.roomCount);
  emit roomStarted();
}

void GameSession::previousRoom() {
  const int before = state_.house.currentRoom;
  tarvo::previousRoom(state_, now());
  announce(before, state_.house.roomCount);
  emit roomStarted();
}

bool GameSession::chooseRoom(int number) {
  const int before = state_.house.currentRoom;
  if (!tarvo::chooseRoom(state_, number, now())) return false;
  announce(before, state_.house.roomCount);
  emit roomStarted();
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
  if (outcome.step != StepKind::None) emit positionChanged();
  return outcome;
}

bool GameSession::undo() {
  if (!undoStep(state_)) return false;
  emit positionChanged();
  return true;
}

KeyOutcome GameSession::redo() {
  const KeyOutcome outcome = redoStep(state_);
  if (outcome.step != StepKind::None) emit positionChanged();
  return outcome;
}

ReplayedStep GameSession::replayStep(std::string_view steps, std::size_t index) {
  const ReplayedStep step = tarvo::replayStep(state_, steps, index);
  if (step.outcome.step != StepKind::None) emit positionChanged();
  return step;
}

void GameSession::markHelpUsed() { tarvo::markHelpUsed(state_); }

bool GameSession::beginRecord() { return appendRecordExceptName(state_, now()); }

void GameSession::nameRecord(std::string_view typed) {
  const RoomRecord* room = state_.house.roomNumber(state_.house.currentRoom);
  const std::size_t before = room != nullptr ? room->recordCount() : 0;
  appendRecordName(state_, typed);
  if (room != nullptr && room->recordCount() > before) ++unsavedRecords_;
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

}  // namespace tarvo
