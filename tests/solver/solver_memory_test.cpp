// The memory bound of every search, at bounds from one mebibyte to 64: what a search reports and
// the heap its position store and queue take stay within the bound, whether the search answers or
// stops at it, and the report is the heap it took.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "heap_meter.h"
#include "room_builder.h"
#include "solver/solver.h"

namespace tarvo::solver {
namespace {

using test::roomFromRows;

// A room searched breadth first, one the exact search stops in and the fast one answers, and one
// both answer within a few thousand positions.
std::vector<RoomRecord> rooms() {
  return {
      // ten boxes for four goals: no lower bound, the search goes breadth first
      roomFromRows({"##########", "#.      .#", "#  $ $ $ #", "#        #", "# $ $@$ $#", "#        #", "#  $ $ $ #",
                    "#.      .#", "##########"}),
      roomFromRows({"##########", "#   * .  #", "# * .  $ #", "#  $$ $..#", "# $ . . *#", "#  #$ $$@#", "#    .. $#",
                    "#  .*    #", "#        #", "##########"}),
      roomFromRows({"##########", "#    .   #", "# .$ $  ##", "#  #*    #", "#  $.$.  #", "#   *.$  #", "#  $@$ $ #",
                    "# . *.   #", "# *#  #. #", "##########"}),
  };
}

// The bounds: those where the report once passed the bound, odd sizes, and random ones up to 64 MiB.
std::vector<std::size_t> bounds() {
  constexpr std::size_t kMiB = std::size_t{1} << 20;
  std::vector<std::size_t> all = {kMiB, kMiB + 1, 3 * kMiB / 2, 3 * kMiB, 6 * kMiB, 12 * kMiB, 64 * kMiB};
  std::mt19937 random(31);
  for (int i = 0; i < 3; ++i) all.push_back(std::uniform_int_distribution<std::size_t>(kMiB, 64 * kMiB)(random));
  return all;
}

// The room's own tables (cells, the distances of boxes to goals, the pushes of one position) are
// not the search's store or queue; they take about 100 KiB beside them.
constexpr std::size_t kBesideTheStore = std::size_t{128} << 10;

TEST(SolverMemoryProperty, NoSearchHoldsOrReportsMoreThanItsBound) {
  if (!test::HeapMeter::available()) GTEST_SKIP() << "the sanitizer keeps its own heap";
  const std::vector<RoomRecord> all = rooms();
  for (std::size_t r = 0; r < all.size(); ++r) {
    const Snapshot snapshot = snapshotOf(all[r]);
    std::optional<SolveResult> unbounded;
    for (const std::size_t bound : bounds()) {
      for (const bool exact : {true, false}) {
        SCOPED_TRACE(testing::Message() << "room " << r << ", bound " << bound << (exact ? ", exact" : ", fast"));
        Limits limits;
        limits.memoryBytes = bound;
        limits.time = std::chrono::milliseconds(1500);  // the largest bounds need not be reached
        test::HeapMeter meter;
        const SolveResult result = exact ? solve(snapshot, limits) : findSolution(snapshot, limits);
        const std::size_t heap = meter.peak();
        EXPECT_LE(result.bytes, bound);
        EXPECT_LE(heap, bound + kBesideTheStore);
        // The report is what the store and queue held: not less than the heap they took.
        EXPECT_GE(result.bytes + kBesideTheStore, heap);
        EXPECT_GE(result.bytes, result.positions * sizeof(std::uint64_t) * 3) << "a kept position takes its node";
        ASSERT_NE(result.outcome, Outcome::NoSolution) << "every room here has a solution";
        if (result.outcome == Outcome::LimitReached) {
          EXPECT_TRUE(result.stoppedBy == Bound::Memory || result.stoppedBy == Bound::Time);
        }
        if (result.stoppedBy == Bound::Memory) {
          EXPECT_GT(result.bytes, bound / 4) << "stopped far below its bound";
        }
        // An exact answer is the same under every bound that lets it be found.
        if (exact && result.outcome == Outcome::Solved) {
          if (!unbounded) unbounded = result;
          EXPECT_EQ(result.solution.pushes, unbounded->solution.pushes);
          EXPECT_EQ(result.solution.moves, unbounded->solution.moves);
        }
      }
    }
  }
}

}  // namespace
}  // namespace tarvo::solver
