// The "Game" page's help from the solver: "Hint", "Solve", the replay of a record, the status
// line, and stopping them when the player takes over.
#include "window/game_page.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHideEvent>
#include <QLabel>
#include <QMessageBox>

#include "platform/message_box.h"
#include "platform/solver_run.h"
#include "rules/replay.h"
#include "solver/layout.h"
#include "window/board_overlay.h"
#include "window/game_session.h"
#include "window/hint_overlay.h"
#include "window/solution_player.h"

namespace tarvo {

namespace {

QString directionWord(Direction direction) {
  switch (direction) {
    case Direction::Up: return QStringLiteral("up");
    case Direction::Down: return QStringLiteral("down");
    case Direction::Right: return QStringLiteral("right");
    case Direction::Left: return QStringLiteral("left");
  }
  return {};
}

}  // namespace

void GamePage::BThint_Click() { askSolver(Asked::Hint); }

void GamePage::BTsolve_Click() {
  // A second press stops it, as a key does; the way to a clicked cell is no solution to stop.
  if (pointedPlaying() || !interruptPlay()) askSolver(Asked::Solve);
}

bool GamePage::solving() const { return (asked_ == Asked::Solve && solverRun_->running()) || player_->running(); }

bool GamePage::pointedPlaying() const { return player_->running() && player_->kind() == SolutionPlayer::Kind::Pointed; }

bool GamePage::interruptPlay() {
  if (!solving()) return false;
  // The player's own way to a cell stops where the man stands, which says enough.
  QString where = QStringLiteral("stopped");
  if (pointedPlaying()) {
    where.clear();
  } else if (player_->running()) {
    where = QStringLiteral("stopped at step %1 of %2").arg(player_->played()).arg(player_->total());
  }
  stopPlayAndHelp();
  showStatus(where);
  return true;
}

void GamePage::askSolver(Asked asked) {
  stopPlayAndHelp();
  const GameState& state = this->state();
  asked_ = asked;
  helpStamp_ = state.positionStamp;
  showStatus(QStringLiteral("searching\u2026"));
  // The stamp comes back with the answer: an answer about another position is dropped.
  solverRun_->start(solver::snapshotOf(state.curRoom), static_cast<int>(state.positionStamp), context_.budget);
}

void GamePage::solverFinished(const solver::SolveResult& result, int ticket) {
  const GameState& state = this->state();
  if (ticket != static_cast<int>(state.positionStamp)) return;
  switch (result.outcome) {
    case solver::Outcome::Solved: break;
    case solver::Outcome::NoSolution:
      // Knowing that the boxes are stuck is help too.
      context_.session.markHelpUsed();
      showStatus(QStringLiteral("no solution from here: undo?"));
      return;
    case solver::Outcome::NoMan: showStatus(QStringLiteral("no man in this room")); return;
    case solver::Outcome::LimitReached:
      showStatus(QStringLiteral("no solution found within %1")
                     .arg(QString::fromStdString(solver::describeBound(result, context_.budget))));
      return;
    case solver::Outcome::Cancelled: return;
  }
  const std::string& steps = result.solution.steps;
  if (steps.empty()) {
    showStatus(goalCount(state.curRoom) == 0 ? QStringLiteral("no goal in this room")
                                             : QStringLiteral("already solved"));
    return;
  }
  if (asked_ == Asked::Hint) {
    const std::optional<Push> push = firstPush(state.curRoom, steps);
    if (!push) {
      showStatus(QStringLiteral("no hint: the solution does not fit"));
      return;
    }
    context_.session.markHelpUsed();
    PIChint->showPush(push->box, push->direction);
    const QString left = result.fewest
                             ? QStringLiteral("fewest: %1 pushes to go").arg(result.solution.pushes)
                             : QStringLiteral("a solution of %1 pushes, not the fewest").arg(result.solution.pushes);
    showStatus(QStringLiteral("next push: %1 (%2)").arg(directionWord(push->direction), left));
    return;
  }
  context_.session.markHelpUsed();
  replaying_ = Replay::None;
  playing_ = result.fewest
                 ? QStringLiteral("playing a solution with the fewest pushes")
                 : QStringLiteral("playing a solution of %1 pushes (not the fewest)").arg(result.solution.pushes);
  player_->start(steps);
  showStatus(QStringLiteral("%1: %2 steps").arg(playing_).arg(steps.size()));
}

bool GamePage::replayRecord(int number, const std::string& solution) {
  if (!context_.session.chooseRoom(number)) return false;
  context_.session.markHelpUsed();
  replaying_ = Replay::Record;
  playing_ = QStringLiteral("replaying the record");
  player_->start(solution);
  showStatus(QStringLiteral("%1: %2 steps").arg(playing_).arg(solution.size()));
  return true;
}

void GamePage::pasteSteps() {
  // A solution of a room of ten by ten is far shorter; a clipboard of megabytes holds no steps.
  constexpr qsizetype kMostPasted = 1'000'000;
  const QString text = QGuiApplication::clipboard()->text();
  const std::optional<std::string> steps = text.size() <= kMostPasted ? stepsOfText(text.toStdString()) : std::nullopt;
  if (!steps) {
    showStatus(QStringLiteral("the clipboard holds no steps: only u, d, l and r (capitals for pushes)"));
    return;
  }
  context_.session.restartRoom();
  context_.session.markHelpUsed();
  replaying_ = Replay::Pasted;
  playing_ = QStringLiteral("replaying the pasted steps");
  player_->start(*steps);
  showStatus(QStringLiteral("%1: %2 steps").arg(playing_).arg(steps->size()));
}

void GamePage::solutionStepped(KeyOutcome outcome) {
  // The play's own step: it does not stop the play as the player's key would.
  helpStamp_ = state().positionStamp;
  if (player_->kind() == SolutionPlayer::Kind::Solution) {
    showStatus(QStringLiteral("%1: step %2 of %3").arg(playing_).arg(player_->played()).arg(player_->total()));
  }
  afterStep(outcome);
}

void GamePage::solutionEnded(const QString& problem) {
  // Pointed steps were worked out on the position they play on, so they always fit.
  if (problem.isEmpty() || player_->kind() == SolutionPlayer::Kind::Pointed) return;
  const QString what = replaying_ == Replay::Record   ? QStringLiteral("record")
                       : replaying_ == Replay::Pasted ? QStringLiteral("pasted steps")
                                                      : QStringLiteral("solution");
  showStatus(QStringLiteral("the %1 stopped").arg(what));
  const QString doesNot =
      replaying_ == Replay::Pasted ? QStringLiteral("These %1 do not") : QStringLiteral("This %1 does not");
  openMessageBox(QMessageBox::Warning, window()->windowTitle(),
                 QStringLiteral("%1 solve the room: %2.").arg(doesNot.arg(what), problem), this);
}

void GamePage::stopPlayAndHelp() {
  // Leaves the game state alone: this also runs while the window is taken down.
  solverRun_->cancel();
  player_->stop();
  PIChint->hide();
  PICselection->showCell(std::nullopt);
  replaying_ = Replay::None;
  showStatus(QString());
}

void GamePage::hideHint() { PIChint->hide(); }

void GamePage::hideEvent(QHideEvent* event) {
  // Another page now works on the room: nothing may step on it from here. A minimised window
  // (a spontaneous hide) leaves the help running.
  if (!event->spontaneous()) stopPlayAndHelp();
  Page::hideEvent(event);
}

}  // namespace tarvo
