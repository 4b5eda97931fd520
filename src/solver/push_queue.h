// The open positions of a search in order of (least pushes a solution through them can take, moves so far). Keys
// taken out never decrease, so buckets walked by two cursors serve as the priority queue.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "solver/memory_budget.h"

namespace tarvo::solver {

class PushQueue {
 public:
  // The queue's buckets are paid from `budget`, which must outlive it.
  explicit PushQueue(MemoryBudget& budget) : budget_(budget) {}
  ~PushQueue();
  PushQueue(const PushQueue&) = delete;
  PushQueue& operator=(const PushQueue&) = delete;

  // Precondition: (bound, moves) is not below the key last taken out. False, queueing nothing,
  // when the budget cannot pay for it.
  bool push(std::uint32_t bound, std::uint32_t moves, std::uint32_t id);
  // The id with the least key, and that key; false when the queue is empty.
  bool pop(std::uint32_t& bound, std::uint32_t& moves, std::uint32_t& id);
  // The id that pop gives next when it is at hand (in the bucket now being emptied), to load its
  // position early; else none.
  bool peek(std::uint32_t& id) const {
    if (bound_ >= levels_.size() || moves_ >= levels_[bound_].size() || levels_[bound_][moves_].empty()) return false;
    id = levels_[bound_][moves_].back();
    return true;
  }

 private:
  MemoryBudget& budget_;
  std::vector<std::vector<std::vector<std::uint32_t>>> levels_;  // [bound][moves] -> ids
  std::uint32_t bound_ = 0;
  std::uint32_t moves_ = 0;
  std::size_t entries_ = 0;
};

}  // namespace tarvo::solver
