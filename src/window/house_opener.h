// Opening a house file or a room collection as the house in play: the house button, a file
// dropped on the window and the command line, with the collection's chooser, the question
// before a drop replaces unsaved work, and the messages saying what could not be read.
#pragma once

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

#include "roomtext/house_files.h"

class QWidget;

namespace tarvo {

class GameSession;
class SpriteSheets;

class HouseOpener : public QObject {
  Q_OBJECT

 public:
  // `window` carries the messages and the chooser.
  HouseOpener(GameSession& session, const SpriteSheets& sheets, QWidget* window);

  // The house button's file. The room in play then starts afresh, whatever the read gave; a
  // file that cannot be read is named in a message and the house in play stays. A collection
  // that needs a choice opens its chooser, whose "OK" makes the house.
  void open(const QString& path);
  // A file dropped on the window: as open, but when the house in play holds records or stored
  // rooms not saved to disk, it asks first whether to let them go.
  void openDropped(const QString& path);
  // At start-up: the file named, or else (or when it cannot be read) the default house, or else
  // the empty room. A collection that needs a choice is played from the default house until the
  // player chooses. Returns what to tell once the window shows, empty when all went well.
  QString openAtStart(const QString& named, const QString& defaultHouse);

 private:
  enum class Read { Taken, Choosing, Failed };

  // Reads the file; a collection that needs a choice opens its chooser now or, at start-up,
  // once the event loop runs. `problem` gets what went wrong, or what a house taken left out.
  Read read(const QString& path, bool atStart, QString& problem);
  void choose(const QString& path, const std::shared_ptr<const RoomCollection>& rooms);
  QString problemText(const QString& path, const OpenedFile& opened) const;

  GameSession& session_;
  const SpriteSheets& sheets_;
  QWidget* window_;
};

}  // namespace tarvo
