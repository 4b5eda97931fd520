// The player's progress as the window keeps it: the store opened after the first frame, every
// completion made without help committed the moment the room is solved (its name added after
// the prompt), the game in play written a few steps at a time, and what the pages show of it.
// Nothing is written on closing.
#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "progress/journal_copier.h"
#include "progress/progress_store.h"
#include "rules/room.h"

class QTimer;

namespace tarvo {

class GameSession;

class PlayerProgress : public QObject {
  Q_OBJECT

 public:
  // The game in play is written once this many steps wait, or this long after the last one.
  static constexpr std::size_t kStepsPerWrite = 4;
  static constexpr int kWriteAfterMs = 1500;

  PlayerProgress(GameSession& session, QObject* parent);
  ~PlayerProgress() override;

  // The player's store: progress.sqlite3 in the player's data folder for the game, or none when
  // TARVO_NO_PROGRESS=1.
  static QString defaultFile();
  // Opens the store of that file, making its folder; none for an empty name. What went wrong,
  // if anything, is said once on `news`.
  void open(const QString& file);
  bool isOpen() const { return store_ != nullptr; }

  std::optional<RoomProgress> progressOf(const std::string& content);
  std::optional<RoomProgress> progressOf(const RoomRecord& room);
  std::vector<StoredSolution> solutionsOf(const RoomRecord& room);
  // The unfinished game the room in play had when it started, if it had one: what Ctrl+Shift+R
  // goes on with, even after steps of a new game.
  std::optional<UnfinishedGame> unfinishedGame();
  // What the line above the board says at the start of the room in play: that it was solved
  // before, and the offer of its unfinished game; empty when neither.
  QString startNote();

 signals:
  // The store opened: the pages may show what it holds.
  void opened();
  // A completion was kept.
  void changed();
  // What the player is told once, on the line above the board.
  void news(const QString& text);

 private:
  void roomSolved(bool alone, std::int64_t timeMs);
  void recordNamed(const std::string& name);
  void positionChanged();
  // Writes the game in play if steps of it wait.
  void writeGame();
  // The room starts afresh: the game in play is written as it stands now.
  void leaveGame();
  // The room's unfinished game as it was before the game in play wrote over it.
  const std::optional<UnfinishedGame>& offered();
  // A write or a read failed: said once, and the store is no longer used.
  void failed();

  GameSession& session_;
  std::unique_ptr<ProgressStore> store_;
  std::unique_ptr<JournalCopier> journal_;  // declared after the store: gone before it
  std::int64_t lastCompletion_ = 0;         // the completion whose name the prompt is asking
  // The game in play as last seen, its room, and the moves it had when last written.
  std::string gameRoom_;
  UnfinishedGame game_;
  std::size_t writtenMoves_ = 0;
  bool waiting_ = false;
  std::optional<UnfinishedGame> offered_;
  bool offeredKnown_ = false;
  QTimer* writeTimer_;
};

}  // namespace tarvo
