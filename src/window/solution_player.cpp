// Plays steps on the game one at a time at a steady pace.
#include "window/solution_player.h"

#include <QTimer>

#include "rules/replay.h"
#include "window/game_session.h"

namespace tarvo {

SolutionPlayer::SolutionPlayer(GameSession& session, QObject* parent)
    : QObject(parent), session_(session), timer_(new QTimer(this)) {
  timer_->setObjectName(QStringLiteral("TimerSolution"));
  connect(timer_, &QTimer::timeout, this, &SolutionPlayer::playNext);
}

void SolutionPlayer::start(std::string steps, Kind kind) {
  ++run_;
  steps_ = std::move(steps);
  next_ = 0;
  kind_ = kind;
  timer_->start(kind == Kind::Pointed ? kPointedStepMs : kStepMs);
}

void SolutionPlayer::stop() {
  ++run_;
  timer_->stop();
}

bool SolutionPlayer::running() const { return timer_->isActive(); }

void SolutionPlayer::playNext() {
  if (next_ >= steps_.size()) {
    // Nothing to play: a solution of no step.
    timer_->stop();
    emit ended(endProblem());
    return;
  }
  const ReplayedStep step = session_.replayStep(steps_, next_);
  if (step.problem) {
    timer_->stop();
    emit ended(QString::fromStdString(*step.problem));
    return;
  }
  ++next_;
  // Stopped before the step is reported: a completion's handler asks the player's name in a
  // dialog of its own, and no step may be made behind it.
  const bool last = next_ == steps_.size() || (kind_ == Kind::Pointed && step.outcome.solved);
  if (last) timer_->stop();
  const std::uint64_t run = run_;
  emit stepped(step.outcome);
  // A handler of the step may have stopped this play or started another one.
  if (last && run == run_) emit ended(endProblem());
}

QString SolutionPlayer::endProblem() const {
  if (kind_ == Kind::Pointed) return {};
  return QString::fromStdString(replayEndProblem(session_.state().curRoom).value_or(std::string()));
}

}  // namespace tarvo
