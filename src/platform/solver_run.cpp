// The worker thread of a search and the queued signals that bring its news back.
#include "platform/solver_run.h"

#include <QMetaObject>

#include "solver/window_budget.h"

namespace tarvo {

SolverRun::SolverRun(QObject* parent) : QObject(parent) {
  qRegisterMetaType<tarvo::solver::SolveResult>("tarvo::solver::SolveResult");
}

SolverRun::~SolverRun() {
  cancel();
  reap(true);
}

void SolverRun::reap(bool all) {
  std::erase_if(stopping_, [all](Stopping& stopping) {
    if (!all && !stopping.done->load()) return false;
    stopping.thread.join();
    return true;
  });
}

void SolverRun::cancel() {
  if (cancel_) cancel_->store(true);
  if (thread_.joinable()) stopping_.push_back(Stopping{std::move(thread_), done_});
  reap(false);
  ++generation_;
  running_ = false;
}

solver::Budget helpBudget() { return solver::windowBudget(); }

void SolverRun::start(const solver::Snapshot& snapshot, int ticket, const solver::Budget& budget) {
  cancel();
  cancel_ = std::make_shared<std::atomic<bool>>(false);
  done_ = std::make_shared<std::atomic<bool>>(false);
  running_ = true;
  const int generation = generation_;
  solver::Budget own = budget;
  own.exact.cancel = own.fast.cancel = cancel_.get();
  // The object outlives its threads (its destructor joins them all), and Qt drops calls queued
  // for an object that is gone; a call from a search since replaced finds another generation
  // and does nothing.
  own.exact.progress = own.fast.progress = [this, generation](std::size_t positions) {
    QMetaObject::invokeMethod(
        this,
        [this, generation, positions] {
          if (generation_ == generation) emit progress(positions);
        },
        Qt::QueuedConnection);
  };
  thread_ = std::thread([this, snapshot, own, generation, flag = cancel_, done = done_, ticket] {
    const solver::SolveResult result = solver::solveOrFind(snapshot, own);
    done->store(true);
    QMetaObject::invokeMethod(
        this,
        [this, generation, result, ticket] {
          if (generation_ != generation) return;
          running_ = false;
          if (thread_.joinable()) thread_.join();  // it has reported; it ends at once
          emit finished(result, ticket);
        },
        Qt::QueuedConnection);
  });
}

}  // namespace tarvo
