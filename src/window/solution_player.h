// Plays a solution on the game a step at a time at a steady pace, for "Solve" and the replay of
// a record.
#pragma once

#include <QObject>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <string>

#include "rules/play.h"

class QTimer;

namespace tarvo {

struct GameState;

class SolutionPlayer : public QObject {
  Q_OBJECT

 public:
  static constexpr int kStepMs = 125;  // eight steps a second: quick, yet each one can be seen

  SolutionPlayer(GameState& state, QObject* parent);

  // Plays `steps` from the position on the board, the first one a step time from now. Each
  // letter goes through the core's replay of a letter, so it is a normal step (counters, marks,
  // undo) and a letter that does not fit stops the play.
  void start(std::string steps);
  // Stops without a report; the steps made stay made.
  void stop();
  bool running() const;
  std::size_t played() const { return next_; }
  std::size_t total() const { return steps_.size(); }

 signals:
  // After each step made.
  void stepped(tarvo::KeyOutcome outcome);
  // After the last step, or at a letter that did not fit: what went wrong, or an empty text.
  void ended(const QString& problem);

 private:
  void playNext();

  GameState& state_;
  QTimer* timer_;
  std::string steps_;
  std::size_t next_ = 0;
  std::uint64_t run_ = 0;  // changes with every start and stop
};

}  // namespace tarvo
