// Push-optimal search: layers of positions by push count, the man's exact cell in every position, so the fewest moves
// within the layer that first solves the room are exact too.
#include "solver/solver.h"

#include <algorithm>
#include <vector>

#include "solver/dead_cells.h"
#include "solver/frozen_boxes.h"
#include "solver/position_store.h"
#include "solver/walks.h"

namespace tarvo::solver {

namespace {

constexpr std::uint32_t kCheckEvery = 256;          // expansions between looks at the cancel flag
constexpr std::uint32_t kProgressEvery = 1u << 16;  // positions between progress reports

class Search {
 public:
  Search(const Layout& layout, const Limits& limits)
      : layout_(layout),
        limits_(limits),
        spare_(layout.hasSpareBoxes()),
        dead_(spare_ ? CellSet{} : deadCells(layout, manArea(layout, layout.man))),
        store_(limits.memoryBytes, limits.positions) {}

  SolveResult run() {
    SolveResult result;
    bool added = false;
    if (store_.find(Position(layout_.boxes, layout_.man), PositionStore::kNone, 0, added) == PositionStore::kNone) {
      result.outcome = Outcome::LimitReached;
      return finish(result);
    }
    if (layout_.boxes.covers(layout_.goals)) {
      result.outcome = Outcome::Solved;
      return finish(result);
    }
    if (!spare_ && !(layout_.boxes & dead_).none()) return finish(result);
    std::uint32_t layerStart = 0;
    while (layerStart < store_.size()) {
      const std::uint32_t layerEnd = store_.size();
      solved_.clear();
      for (std::uint32_t id = layerStart; id < layerEnd; ++id) {
        if ((id - layerStart) % kCheckEvery == 0 && cancelled()) {
          result.outcome = Outcome::Cancelled;
          return finish(result);
        }
        if (!expand(id, layerEnd)) {
          result.outcome = Outcome::LimitReached;
          return finish(result);
        }
      }
      if (!solved_.empty()) {
        const auto best = std::min_element(solved_.begin(), solved_.end(), [&](std::uint32_t a, std::uint32_t b) {
          return store_[a].moves < store_[b].moves;
        });
        result.outcome = Outcome::Solved;
        result.solution = rebuild(*best);
        return finish(result);
      }
      layerStart = layerEnd;
    }
    return finish(result);
  }

 private:
  bool cancelled() const { return limits_.cancel != nullptr && limits_.cancel->load(std::memory_order_relaxed); }

  SolveResult& finish(SolveResult& result) {
    result.positions = store_.size();
    result.bytes = peakBytes_;
    return result;
  }

  // Every push from position `id`; positions from `nextLayer` on were found in this layer and
  // may still get fewer moves. False when the store is full.
  bool expand(std::uint32_t id, std::uint32_t nextLayer) {
    const Position here = store_[id].position;
    const std::uint32_t movesHere = store_[id].moves;
    const CellSet boxes = here.boxes();
    const Walks walks(layout_, boxes, here.man());
    bool ok = true;
    boxes.forEach([&](int box) {
      for (int d = 0; d < 4 && ok; ++d) {
        const int stand = box - kOffsets[static_cast<std::size_t>(d)];
        if (stand < 0 || stand >= kCells || !walks.reaches(stand)) continue;
        const int target = layout_.step(box, d);
        if (target < 0 || boxes.test(target) || dead_.test(target)) continue;
        CellSet moved = boxes;
        moved.reset(box);
        moved.set(target);
        if (!spare_ && freezesOffGoal(layout_, dead_, moved, target)) continue;
        ok =
            add(Position(moved, box), id, movesHere + static_cast<std::uint32_t>(walks.distance(stand)) + 1, nextLayer);
      }
    });
    return ok;
  }

  bool add(const Position& position, std::uint32_t parent, std::uint32_t moves, std::uint32_t nextLayer) {
    bool added = false;
    const std::uint32_t id = store_.find(position, parent, moves, added);
    if (id == PositionStore::kNone) return false;
    if (added) {
      if (position.boxes().covers(layout_.goals)) solved_.push_back(id);
      peakBytes_ = std::max(peakBytes_, store_.bytes());
      if (limits_.progress && store_.size() % kProgressEvery == 0) limits_.progress(store_.size());
    } else if (id >= nextLayer && moves < store_[id].moves) {
      store_[id].parent = parent;
      store_[id].moves = moves;
    }
    return true;
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
  const CellSet dead_;  // empty when a box may be spared
  PositionStore store_;
  std::vector<std::uint32_t> solved_;  // solved positions of the layer being built
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
