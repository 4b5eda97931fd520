// The one owner of the game's state: the house and the game in play. Pages read it and act on it
// through its intents; it tells them what changed. A page's work in progress is the page's own.
#pragma once

#include <QObject>
#include <QString>

#include <bitset>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/commands.h"
#include "progress/progress_store.h"
#include "roomtext/house_files.h"
#include "rules/game_state.h"
#include "rules/play.h"
#include "rules/replay.h"
#include "rules/working_room.h"

namespace tarvo {

// What "Save to disk" gave.
struct SaveOutcome {
  bool ok = true;
  int errorNumber = 0;  // errno where the system gave one, else a number above 1000 (file_save.h)
  QString description;  // what failed, where and why, as a sentence for the user
};

// What the house in play holds that no file has yet: records made and rooms stored since the
// house was read or last saved as a house file.
struct UnsavedWork {
  std::int64_t records = 0;
  int storedRooms = 0;

  bool any() const { return records > 0 || storedRooms > 0; }
};

// A store into the house: the room, the shifts the storing page made on it since it took it,
// and that page, which needs no telling.
struct RoomStoredNews {
  std::int32_t number = 0;
  std::vector<Direction> shifts;
  const QObject* by = nullptr;
};

class GameSession : public QObject {
  Q_OBJECT

 public:
  // `clock`: milliseconds of a monotonic clock.
  GameSession(std::function<std::int64_t()> clock, QObject* parent = nullptr);

  const GameState& state() const { return state_; }
  // The file the house in play was read from; empty for a house made in memory.
  const std::string& sourceFile() const { return sourceFile_; }
  // The content of the room in play as it started, by which the player's progress knows it.
  const std::string& roomInPlayContent() const { return startedContent_; }
  const HouseRecord& house() const { return state_.house; }
  std::int64_t now() const { return clock_(); }
  UnsavedWork unsaved() const;

  // The house: another one replaces it (room 1 then starts), read from `sourceFile` (which the
  // player's progress names), or it is written to a file (as its name says, else as `chosen`),
  // which then holds what was unsaved unless it is a collection (no records, no lists).
  void takeHouse(HouseRecord house, std::string sourceFile = {});
  SaveOutcome saveHouse(const QString& path, SavedAs chosen);

  // The room in play: started afresh, the next or previous room, a room chosen by its number
  // (false, changing nothing, for a number that names no room of the house).
  void restartRoom();
  void nextRoom();
  void previousRoom();
  bool chooseRoom(int number);
  // The editor's and the help page's room choice and the editor's room count.
  void editorArrow(EditorArrow arrow);
  void helpArrow(bool next);

  // Play on the room in play.
  KeyOutcome step(Direction direction);
  bool undo();
  KeyOutcome redo();
  ReplayedStep replayStep(std::string_view steps, std::size_t index);
  void markHelpUsed();
  // Takes up a game left unfinished on the room in play (false, the room at its start, when it
  // does not fit the room).
  bool resumeGame(const UnfinishedGame& game);
  // A completion's record: made but for its name (false when the room makes none), then named.
  bool beginRecord();
  void nameRecord(std::string_view typed);

  // Stores by the pages into the house: the editor's prepared store, after `shifts` it made since
  // it took the room, and the help page's lists (false when its room names no slot).
  void storeRoom(const RoomStore& store, const std::vector<Direction>& shifts, const QObject* by);
  bool storeHelpLists(WorkingRoom& help, const QObject* by);
  // Solutions become records of room `number` of the house, each only when it solves the room
  // from its start and the room holds no record of the same steps, as long as the house has
  // room for records. Returns how many were added.
  int addRecords(int number, const std::vector<StoredSolution>& solutions);

 signals:
  // Another house took the place of the one in play: its rooms, count and current room are new,
  // and the pages' work in progress belongs to none of its rooms.
  void houseReplaced();
  // A room of the house was stored.
  void roomStored(const tarvo::RoomStoredNews& news);
  void roomCountChanged(int count);
  // The current room is another one.
  void currentRoomChanged(int number);
  // The room in play is about to start afresh (a restart, a change of room, another house): the
  // game in play is still there.
  void roomLeaving();
  // The room in play was started afresh: a restart, a change of room, another house.
  void roomStarted();
  // A step, undo or redo moved the man or a box.
  void positionChanged();
  // The last bare goal was just covered: `alone` when the player solved the room without the
  // solver's help with steps not yet recorded since its start (the completion that makes a
  // record), after `timeMs` from the start.
  void roomSolved(bool alone, std::int64_t timeMs);
  // The record of the last completion was named.
  void recordNamed(const std::string& name);
  // Records were added to room `number` of the house.
  void recordsAdded(int number);

 private:
  // Tells what an intent changed of the current room and the count.
  void announce(int roomBefore, int countBefore);
  void markStored(std::int32_t number);
  // The room in play was started: its content noted, the pages told.
  void started();
  // After a step of any kind: the position, then a solve.
  void stepped(const KeyOutcome& outcome);

  GameState state_;
  std::function<std::int64_t()> clock_;
  std::int64_t unsavedRecords_ = 0;
  std::bitset<kMaxRooms> unsavedRooms_;
  std::string sourceFile_;
  std::string startedContent_;
};

}  // namespace tarvo
