// The main window: its pages and tab strips, start-up, play, navigation, open and save.
#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

#include "house/file_dialogs_qt.h"
#include "house/house_reader.h"
#include "platform/sprite_sheets.h"
#include "rules/completion.h"
#include "rules/game_state.h"

class QTimer;

namespace tarvo {

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
    QString programFolder;                  // where default.hou and background.gif lie
    std::function<std::int64_t()> clock;    // milliseconds; a monotonic clock when empty
  };

  explicit FRMain(Options options, QWidget* parent = nullptr);
  ~FRMain() override;

  const GameState& state() const { return state_; }
  GameState& state() { return state_; }

  // Reads a house file into the house, shows its name, room count and previews, and tells
  // the user what is wrong with a file that could not be read (the house then stays).
  HouseReadResult readHouse(const QString& path);

  // The window's handlers, named by control and event.
  void BTrecommence_Click();
  void BTplus_Click();
  void BTmoins_Click();
  void BTchoisiHouse_Click();
  void BTsaveDisk_Click();
  void BTmoinsMove_Click();
  void BTplusMove_Click();
  void PICpreview_MouseUp(int index);
  void LesOnglets_Click(int page);
  void LesOnglets2_Click(int page);
  void TimerMain_Timer();
  // A direction key code (104, 98, 102, 100) pressed while the "Game" page is shown.
  void Form_KeyDown(int keyCode);

  GamePage* game;
  RoomPage* roomPage;
  OptionPage* option;
  TabStrip* LesOnglets;
  std::array<Page*, 4> Onglet{};
  PageSwitch* pageSwitch;
  QTimer* TimerMain;
  FileDialogs CommonDialog1;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  std::int64_t now() const { return clock_(); }
  bool ownsKeyEvent(QObject* watched) const;
  void applyCounters(const CounterTexts& texts);
  void showRoomNumber();
  void loadCurrentRoomIntoWorkingCopy();
  void afterStep(KeyOutcome outcome);
  void recordCompletion();
  QString readProblemText(const QString& path, const HouseReadResult& result) const;
  void showWarning(const QString& text);

  GameState state_;
  SpriteSheets sheets_;
  std::function<std::int64_t()> clock_;
  QString programFolder_;
  QString startupProblem_;  // shown once the window is on screen
};

}  // namespace tarvo
