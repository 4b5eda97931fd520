// The main window: holds the owner of the game's state, builds the pages, routes the tab strips,
// the keys and the drops.
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
#include "platform/decoded_picture.h"
#include "platform/sprite_sheets.h"
#include "solver/solver.h"
#include "window/game_session.h"

class QDragEnterEvent;
class QMimeData;
class QDropEvent;
class QKeyEvent;

namespace tarvo {

class Desktop;
class GamePage;
class HouseOpener;
class PlayerProgress;
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
    int zoom = 1;                          // the zoom to start at (bounded by the screen)
    std::optional<int> mostZoom;           // the largest zoom; what the screen allows when empty
    QString progressFile;                  // the player's progress store; none when empty
  };

  // The window reads its house and builds its pages when it is first shown.
  explicit FRMain(Options options, QWidget* parent = nullptr);
  ~FRMain() override;

  void setVisible(bool visible) override;

  const GameSession& session() const { return session_; }
  PlayerProgress& progress() { return *progress_; }
  // The whole window at a whole multiple of its size, 1 to the largest zoom the screen allows.
  void setZoom(int factor);
  int mostZoom() const;
  const GameState& state() const { return session_.state(); }

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
  // A record chosen on the "Room" page is replayed on the "Game" page.
  void replayRecord(int number, const std::string& solution);
  // The keys that choose the next or previous page, whatever page shows; true for one of them.
  bool switchPageByKey(const QKeyEvent& key);
  // Ctrl+Plus (or Ctrl+=), Ctrl+Minus and Ctrl+0; true for one of them.
  bool zoomByKey(const QKeyEvent& key);
  // What went wrong at start-up, told once the window is on the screen.
  void tellAtStart(const QString& text);
  // The file a drop carries: one local file, read as a house or a collection by what it holds.
  static QString droppedHouse(const QMimeData* data);
  // A file the program ships: beside the executable, or in ../share/tarvoplim/ from it.
  QString dataFile(const QString& name) const;

  GameSession session_;
  SpriteSheets sheets_;
  FileDialogs CommonDialog1;
  solver::Budget budget_;
  PlayerProgress* progress_ = nullptr;
  HouseOpener* opener_ = nullptr;
  QString programFolder_;
  QString houseFile_;  // a house to open instead of the default one
  bool allPagesAtStart_;
  int startZoom_;
  std::optional<int> mostZoom_;
  QString progressFile_;  // opened after the first frame
  std::shared_ptr<Desktop> desktop_;
  QString startupProblem_;                   // shown once the window is on the screen
  std::optional<DecodedPictures> pictures_;  // the board's sprite sheet and the pages' background
  bool painted_ = false;                     // the "Game" page has been painted
  TabStrip* LesOnglets = nullptr;
  GamePage* game_ = nullptr;
  OptionPage* option_ = nullptr;
  std::array<Page*, 4> Onglet{};
  PageSwitch* pageSwitch_ = nullptr;
};

}  // namespace tarvo
