// Bucket queue over (bound, moves).
#include "solver/push_queue.h"

namespace tarvo::solver {

void PushQueue::push(std::uint32_t bound, std::uint32_t moves, std::uint32_t id) {
  if (bound >= levels_.size()) levels_.resize(bound + 1);
  auto& level = levels_[bound];
  if (moves >= level.size()) {
    buckets_ += moves + 1 - level.size();
    level.resize(moves + 1);
  }
  level[moves].push_back(id);
  ++entries_;
}

bool PushQueue::pop(std::uint32_t& bound, std::uint32_t& moves, std::uint32_t& id) {
  while (entries_ > 0) {
    auto& level = levels_[bound_];
    if (moves_ >= level.size()) {
      // This bound is done: let its buckets go and start the next one from no moves.
      buckets_ -= level.size();
      std::vector<std::vector<std::uint32_t>>().swap(level);
      ++bound_;
      moves_ = 0;
      continue;
    }
    auto& bucket = level[moves_];
    if (bucket.empty()) {
      std::vector<std::uint32_t>().swap(bucket);
      ++moves_;
      continue;
    }
    id = bucket.back();
    bucket.pop_back();
    --entries_;
    bound = bound_;
    moves = moves_;
    return true;
  }
  return false;
}

}  // namespace tarvo::solver
