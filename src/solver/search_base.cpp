// What the exact and the fast search share.
#include "solver/search_base.h"

#include <algorithm>
#include <vector>

#include "solver/walks.h"

namespace tarvo::solver {

namespace {

constexpr std::uint32_t kCheckEvery = 256;          // positions taken out between looks at the clock and the cancel
constexpr std::uint32_t kProgressEvery = 1u << 16;  // positions kept between progress reports

}  // namespace

std::optional<SolveResult> answerWithoutSearch(const Snapshot& snapshot, const Layout& layout) {
  SolveResult result;
  if (layout.man < 0) {
    result.outcome = Outcome::NoMan;
  } else if (snapshot.goals.empty()) {
    result.outcome = Outcome::Solved;
  } else if (!layout.unreachableGoal && layout.boxes.count() >= layout.goals.count()) {
    return std::nullopt;
  }
  return result;
}

SearchBase::SearchBase(const Layout& layout, const Limits& limits)
    : layout_(layout),
      limits_(limits),
      spare_(layout.hasSpareBoxes()),
      prune_(limits.pruning != Limits::Pruning::None),
      freeze_(limits.pruning == Limits::Pruning::Full),
      area_(manArea(layout, layout.man)),
      dead_(spare_ || !prune_ ? CellSet{} : deadCells(layout, area_)),
      matching_(layout, area_),
      budget_(limits.memoryBytes),
      store_(budget_, limits.positions, limits.cancel),
      deadline_(limits.time ? std::chrono::steady_clock::now() + *limits.time
                            : std::chrono::steady_clock::time_point::max()) {}

bool SearchBase::hopelessAtStart() const {
  if (lowerBound(layout_.boxes) == kHopeless) return true;
  if (spare_ || !freeze_) return false;
  bool frozen = false;
  layout_.boxes.forEach([&](int cell) { frozen = frozen || freezesOffGoal(layout_, dead_, layout_.boxes, cell); });
  return frozen;
}

bool SearchBase::cancelled() const {
  return limits_.cancel != nullptr && limits_.cancel->load(std::memory_order_relaxed);
}

bool SearchBase::stopsAt(std::uint32_t taken) {
  if (taken % kCheckEvery != 0) return false;
  if (cancelled()) {
    stoppedBy_ = Bound::Cancel;
  } else if (limits_.time && std::chrono::steady_clock::now() >= deadline_) {
    stoppedBy_ = Bound::Time;
  }
  return stoppedBy_ != Bound::None;
}

std::uint32_t SearchBase::keep(const Node& node, bool& added) {
  const std::uint32_t id = store_.find(node, added);
  if (id != PositionStore::kNone) return id;
  // A cancel also stops the store from growing.
  if (cancelled()) {
    stoppedBy_ = Bound::Cancel;
  } else {
    stoppedBy_ = store_.size() >= limits_.positions ? Bound::Positions : Bound::Memory;
  }
  return id;
}

bool SearchBase::queued(bool pushed) {
  if (!pushed) stoppedBy_ = Bound::Memory;
  return pushed;
}

void SearchBase::kept() {
  if (limits_.progress && store_.size() % kProgressEvery == 0) limits_.progress(store_.size());
}

const Pushes& SearchBase::pushesOf(const Position& position) {
  pushesFrom(layout_, dead_, spare_, freeze_, position.boxes(), position.man(), pushes_);
  // The index slots of all the children load at once, rather than one after the other.
  for (const BoxPush& push : pushes_) store_.prefetch(Position(push.moved, push.box));
  return pushes_;
}

Solution SearchBase::rebuild(std::uint32_t id) const {
  std::vector<std::uint32_t> chain;
  for (std::uint32_t at = id; at != PositionStore::kNone; at = store_[at].parent) chain.push_back(at);
  std::reverse(chain.begin(), chain.end());
  // The man is followed from the start: a search may keep another cell of his reach than his own.
  Solution solution;
  int man = layout_.man;
  for (std::size_t i = 1; i < chain.size(); ++i) {
    const CellSet before = store_[chain[i - 1]].position.boxes();
    const CellSet after = store_[chain[i]].position.boxes();
    int from = -1;
    int to = -1;
    before.without(after).forEach([&](int cell) { from = cell; });
    after.without(before).forEach([&](int cell) { to = cell; });
    const auto d = static_cast<std::size_t>(std::find(kOffsets.begin(), kOffsets.end(), to - from) - kOffsets.begin());
    solution.steps += Walks(layout_, before, man).pathTo(from - kOffsets[d]);
    solution.steps += kPushLetters[d];
    man = from;
  }
  solution.pushes = static_cast<int>(chain.size()) - 1;
  solution.moves = static_cast<int>(solution.steps.size());
  return solution;
}

SolveResult SearchBase::finish(Outcome outcome) const {
  SolveResult result;
  result.outcome = outcome;
  if (outcome == Outcome::NoSolution && stoppedBy_ != Bound::None) {
    result.outcome = stoppedBy_ == Bound::Cancel ? Outcome::Cancelled : Outcome::LimitReached;
  }
  if (result.outcome == Outcome::LimitReached || result.outcome == Outcome::Cancelled) result.stoppedBy = stoppedBy_;
  result.positions = store_.size();
  result.bytes = budget_.peak();
  return result;
}

}  // namespace tarvo::solver
