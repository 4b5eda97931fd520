// Opening a house file or a room collection as the house in play: the house button, a file
// dropped on the window and the command line, with the collection's chooser, the question
// before a drop replaces unsaved work, the messages saying what could not be read, and the read
// of a large file on a thread of its own while the window goes on.
#pragma once

#include <QObject>
#include <QString>

#include <memory>
#include <thread>

#include "house/read_watch.h"
#include "roomtext/house_files.h"

class QTimer;
class QWidget;

namespace tarvo {

class GameSession;
class PlayerProgress;
class SpriteSheets;

class HouseOpener : public QObject {
  Q_OBJECT

 public:
  // A file larger than this is read off the window's thread: reading it may take longer than
  // the window may stop answering.
  static constexpr qint64 kReadAtOnceBytes = qint64{2} << 20;

  // `window` carries the messages and the chooser.
  HouseOpener(GameSession& session, const SpriteSheets& sheets, PlayerProgress& progress, QWidget* window);
  ~HouseOpener() override;

  // The house button's file. The room in play then starts afresh, whatever the read gave; a
  // file that cannot be read is named in a message and the house in play stays. A collection
  // that needs a choice opens its chooser, whose "OK" makes the house.
  void open(const QString& path);
  // A file dropped on the window: as open, but when the house in play holds records or stored
  // rooms not saved to disk, it asks first whether to let them go.
  void openDropped(const QString& path);
  // At start-up: the file named, or else (or when it cannot be read) the default house, or else
  // the empty room. A collection that needs a choice is played from the default house until the
  // player chooses; a large file is read while the empty room shows. Returns what to tell once
  // the window shows, empty when all went well (or when the large file's read will tell).
  QString openAtStart(const QString& named, const QString& defaultHouse);

  // Whether a large file is being read; stops it, the house in play staying.
  bool reading() const { return worker_.joinable(); }
  void stopReading();

 signals:
  // How far the read of a large file got, or what became of it, for the line above the board.
  void readingNews(const QString& text);
  // A large file named at start could not be read: what to tell once the window is on the screen.
  void failedAtStart(const QString& text);

 private:
  enum class Read { Taken, Choosing, Failed };

  // Reads the file now, or starts reading it on a thread when it is large.
  void start(const QString& path, bool atStart);
  // What a read gave: the house taken, the chooser opened (now or, at start-up, once the event
  // loop runs), or a failure. `problem` gets what went wrong, or what a house taken left out.
  Read take(const QString& path, OpenedFile opened, HouseRecord house, bool atStart, QString& problem);
  // After a read at the house button or a drop: a failure leaves the house and restarts its room.
  void tell(Read read, const QString& problem);
  void choose(const QString& path, const std::shared_ptr<const RoomCollection>& rooms);
  QString problemText(const QString& path, const OpenedFile& opened) const;
  void showProgress();
  void finishReading(bool atStart);
  // At start-up: the default house, or else the empty room. Returns what to tell: after the file
  // named could not be read, which house is played instead.
  QString readDefaultHouse(bool afterFailure);

  GameSession& session_;
  const SpriteSheets& sheets_;
  PlayerProgress& playerProgress_;  // the chooser marks the rooms solved
  QWidget* window_;
  QString defaultHouse_;  // read when a file read at start-up fails

  // The read on its thread: the file, the watch, and what it gives.
  std::thread worker_;
  QString readingPath_;
  std::unique_ptr<ReadWatch> watch_;
  std::unique_ptr<OpenedFile> opened_;
  std::unique_ptr<HouseRecord> house_;
  QTimer* progress_;
};

}  // namespace tarvo
