// The search for the fewest pushes, then the fewest moves.
#include "solver/solver.h"

#include <algorithm>
#include <vector>

#include "solver/dead_cells.h"
#include "solver/goal_matching.h"
#include "solver/position_store.h"
#include "solver/push_queue.h"
#include "solver/pushes.h"
#include "solver/walks.h"

namespace tarvo::solver {

namespace {

constexpr std::uint32_t kCheckEvery = 256;          // positions taken out between looks at the cancel flag
constexpr std::uint32_t kProgressEvery = 1u << 16;  // positions between progress reports

// Best first by (pushes so far + a lower bound of the pushes still to make, moves so far + the
// same bound, as every push is a move). The bound (GoalMatching) drops by at most one a push,
// so a position is first taken out with its fewest pushes and, among those, fewest moves, and
// the first solved position taken out is an optimal solution. With spare boxes the bound is zero and the search is
// breadth first over pushes. Positions keep the man's exact cell, which the moves depend on.
class Search {
 public:
  Search(const Layout& layout, const Limits& limits)
      : layout_(layout),
        limits_(limits),
        spare_(layout.hasSpareBoxes()),
        area_(manArea(layout, layout.man)),
        dead_(spare_ ? CellSet{} : deadCells(layout, area_)),
        matching_(layout, area_),
        store_(limits.memoryBytes, limits.positions, limits.cancel) {}

  SolveResult run() {
    SolveResult result;
    Node start;
    start.position = Position(layout_.boxes, layout_.man);
    start.parent = PositionStore::kNone;
    if (lowerBound(layout_.boxes) == kHopeless) return finish(result);
    if (!add(start)) return finish(result, full());
    std::uint32_t key = 0;
    std::uint32_t moves = 0;
    std::uint32_t id = 0;
    for (std::uint32_t taken = 0; queue_.pop(key, moves, id); ++taken) {
      if (taken % kCheckEvery == 0 && cancelled()) return finish(result, Outcome::Cancelled);
      if (std::uint32_t next = 0; queue_.peek(next)) store_.prefetchNode(next);
      Node& node = store_[id];
      if (node.expanded != 0) continue;  // taken out before, by a better key
      node.expanded = 1;
      if (node.position.boxes().covers(layout_.goals)) {
        result.solution = rebuild(id);
        return finish(result, Outcome::Solved);
      }
      if (!expand(id, Node(node))) return finish(result, full());
    }
    return finish(result);
  }

 private:
  static constexpr std::uint32_t kHopeless = GoalMatching::kHopeless;

  bool cancelled() const { return limits_.cancel != nullptr && limits_.cancel->load(std::memory_order_relaxed); }

  // Why the store took no more positions.
  Outcome full() const { return cancelled() ? Outcome::Cancelled : Outcome::LimitReached; }

  SolveResult& finish(SolveResult& result, Outcome outcome = Outcome::NoSolution) {
    result.outcome = outcome;
    result.positions = store_.size();
    result.bytes = peakBytes_;
    return result;
  }

  std::uint32_t lowerBound(const CellSet& boxes) const { return spare_ ? 0 : matching_.bound(boxes); }

  // Every push from the position; false when the store is full.
  bool expand(std::uint32_t id, const Node& node) {
    pushesFrom(layout_, dead_, spare_, node.position.boxes(), node.position.man(), pushes_);
    // The index slots of all the children load at once, rather than one after the other.
    for (const BoxPush& push : pushes_) store_.prefetch(Position(push.moved, push.box));
    for (const BoxPush& push : pushes_) {
      const std::uint32_t moves = node.moves + static_cast<std::uint32_t>(push.walk) + 1;
      // Beyond what a position records: treated as the limit.
      if (node.pushes >= Node::kMostPushes || moves > Node::kMostMoves) return false;
      Node child;
      child.position = Position(push.moved, push.box);
      child.parent = id;
      child.moves = moves;
      child.pushes = node.pushes + 1;
      if (!add(child)) return false;
    }
    return true;
  }

  // Keeps the node, or its pushes and moves when they beat those of the position as known, and
  // queues it unless its boxes can never all reach goals.
  bool add(const Node& node) {
    bool added = false;
    const std::uint32_t id = store_.find(node, added);
    if (id == PositionStore::kNone) return false;
    Node& known = store_[id];
    if (!added) {
      const bool better = node.pushes < known.pushes || (node.pushes == known.pushes && node.moves < known.moves);
      if (known.expanded != 0 || !better) return true;
      known = node;
    } else if (limits_.progress && store_.size() % kProgressEvery == 0) {
      limits_.progress(store_.size());
    }
    const std::uint32_t bound = lowerBound(node.position.boxes());
    if (bound == kHopeless) return true;
    queue_.push(node.pushes + bound, node.moves + bound, id);
    peakBytes_ = std::max(peakBytes_, store_.bytes() + queue_.bytes());
    return peakBytes_ <= limits_.memoryBytes;
  }

  Solution rebuild(std::uint32_t id) const {
    std::vector<std::uint32_t> chain;
    for (std::uint32_t at = id; at != PositionStore::kNone; at = store_[at].parent) chain.push_back(at);
    std::reverse(chain.begin(), chain.end());
    Solution solution;
    for (std::size_t i = 1; i < chain.size(); ++i) {
      const Position before = store_[chain[i - 1]].position;
      const Position after = store_[chain[i]].position;
      const int from = after.man();
      int to = -1;
      after.boxes().without(before.boxes()).forEach([&](int cell) { to = cell; });
      const auto d =
          static_cast<std::size_t>(std::find(kOffsets.begin(), kOffsets.end(), to - from) - kOffsets.begin());
      solution.steps += Walks(layout_, before.boxes(), before.man()).pathTo(from - kOffsets[d]);
      solution.steps += kPushLetters[d];
    }
    solution.pushes = static_cast<int>(chain.size()) - 1;
    solution.moves = static_cast<int>(solution.steps.size());
    return solution;
  }

  const Layout& layout_;
  const Limits& limits_;
  const bool spare_;
  const CellSet area_;
  const CellSet dead_;  // empty when a box may be spared
  const GoalMatching matching_;
  PositionStore store_;
  PushQueue queue_;
  Pushes pushes_;  // of the position being expanded
  std::size_t peakBytes_ = 0;
};

}  // namespace

SolveResult solve(const Snapshot& snapshot, const Limits& limits) {
  const Layout layout = layoutOf(snapshot);
  SolveResult result;
  if (layout.man < 0) {
    result.outcome = Outcome::NoMan;
    return result;
  }
  if (snapshot.goals.empty()) {
    result.outcome = Outcome::Solved;
    return result;
  }
  if (layout.unreachableGoal || layout.boxes.count() < layout.goals.count()) return result;
  return Search(layout, limits).run();
}

}  // namespace tarvo::solver
