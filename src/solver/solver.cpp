// The exact search: the fewest pushes, then the fewest moves; and the two searches together.
#include "solver/solver.h"

#include "solver/push_queue.h"
#include "solver/search_base.h"

namespace tarvo::solver {

namespace {

// Best first by (pushes so far + a lower bound of the pushes still to make, moves so far + the
// same bound, as every push is a move). The bound (GoalMatching) drops by at most one a push,
// so a position is first taken out with its fewest pushes and, among those, fewest moves, and
// the first solved position taken out is an optimal solution. With spare boxes the bound is
// zero and the search is breadth first over pushes. Positions keep the man's exact cell, which
// the moves depend on.
class Search : SearchBase {
 public:
  Search(const Layout& layout, const Limits& limits) : SearchBase(layout, limits), queue_(budget_) {}

  SolveResult run() {
    Node start;
    start.position = Position(layout_.boxes, layout_.man);
    start.parent = PositionStore::kNone;
    if (hopelessAtStart()) return finish(Outcome::NoSolution);
    if (!add(start)) return finish(Outcome::NoSolution);
    std::uint32_t key = 0;
    std::uint32_t moves = 0;
    std::uint32_t id = 0;
    for (std::uint32_t taken = 0; queue_.pop(key, moves, id); ++taken) {
      if (stopsAt(taken)) break;
      if (std::uint32_t next = 0; queue_.peek(next)) store_.prefetchNode(next);
      Node& node = store_[id];
      if (node.expanded != 0) continue;  // taken out before, by a better key
      node.expanded = 1;
      if (node.position.boxes().covers(layout_.goals)) {
        SolveResult result = finish(Outcome::Solved);
        result.solution = rebuild(id);
        return result;
      }
      if (!expand(id, Node(node))) break;
    }
    return finish(Outcome::NoSolution);
  }

 private:
  // Every push from the position; false when a bound stops the search.
  bool expand(std::uint32_t id, const Node& node) {
    for (const BoxPush& push : pushesOf(node.position)) {
      const std::uint32_t moves = node.moves + static_cast<std::uint32_t>(push.walk) + 1;
      if (node.pushes >= Node::kMostPushes || moves > Node::kMostMoves) {
        tooDeep();
        return false;
      }
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
  // queues it unless its boxes can never all reach goals. False when a bound stops the search.
  bool add(const Node& node) {
    bool added = false;
    const std::uint32_t id = keep(node, added);
    if (id == PositionStore::kNone) return false;
    Node& known = store_[id];
    if (!added) {
      const bool better = node.pushes < known.pushes || (node.pushes == known.pushes && node.moves < known.moves);
      if (known.expanded != 0 || !better) return true;
      known = node;
    } else {
      kept();
    }
    const std::uint32_t bound = lowerBound(node.position.boxes());
    if (bound == kHopeless) return true;
    return queued(queue_.push(node.pushes + bound, node.moves + bound, id));
  }

  PushQueue queue_;
};

}  // namespace

SolveResult solve(const Snapshot& snapshot, const Limits& limits) {
  const Layout layout = layoutOf(snapshot);
  if (std::optional<SolveResult> answer = answerWithoutSearch(snapshot, layout)) return *answer;
  return Search(layout, limits).run();
}

SolveResult solveOrFind(const Snapshot& snapshot, const Budget& budget) {
  const SolveResult exact = solve(snapshot, budget.exact);
  if (exact.outcome != Outcome::LimitReached) return exact;
  SolveResult found = findSolution(snapshot, budget.fast);
  found.positions += exact.positions;
  found.bytes = std::max(found.bytes, exact.bytes);
  return found;
}

namespace {

std::string bytesText(std::size_t bytes) {
  if (bytes % (std::size_t{1} << 20) == 0) return std::to_string(bytes >> 20) + " MiB";
  if (bytes % (std::size_t{1} << 10) == 0) return std::to_string(bytes >> 10) + " KiB";
  return std::to_string(bytes) + " bytes";
}

}  // namespace

std::string describeBound(const SolveResult& result, const Budget& budget) {
  switch (result.stoppedBy) {
    case Bound::Time: {
      const std::chrono::milliseconds both = budget.exact.time.value_or(std::chrono::milliseconds{0}) +
                                             budget.fast.time.value_or(std::chrono::milliseconds{0});
      return both.count() % 1000 == 0 ? std::to_string(both.count() / 1000) + " s"
                                      : std::to_string(both.count()) + " ms";
    }
    case Bound::Memory: return "the memory bound of " + bytesText(budget.fast.memoryBytes);
    case Bound::Positions: return std::to_string(budget.fast.positions) + " positions";
    case Bound::Cancel:
    case Bound::None: break;
  }
  return "its bounds";
}

}  // namespace tarvo::solver
