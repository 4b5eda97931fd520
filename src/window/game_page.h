// The "Game" page: the board, the play controls and their handlers.
#pragma once

#include <QString>

#include <optional>

#include "house/house_reader.h"
#include "platform/page.h"
#include "rules/direction.h"
#include "rules/drawing.h"
#include "rules/play.h"
#include "window/page_context.h"

class QPushButton;
class QTimer;

namespace tarvo {

class PictureArea;

class GamePage : public Page {
  Q_OBJECT

 public:
  GamePage(PageContext context, QWidget* parent);

  // Starts the current room afresh: a restart, and the "Game" tab.
  void BTrecommence_Click();
  // A direction key while this page is shown.
  void playDirection(Direction direction);
  void BTmoinsMove_Click();
  void BTplusMove_Click();
  // The house's name and room count after a house was read.
  void showHouse();

 signals:
  // The player chose a house file to open.
  void houseChosen(const QString& path);
  // The current room number changed.
  void roomChanged(int number);

 private:
  void BTplus_Click();
  void BTmoins_Click();
  void BTchoisiHouse_Click();
  void TimerMain_Timer();
  void showRoomNumber();
  void showStartedRoom();
  void showChangedRoom();
  void applyCounters(const CounterTexts& texts);
  void afterStep(KeyOutcome outcome);
  void recordCompletion();

  PageContext context_;
  QPushButton* BTchoisiHouse;
  QPushButton* BTrecommence;
  QPushButton* BTmoins;
  QPushButton* BTnumPiece;
  QPushButton* BTplus;
  QPushButton* BTtime;
  QPushButton* BTtimeValue;
  QPushButton* BTmove;
  QPushButton* BTmoinsMove;
  QPushButton* BTmoveValue;
  QPushButton* BTplusMove;
  QPushButton* BTgoal;
  QPushButton* BTgoalValue;
  PictureArea* PICroom;
  QTimer* TimerMain;
};

}  // namespace tarvo
