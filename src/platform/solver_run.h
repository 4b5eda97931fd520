// A search of the core's solver on a worker thread, so the window stays responsive: progress
// and the result come back as signals on the thread that started it.
#pragma once

#include <QObject>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "solver/solver.h"

namespace tarvo {

// The bounds of the window's searches (solver::windowBudget()).
solver::Budget helpBudget();

class SolverRun : public QObject {
  Q_OBJECT

 public:
  explicit SolverRun(QObject* parent = nullptr);
  // Cancels a search still running and waits for every thread it started (within milliseconds).
  ~SolverRun() override;

  // Starts a search of `snapshot` that should answer: the exact search, then the fast one when
  // the exact one stops at a bound. A search still running is cancelled first and its result
  // never reported. `ticket` comes back with the result, so the caller can tell whether the
  // position it asked about is still the one on the board.
  void start(const solver::Snapshot& snapshot, int ticket, const solver::Budget& budget);
  // Stops the running search without a report, at once: its thread is left to notice the flag
  // and end on its own, and is joined later, so a key press never waits for it.
  void cancel();
  bool running() const { return running_; }

 signals:
  void progress(qulonglong positions);
  void finished(const tarvo::solver::SolveResult& result, int ticket);

 private:
  struct Stopping {
    std::thread thread;
    std::shared_ptr<std::atomic<bool>> done;
  };
  // Joins the cancelled threads that have ended (all of them when `all`).
  void reap(bool all);

  std::thread thread_;
  std::shared_ptr<std::atomic<bool>> cancel_;
  std::shared_ptr<std::atomic<bool>> done_;
  std::vector<Stopping> stopping_;
  int generation_ = 0;
  bool running_ = false;
};

}  // namespace tarvo
