// The "Game" page: the board, play by keys and by mouse, the play controls, help from the
// solver, and their handlers.
#pragma once

#include <QPoint>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>

#include "house/house_reader.h"
#include "platform/page.h"
#include "rules/direction.h"
#include "rules/drawing.h"
#include "rules/play.h"
#include "solver/solver.h"
#include "window/page_context.h"

class QLabel;
class QPushButton;
class QTimer;

namespace tarvo {

class HintOverlay;
class PictureArea;
class SelectionMark;
class SolutionPlayer;
class SolverRun;

class GamePage : public Page {
  Q_OBJECT

 public:
  GamePage(PageContext context, QWidget* parent);

  // Starts the current room afresh: a restart, and the "Game" tab.
  void BTrecommence_Click();
  // A direction key's code (keyUp, keyDown, keyRight, keyLeft) while this page is shown; any
  // other code does nothing.
  void stepMan(int keyCode);
  void BTmoinsMove_Click();
  void BTplusMove_Click();
  // Opens room `number` from its start and plays `solution` on it step by step, as help: the
  // completion makes no record. False, changing nothing, when the number names no room.
  bool replayRecord(int number, const std::string& solution);
  // The hint's outline goes at the player's next key.
  void hideHint();
  // Ctrl+Shift+R: the room's unfinished game, as it was when the room started, goes on from
  // where the player left it.
  void resumeUnfinished();
  // What the read of a large file says, on the line above the board.
  void showReadingNews(const QString& text) { showStatus(text); }
  // A key while "Solve" searches, or while steps play on the board (a solution, a record, the way
  // to a cell the player clicked), stops it. True when it did: the key does nothing else.
  bool interruptPlay();

 signals:
  // The player chose a house file to open.
  void houseChosen(const QString& path);

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  enum class Asked { Hint, Solve };

  void BThint_Click();
  void BTsolve_Click();
  // Left button: choose a box, push the chosen one to a cell or walk to a cell; right button:
  // undo one step.
  void PICroom_MouseDown(Qt::MouseButton button, QPoint position);
  void askSolver(Asked asked);
  void solverFinished(const solver::SolveResult& result, int ticket);
  void solutionStepped(KeyOutcome outcome);
  void solutionEnded(const QString& problem);
  bool solving() const;
  // Steps to a cell the player clicked are playing.
  bool pointedPlaying() const;
  // Stops whatever runs on the board and takes its marks off: the search, the play, the hint,
  // the chosen box.
  void stopPlayAndHelp();
  void showStatus(const QString& text);
  // Ctrl+C: the room as it stands, boxes and man where they are, as collection text.
  void copyRoom();
  // Ctrl+V: steps copied from a record (or typed) played from the room's start, as a record's
  // replay: stoppable, and making no record.
  void pasteSteps();
  // At the start of a room: that it is past the room count, that the player solved it before,
  // and the offer of its unfinished game.
  void showStartNote();
  void BTplus_Click();
  void BTmoins_Click();
  void BTchoisiHouse_Click();
  void TimerMain_Timer();
  // The house's name and room count.
  void showHouse();
  void showRoomNumber();
  void showStartedRoom();
  // The board after a step, undo or redo: only the tiles that changed.
  void showPosition();
  // While the room in play lies past the room count, the line above the board says so.
  void showOutsideHouse();
  void applyCounters(const CounterTexts& texts);
  void playDirection(Direction direction);
  void afterStep(KeyOutcome outcome);
  void recordCompletion();
  const GameState& state() const;

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
  QPushButton* BThint;
  QPushButton* BTsolve;
  QLabel* LBstatus;
  PictureArea* PICroom;
  HintOverlay* PIChint;
  SelectionMark* PICselection;  // the box chosen with the mouse
  QTimer* TimerMain;
  SolverRun* solverRun_;
  SolutionPlayer* player_;
  Asked asked_ = Asked::Hint;
  // Whose steps the play plays: the solver's, a record's, or steps pasted by the player.
  enum class Replay { None, Record, Pasted };
  Replay replaying_ = Replay::None;
  QString playing_;               // what the solution played is: with the fewest pushes or not
  std::uint32_t helpStamp_ = 0;   // the position the help under way is about
  std::uint32_t startStamp_ = 0;  // the position the room started at
};

}  // namespace tarvo
