// The least-cost assignment of boxes to goals by the Hungarian method with potentials: n rounds, each adding one box
// by a shortest augmenting path, O(n^3) in all; rooms hold a handful of boxes.
#include "solver/goal_matching.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <limits>

namespace tarvo::solver {

namespace {

constexpr int kFar = 1 << 20;  // a goal the box can never reach; any sum with one is hopeless

}  // namespace

// The number of goals in each set of goals: the box a set's least sum adds next (a table, as the
// processors a Debian build targets may lack a popcount instruction, and the call costs more
// than the sum it serves).
constexpr std::array<std::uint8_t, 64> kSetSizes = [] {
  std::array<std::uint8_t, 64> sizes{};
  for (unsigned set = 0; set < sizes.size(); ++set) sizes[set] = static_cast<std::uint8_t>(std::popcount(set));
  return sizes;
}();

// Boxes 1..k take the goals of a set of k goals: the least sum for every set, built up one box at
// a time. 2^n sets of n steps each: quicker than the general method for a few boxes.
std::uint32_t GoalMatching::bySubsets(const std::array<int, kCells + 1>& cells, int n) const {
  static_assert(std::size(kSetSizes) == 1u << kFewBoxes);
  // Each box's distances to the goals, read once from the tables.
  std::array<std::array<int, kFewBoxes>, kFewBoxes> distance;
  for (int box = 0; box < n; ++box) {
    const auto cell = static_cast<std::size_t>(cells[static_cast<std::size_t>(box + 1)]);
    for (int goal = 0; goal < n; ++goal) {
      const std::uint8_t d = toGoal_[static_cast<std::size_t>(goal)][cell];
      distance[static_cast<std::size_t>(box)][static_cast<std::size_t>(goal)] = d == kNeverPushed ? kFar : d;
    }
  }
  const unsigned all = (1u << n) - 1;
  std::array<int, 1 << kFewBoxes> least;
  least.fill(kFar);
  least[0] = 0;
  for (unsigned set = 0; set < all; ++set) {
    const int sum = least[set];
    if (sum >= kFar) continue;
    const auto& next = distance[kSetSizes[set]];
    for (unsigned open = all & ~set; open != 0; open &= open - 1) {
      const int goal = std::countr_zero(open);
      int& with = least[set | 1u << goal];
      with = std::min(with, sum + next[static_cast<std::size_t>(goal)]);
    }
  }
  const int sum = least[all];
  return sum >= kFar ? kHopeless : static_cast<std::uint32_t>(sum);
}

GoalMatching::GoalMatching(const Layout& layout, const CellSet& area) {
  layout.goals.forEach([&](int goal) {
    CellSet one;
    one.set(goal);
    toGoal_.push_back(pushDistances(layout, area, one));
  });
  nearestDistance_.fill(kNeverPushed);
  for (std::size_t goal = 0; goal < toGoal_.size(); ++goal) {
    for (std::size_t cell = 0; cell < kCells; ++cell) {
      if (toGoal_[goal][cell] < nearestDistance_[cell]) {
        nearestDistance_[cell] = toGoal_[goal][cell];
        nearest_[cell] = static_cast<std::uint8_t>(goal);
      }
    }
  }
}

void GoalMatching::Free::operator()(Known* known) const { std::free(known); }

std::uint32_t GoalMatching::bound(const CellSet& boxes) const {
  if (!known_) known_.reset(static_cast<Known*>(std::calloc(kKnownSlots, sizeof(Known))));
  if (!known_) return compute(boxes);
  const std::uint64_t hash = (boxes.low * 0x9E3779B97F4A7C15u) ^ (boxes.high * 0xC2B2AE3D27D4EB4Fu);
  Known& slot = known_[static_cast<std::size_t>(hash >> (64 - std::countr_zero(kKnownSlots)))];
  if (slot.low != boxes.low || slot.high != boxes.high || boxes.none()) {
    slot = Known{boxes.low, boxes.high, compute(boxes)};
  }
  return slot.bound;
}

std::uint32_t GoalMatching::compute(const CellSet& boxes) const {
  const int n = static_cast<int>(toGoal_.size());
  std::array<int, kCells + 1> cells;
  int count = 0;
  // When every box has a nearest goal of its own, their distances add up to the least sum.
  std::uint32_t nearestSum = 0;
  CellSet goalsTaken;  // by index in toGoal_
  bool shared = false;
  boxes.forEach([&](int cell) {
    cells[static_cast<std::size_t>(++count)] = cell;
    const auto at = static_cast<std::size_t>(cell);
    if (nearestDistance_[at] == kNeverPushed || goalsTaken.test(nearest_[at])) shared = true;
    goalsTaken.set(nearest_[at]);
    nearestSum += nearestDistance_[at];
  });
  if (count != n) return kHopeless;
  if (!shared) return nearestSum;
  if (n <= kFewBoxes) return bySubsets(cells, n);
  auto cost = [&](int box, int goal) {
    const std::uint8_t d = toGoal_[static_cast<std::size_t>(goal - 1)][static_cast<std::size_t>(cells[box])];
    return d == kNeverPushed ? kFar : static_cast<int>(d);
  };
  // Rows are boxes 1..n, columns goals 1..n; column 0 is the free start of each round.
  using Row = std::array<int, kCells + 1>;
  Row u, v, owner, way, least;
  std::array<bool, kCells + 1> used;
  const auto size = static_cast<std::size_t>(n + 1);
  std::fill_n(u.begin(), size, 0);
  std::fill_n(v.begin(), size, 0);
  std::fill_n(owner.begin(), size, 0);
  for (int box = 1; box <= n; ++box) {
    owner[0] = box;
    int column = 0;
    std::fill_n(least.begin(), size, std::numeric_limits<int>::max());
    std::fill_n(used.begin(), size, false);
    do {
      used[static_cast<std::size_t>(column)] = true;
      const int row = owner[column];
      int delta = std::numeric_limits<int>::max();
      int next = 0;
      for (int goal = 1; goal <= n; ++goal) {
        if (used[static_cast<std::size_t>(goal)]) continue;
        const int reduced = cost(row, goal) - u[row] - v[goal];
        if (reduced < least[goal]) {
          least[goal] = reduced;
          way[goal] = column;
        }
        if (least[goal] < delta) {
          delta = least[goal];
          next = goal;
        }
      }
      for (int goal = 0; goal <= n; ++goal) {
        if (used[static_cast<std::size_t>(goal)]) {
          u[owner[goal]] += delta;
          v[goal] -= delta;
        } else {
          least[goal] -= delta;
        }
      }
      column = next;
    } while (owner[column] != 0);
    do {
      const int previous = way[column];
      owner[column] = owner[previous];
      column = previous;
    } while (column != 0);
  }
  const int sum = -v[0];
  return sum >= kFar ? kHopeless : static_cast<std::uint32_t>(sum);
}

}  // namespace tarvo::solver
