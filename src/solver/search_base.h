// What the exact and the fast search share: the room's cell sets, the position store, the
// bounds that stop a search and the way back from a solved position to its steps.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

#include "solver/dead_cells.h"
#include "solver/goal_matching.h"
#include "solver/position_store.h"
#include "solver/pushes.h"
#include "solver/solver.h"

namespace tarvo::solver {

// The answer when no search is needed: no man, no goal (solved as it stands), a goal no box can
// reach, or fewer boxes than goals; nothing when a search must decide.
std::optional<SolveResult> answerWithoutSearch(const Snapshot& snapshot, const Layout& layout);

class SearchBase {
 protected:
  static constexpr std::uint32_t kHopeless = GoalMatching::kHopeless;

  // Precondition: the layout has a man, goals, and at least as many boxes as goals.
  SearchBase(const Layout& layout, const Limits& limits);

  // A lower bound of the pushes still needed; zero when a box may be spared.
  std::uint32_t lowerBound(const CellSet& boxes) const { return spare_ || !prune_ ? 0 : matching_.bound(boxes); }

  // Whether the start can never be solved: a box that no goal can be reached from, or a box off
  // its goal frozen where it stands (a player may well have pushed one there), when every box
  // must end on a goal. Known at once, so no search runs to its bounds to find it.
  bool hopelessAtStart() const;

  // Whether the time is up or the search was cancelled; looked at every few hundred positions
  // taken out (`taken` counts them), which keeps the clock's cost out of the search.
  bool stopsAt(std::uint32_t taken);
  // The id of the node's position in the store, adding it when new (`added`); kNone, with the
  // bound noted, when the store refuses it.
  std::uint32_t keep(const Node& node, bool& added);
  // Whether a position was queued: when the queue could not be paid for, notes the memory bound.
  bool queued(bool pushed);
  // A new position was kept: reports progress now and then.
  void kept();
  // A position would need more pushes or moves than a node records: the positions' bound.
  void tooDeep() { stoppedBy_ = Bound::Positions; }

  // The pushes from a position, in the order both searches meet them.
  const Pushes& pushesOf(const Position& position);
  // The steps from the start to the position `id`, made of the man's walks and the pushes.
  Solution rebuild(std::uint32_t id) const;
  SolveResult finish(Outcome outcome) const;

  const Layout& layout_;
  const Limits& limits_;
  const bool spare_;
  const bool prune_;   // dead cells and the lower bound
  const bool freeze_;  // frozen boxes
  const CellSet area_;
  const CellSet dead_;  // empty when a box may be spared
  const GoalMatching matching_;
  // The memory of the store and the queue: declared before both, so it outlives them.
  MemoryBudget budget_;
  PositionStore store_;

 private:
  bool cancelled() const;

  std::chrono::steady_clock::time_point deadline_;
  Pushes pushes_;
  Bound stoppedBy_ = Bound::None;
};

}  // namespace tarvo::solver
