// A search of the core's solver on a worker thread, so the window stays responsive: progress
// and the result come back as signals on the thread that started it.
#pragma once

#include <QObject>

#include <atomic>
#include <memory>
#include <thread>

#include "solver/solver.h"

namespace tarvo {

class SolverRun : public QObject {
  Q_OBJECT

 public:
  explicit SolverRun(QObject* parent = nullptr);
  // Cancels a search still running and waits for its thread (within milliseconds).
  ~SolverRun() override;

  // Starts a search of `snapshot`; a search still running is cancelled first and its result
  // never reported. `ticket` comes back with the result, so the caller can tell whether the
  // position it asked about is still the one on the board.
  void start(const solver::Snapshot& snapshot, int ticket, const solver::Limits& limits = {});
  // Stops the running search without a report.
  void cancel();
  bool running() const { return running_; }

 signals:
  void progress(qulonglong positions);
  void finished(const tarvo::solver::SolveResult& result, int ticket);

 private:
  void join();

  std::thread thread_;
  std::shared_ptr<std::atomic<bool>> cancel_;
  int generation_ = 0;
  bool running_ = false;
};

}  // namespace tarvo
