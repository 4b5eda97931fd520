// The solver and the pointing play path on random rooms, each answer checked against a search
// that cannot share its faults: the solver without its shortcuts, the frozen baseline, and a
// search over single steps. TARVO_ROOMS=N tries N rooms instead of the 500 of a test run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <queue>
#include <random>
#include <tuple>

#include "baseline/solver.h"
#include "room_builder.h"
#include "rules/moves.h"
#include "rules/replay.h"
#include "solver/push_path.h"
#include "solver/solver.h"

namespace tarvo::solver {
namespace {

int roomsToTry() {
  const char* rooms = std::getenv("TARVO_ROOMS");
  return rooms != nullptr ? std::atoi(rooms) : 500;
}

// A room of a few cells within walls, with some walls inside, one to three goals and as many
// boxes, or one box to spare. Now and then its sides are open, so the man and the boxes step
// from column 9 into the next row; a box stands on a wall; a goal lies on a wall.
RoomRecord randomRoom(unsigned seed) {
  std::mt19937 random(seed);
  const auto pick = [&](std::size_t n) { return random() % n; };
  const bool open = pick(8) == 0;
  const std::size_t height = open ? 2 + pick(2) : 3 + pick(5), width = open ? kSide : 3 + pick(5), left = open ? 0 : 1;
  test::Texts rows(height + 2, std::string(width + 2 * left, '#'));
  std::vector<char*> floor;
  for (std::size_t row = 1; row <= height; ++row) {
    for (std::size_t column = left; column < left + width; ++column) {
      if (pick(8) != 0) floor.push_back(&(rows[row][column] = ' '));
    }
  }
  const std::size_t goals = 1 + pick(3), boxes = goals + (pick(3) == 0 ? 1 : 0);
  if (floor.size() > boxes) {
    std::shuffle(floor.begin(), floor.end(), random);
    for (std::size_t k = 0; k < goals; ++k) *floor[pick(floor.size())] = '.';
    for (std::size_t k = 0; k < boxes; ++k) *floor[k] = *floor[k] == '.' ? '*' : '$';
    *floor[boxes] = *floor[boxes] == '.' ? '+' : '@';
  }
  RoomRecord room = test::roomFromRows(rows);
  const int wall = static_cast<int>(pick(width));
  if (pick(10) == 0) room.cells[wall] = WALL + BOX;
  if (pick(10) == 0) room.goals->push_back(wall);
  return room;
}

SolveResult solveWith(const RoomRecord& room, Limits::Pruning pruning) {
  Limits limits;
  limits.pruning = pruning;
  limits.positions = 1'000'000;
  return solve(snapshotOf(room), limits);
}

// The frozen baseline's answer, when it takes the room as it stands.
std::optional<baseline::SolveResult> baselineSolve(const RoomRecord& room) {
  const RowBuffer rows = buildRoomRows(room);
  const baseline::BoardResult read = baseline::readBoard({rows.begin(), rows.end()});
  if (!read.ok() || !(read.room.cells == room.cells) || *read.room.goals != *room.goals) return std::nullopt;
  return baseline::solve(read.board);
}

TEST(SolverProperty, AgreesWithItsUnprunedSelfAndTheBaselineAndEverySolutionReplays) {
  int solved = 0, compared = 0;
  for (int seed = 0; seed < roomsToTry(); ++seed) {
    const RoomRecord room = randomRoom(static_cast<unsigned>(seed));
    SCOPED_TRACE("seed " + std::to_string(seed) + test::roomText(room));
    const SolveResult full = solveWith(room, Limits::Pruning::Full);
    const SolveResult plain = solveWith(room, Limits::Pruning::None);
    if (plain.outcome == Outcome::LimitReached) continue;
    ASSERT_EQ(full.outcome, plain.outcome);
    const auto expectSolves = [&](const std::string& steps, int pushes, int moves) {
      EXPECT_EQ(replayProblem(room, steps), std::nullopt) << steps;
      EXPECT_TRUE(pushes == full.solution.pushes && moves == full.solution.moves) << pushes << ", " << moves;
      EXPECT_EQ(static_cast<int>(steps.size()), moves) << steps;
    };
    if (full.outcome == Outcome::Solved) {
      ++solved;
      expectSolves(full.solution.steps, full.solution.pushes, full.solution.moves);
      expectSolves(plain.solution.steps, plain.solution.pushes, plain.solution.moves);
    }
    if (const std::optional<baseline::SolveResult> old = baselineSolve(room)) {
      ++compared;
      ASSERT_EQ(old->outcome == baseline::Outcome::Solved, full.outcome == Outcome::Solved);
      if (full.outcome == Outcome::Solved) expectSolves(old->solution.steps, old->solution.pushes, old->solution.moves);
    }
    if (HasFailure()) return;
  }
  EXPECT_GT(solved, roomsToTry() / 5);
  EXPECT_GT(compared, roomsToTry() / 3);
}

// The fewest pushes and then moves that bring the box on `box` to each cell, the other boxes
// standing still: a search over (box cell, man cell) one step at a time. INT_MAX: out of reach.
std::vector<std::pair<int, int>> fewestPushesAndMoves(const Layout& layout, int box) {
  CellSet others = layout.boxes;
  others.reset(box);
  const auto open = [&](int cell) {
    return cell >= 0 && cell < kCells && layout.free.test(cell) && !others.test(cell);
  };
  using Cost = std::pair<int, int>;
  std::vector<Cost> best(kCells * kCells, {INT_MAX, INT_MAX});
  std::priority_queue<std::tuple<int, int, int>, std::vector<std::tuple<int, int, int>>, std::greater<>> queue;
  const auto reach = [&](int at, int man, Cost cost) {
    if (cost >= best[static_cast<std::size_t>(at * kCells + man)]) return;
    best[static_cast<std::size_t>(at * kCells + man)] = cost;
    queue.emplace(cost.first, cost.second, at * kCells + man);
  };
  reach(box, layout.man, {0, 0});
  while (!queue.empty()) {
    const auto [pushes, moves, position] = queue.top();
    queue.pop();
    if (Cost{pushes, moves} != best[static_cast<std::size_t>(position)]) continue;
    const int at = position / kCells, man = position % kCells;
    for (int offset : kOffsets) {
      if (!open(man + offset)) continue;
      if (man + offset != at) reach(at, man + offset, {pushes, moves + 1});
      if (man + offset == at && open(at + offset)) reach(at + offset, at, {pushes + 1, moves + 1});
    }
  }
  std::vector<Cost> toCell(kCells, {INT_MAX, INT_MAX});
  for (int position = 0; position < kCells * kCells; ++position) {
    Cost& cell = toCell[static_cast<std::size_t>(position / kCells)];
    cell = std::min(cell, best[static_cast<std::size_t>(position)]);
  }
  return toCell;
}

TEST(PushPathProperty, EveryBoxGoesToEveryCellWithTheFewestPushesThenMovesOrNotAtAll) {
  int paths = 0;
  for (int seed = 0; seed < roomsToTry(); ++seed) {
    const RoomRecord room = randomRoom(static_cast<unsigned>(seed));
    const Snapshot snapshot = snapshotOf(room);
    const Layout layout = layoutOf(snapshot);
    if (layout.man < 0) continue;
    layout.boxes.forEach([&](int box) {
      const std::vector<std::pair<int, int>> best = fewestPushesAndMoves(layout, box);
      for (int target = 0; target < kCells; ++target) {
        const std::optional<std::string> steps = pushPath(snapshot, box, target);
        SCOPED_TRACE("seed " + std::to_string(seed) + ", box " + std::to_string(box) + " to " + std::to_string(target) +
                     test::roomText(room));
        const auto [pushes, moves] = best[static_cast<std::size_t>(target)];
        if (!layout.isFree(target) || pushes == INT_MAX) {
          EXPECT_EQ(steps, std::nullopt);
          continue;
        }
        ASSERT_TRUE(steps.has_value());
        ++paths;
        EXPECT_EQ(std::count_if(steps->begin(), steps->end(), ::isupper), pushes) << *steps;
        EXPECT_EQ(static_cast<int>(steps->size()), moves) << *steps;
        RoomRecord played = room;
        for (char letter : *steps) {
          EXPECT_EQ(moveMan(played, *directionOfLetter(letter)), ::isupper(letter) ? StepKind::Push : StepKind::Walk);
        }
        EXPECT_TRUE(isBox(played, target)) << *steps;
      }
    });
    if (HasFailure()) return;
  }
  EXPECT_GT(paths, roomsToTry() * 10);
}

}  // namespace
}  // namespace tarvo::solver
