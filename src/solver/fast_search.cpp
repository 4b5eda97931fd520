// The fast search: some solution, soon, when the fewest pushes are out of reach.
#include <algorithm>
#include <chrono>
#include <vector>

#include "solver/search_base.h"

namespace tarvo::solver {

namespace {

// How much more a push still needed counts than a push made: the greedy search first, the
// balanced one after it (see findSolution).
constexpr std::uint32_t kGreedyWeight = 4;
constexpr std::uint32_t kBalancedWeight = 1;

// Open positions by priority, any order: a bucket per priority, taken from the lowest that holds
// one. Positions of equal priority come out last in, first out, so the search goes deep first.
class PriorityBuckets {
 public:
  // The buckets are paid from `budget`, which must outlive them.
  explicit PriorityBuckets(MemoryBudget& budget) : budget_(budget) {}
  ~PriorityBuckets() {
    for (auto& bucket : buckets_) releaseWithin(budget_, bucket);
    releaseWithin(budget_, buckets_);
  }
  PriorityBuckets(const PriorityBuckets&) = delete;
  PriorityBuckets& operator=(const PriorityBuckets&) = delete;

  // False, queueing nothing, when the budget cannot pay for it.
  bool push(std::uint32_t priority, std::uint32_t id) {
    if (!resizeWithin(budget_, buckets_, std::size_t{priority} + 1)) return false;
    if (!appendWithin(budget_, buckets_[priority], id)) return false;
    lowest_ = std::min<std::size_t>(lowest_, priority);
    return true;
  }
  bool pop(std::uint32_t& id) {
    while (lowest_ < buckets_.size() && buckets_[lowest_].empty()) ++lowest_;
    if (lowest_ == buckets_.size()) return false;
    id = buckets_[lowest_].back();
    buckets_[lowest_].pop_back();
    return true;
  }

 private:
  MemoryBudget& budget_;
  std::vector<std::vector<std::uint32_t>> buckets_;
  std::size_t lowest_ = 0;
};

// Best first on (weight x the bound of the pushes still needed + the pushes made). Each position
// is kept as first found and expanded once; the man's steps are not counted, so positions that
// differ only by his cell within his reach are one. The dead cells and frozen boxes prune as in
// the exact search, so running out of positions still proves there is no solution.
class FastSearch : SearchBase {
 public:
  FastSearch(const Layout& layout, const Limits& limits, std::uint32_t weight)
      : SearchBase(layout, limits), weight_(weight), queue_(budget_) {}

  SolveResult run() {
    Node start;
    start.position = Position(layout_.boxes, reachCorner(layout_, layout_.boxes, layout_.man));
    start.parent = PositionStore::kNone;
    if (hopelessAtStart() || !add(start)) return finish(Outcome::NoSolution);
    std::uint32_t id = 0;
    for (std::uint32_t taken = 0; queue_.pop(id); ++taken) {
      if (stopsAt(taken)) break;
      const Node node = store_[id];
      if (node.position.boxes().covers(layout_.goals)) {
        SolveResult result = finish(Outcome::Solved);
        result.solution = rebuild(id);
        result.fewest = false;
        return result;
      }
      if (!expand(id, node)) break;
    }
    return finish(Outcome::NoSolution);
  }

 private:
  bool expand(std::uint32_t id, const Node& node) {
    for (const BoxPush& push : pushesOf(node.position)) {
      // Past what a node records: this way is left, the others go on.
      if (node.pushes >= Node::kMostPushes) continue;
      Node child;
      // The man's cell stands for his whole reach: positions that differ only by where he
      // stands in it are one, as the steps he walks do not count here.
      child.position = Position(push.moved, reachCorner(layout_, push.moved, push.box));
      child.parent = id;
      child.pushes = node.pushes + 1;
      if (!add(child)) return false;
    }
    return true;
  }

  // Keeps and queues a position not met before; false when a bound stops the search.
  bool add(const Node& node) {
    bool added = false;
    const std::uint32_t id = keep(node, added);
    if (id == PositionStore::kNone) return false;
    if (!added) return true;
    kept();
    const std::uint32_t bound = lowerBound(node.position.boxes());
    if (bound == kHopeless) return true;
    return queued(queue_.push(weight_ * bound + node.pushes, id));
  }

  const std::uint32_t weight_;
  PriorityBuckets queue_;
};

// A quarter of the bounds, for the first of two searches.
Limits quarterOf(const Limits& limits) {
  Limits quarter = limits;
  quarter.memoryBytes = limits.memoryBytes / 4;
  if (limits.positions != SIZE_MAX) quarter.positions = limits.positions / 4;
  if (limits.time) quarter.time = *limits.time / 4;
  return quarter;
}

}  // namespace

SolveResult findSolution(const Snapshot& snapshot, const Limits& limits) {
  const Layout layout = layoutOf(snapshot);
  if (std::optional<SolveResult> answer = answerWithoutSearch(snapshot, layout)) return *answer;
  // The greedy search answers most rooms at once but can wander long where a box must wait for
  // others, where the balanced one goes straight; the balanced one is slow where the way is
  // long. The greedy one first, on a quarter of the bounds; then the balanced one, on what is
  // left of the time and the positions, and the whole of the memory (the first has let it go).
  const auto started = std::chrono::steady_clock::now();
  const SolveResult greedy = FastSearch(layout, quarterOf(limits), kGreedyWeight).run();
  if (greedy.outcome != Outcome::LimitReached) return greedy;
  Limits rest = limits;
  if (limits.positions != SIZE_MAX) rest.positions = limits.positions - greedy.positions;
  if (limits.time) {
    const auto spent =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
    rest.time = std::max(*limits.time - spent, std::chrono::milliseconds{0});
  }
  SolveResult balanced = FastSearch(layout, rest, kBalancedWeight).run();
  balanced.positions += greedy.positions;
  balanced.bytes = std::max(balanced.bytes, greedy.bytes);
  return balanced;
}

}  // namespace tarvo::solver
