// Bucket queue over (bound, moves).
#include "solver/push_queue.h"

namespace tarvo::solver {

PushQueue::~PushQueue() {
  for (auto& level : levels_) {
    for (auto& bucket : level) releaseWithin(budget_, bucket);
    releaseWithin(budget_, level);
  }
  releaseWithin(budget_, levels_);
}

bool PushQueue::push(std::uint32_t bound, std::uint32_t moves, std::uint32_t id) {
  if (!resizeWithin(budget_, levels_, std::size_t{bound} + 1)) return false;
  auto& level = levels_[bound];
  if (!resizeWithin(budget_, level, std::size_t{moves} + 1)) return false;
  if (!appendWithin(budget_, level[moves], id)) return false;
  ++entries_;
  return true;
}

bool PushQueue::pop(std::uint32_t& bound, std::uint32_t& moves, std::uint32_t& id) {
  while (entries_ > 0) {
    auto& level = levels_[bound_];
    if (moves_ >= level.size()) {
      // This bound is done: let its buckets go and start the next one from no moves.
      releaseWithin(budget_, level);
      ++bound_;
      moves_ = 0;
      continue;
    }
    auto& bucket = level[moves_];
    if (bucket.empty()) {
      releaseWithin(budget_, bucket);
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
