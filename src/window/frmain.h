// The main window: builds the pages, owns the game state, routes the tab strips and the keys.
#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "house/file_dialogs_qt.h"
#include "house/house_reader.h"
#include "platform/decoded_picture.h"
#include "platform/sprite_sheets.h"
#include "roomtext/room_collection.h"
#include "rules/game_state.h"
#include "solver/solver.h"

class QDragEnterEvent;
class QMimeData;
class QDropEvent;
class QKeyEvent;

namespace tarvo {

class Desktop;
class GamePage;
class OptionPage;
class Page;
class PageSwitch;
class RoomPage;
class TabStrip;

class FRMain : public QWidget {
  Q_OBJECT

 public:
  struct Options {
    QString programFolder;                 // the executable's folder
    QString houseFile;                     // a house to open instead of the default one
    std::function<std::int64_t()> clock;   // milliseconds; a monotonic clock when empty
    std::shared_ptr<Desktop> desktop;      // opens the About box's links; xdg-open when empty
    std::optional<solver::Budget> budget;  // the bounds of Hint, Solve and Check; helpBudget() when empty
    bool allPagesAtStart = false;          // every page built with "Game", before the first frame
  };

  // The window reads its house and builds its pages when it is first shown.
  explicit FRMain(Options options, QWidget* parent = nullptr);
  ~FRMain() override;

  void setVisible(bool visible) override;

  const GameState& state() const { return state_; }

 signals:
  // The "Game" page has first been painted and shown: the pages other than "Game" are built
  // next, one at a time.
  void firstFrameShown();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // A house file or a collection dropped on the window opens as through the house button.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // The first show: the tab strip, the "Game" page, the house read and its first room started.
  void start();
  void LesOnglets_Click(int page);
  // Page `number` (1..4) of the main tab strip. The pages other than "Game" are built the first
  // time they are needed, or else one at a time after the first frame; a page built later shows
  // what it would show had it been built at start, so what updates the pages passes over those
  // not built yet.
  Page* page(int number);
  // Names, places and hides (unless it is "Game") a page just built.
  void placePage(int number);
  // Builds the first page not built yet, then comes back for the next.
  void buildNextPage();
  // Reads a house file into the house and shows its name, room count and previews; a file
  // that cannot be read leaves the house as it was.
  HouseReadResult readHouse(const QString& path);
  // What follows a house read: the pages show the house; a new house also drops the pages'
  // work in progress and the records listed from the house before.
  void showReadHouse(bool replaced);
  // Reads a house file, or a collection when the name ends in ".txt"; `choosing` tells that the
  // collection's chooser opened (at start-up: opens once the window shows) instead.
  HouseReadResult readHouseOrCollection(const QString& path, bool atStart, bool& choosing);
  // The open command's end: read the house or collection, start its first room, say what went
  // wrong.
  void openHouse(const QString& path);
  // A collection whose rooms can all be taken and fit in a house becomes the house at once
  // (true); for any other the chooser opens, now or, at start-up, once the window shows.
  bool openCollection(const QString& path, std::vector<CollectionRoom> rooms, bool atStart);
  // The rooms at the places given become the house in play, named after the file.
  void takeCollection(const QString& path, const std::vector<CollectionRoom>& rooms,
                      const std::vector<std::size_t>& places);
  // A record chosen on the "Room" page is replayed on the "Game" page.
  void replayRecord(int number, const std::string& solution);
  // The keys that choose the next or previous page, whatever page shows; true for one of them.
  bool switchPageByKey(const QKeyEvent& key);
  QString readProblemText(const QString& path, const HouseReadResult& result) const;
  // The house file or collection a drop carries: one local file ending in ".hou" or ".txt".
  static QString droppedHouse(const QMimeData* data);
  void showWarning(const QString& text);
  // A file the program ships: beside the executable, or in ../share/tarvoplim/ from it.
  QString dataFile(const QString& name) const;

  GameState state_;
  SpriteSheets sheets_;
  FileDialogs CommonDialog1;
  std::function<std::int64_t()> clock_;
  solver::Budget budget_;
  QString programFolder_;
  QString houseFile_;  // a house to open instead of the default one
  bool allPagesAtStart_;
  std::shared_ptr<Desktop> desktop_;
  QString startupProblem_;                   // shown once the window is on the screen
  std::optional<DecodedPictures> pictures_;  // the board's sprite sheet and the pages' background
  bool painted_ = false;                     // the "Game" page has been painted
  TabStrip* LesOnglets = nullptr;
  GamePage* game_ = nullptr;
  RoomPage* roomPage_ = nullptr;
  OptionPage* option_ = nullptr;
  std::array<Page*, 4> Onglet{};
  PageSwitch* pageSwitch_ = nullptr;
};

}  // namespace tarvo
