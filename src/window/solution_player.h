// Plays steps on the game one at a time at a steady pace: a solution for "Solve" and the replay
// of a record, and the walk or push the player points at on the board.
#pragma once

#include <QObject>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <string>

#include "rules/play.h"

class QTimer;

namespace tarvo {

class GameSession;

class SolutionPlayer : public QObject {
  Q_OBJECT

 public:
  // A solution must leave the room solved; its steps are someone else's, so they go slowly
  // enough to follow. Pointed steps are the player's own way to where he clicked: he knows where
  // they lead, so they go quicker, and a completion on the way ends them.
  enum class Kind { Solution, Pointed };
  static constexpr int kStepMs = 125;        // eight steps a second: quick, yet each one can be seen
  static constexpr int kPointedStepMs = 50;  // a walk across the board in about half a second

  SolutionPlayer(GameSession& session, QObject* parent);

  // Plays `steps` from the position on the board, the first one a step time from now. Each
  // letter goes through the core's replay of a letter, so it is a normal step (counters, marks,
  // undo) and a letter that does not fit stops the play.
  void start(std::string steps, Kind kind = Kind::Solution);
  // Stops without a report; the steps made stay made.
  void stop();
  bool running() const;
  std::size_t played() const { return next_; }
  std::size_t total() const { return steps_.size(); }
  Kind kind() const { return kind_; }

 signals:
  // After each step made.
  void stepped(tarvo::KeyOutcome outcome);
  // After the last step, or at a letter that did not fit: what went wrong, or an empty text. A
  // solution that leaves a goal bare went wrong too.
  void ended(const QString& problem);

 private:
  void playNext();
  QString endProblem() const;

  GameSession& session_;
  QTimer* timer_;
  std::string steps_;
  std::size_t next_ = 0;
  Kind kind_ = Kind::Solution;
  std::uint64_t run_ = 0;  // changes with every start and stop
};

}  // namespace tarvo
