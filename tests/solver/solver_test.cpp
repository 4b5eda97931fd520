// The solver on small rooms: the rooms it refuses, the fewest pushes and then moves, and the paths of pointing
// play, each solution replayed through the game's rules; and both on random rooms against searches that cannot share
// their faults (TARVO_ROOMS=N tries N rooms instead of 500).
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <optional>
#include <queue>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "baseline/solver.h"
#include "room_builder.h"
#include "rules/moves.h"
#include "rules/replay.h"
#include "solver/push_path.h"
#include "solver/solver.h"

namespace tarvo::solver {
namespace {

using test::roomFromRows;

// Solves the room and plays the steps through the game's rules. The counts were found by
// trying every step on these rooms.
void expectOptimal(const RoomRecord& room, int pushes, int moves) {
  SCOPED_TRACE(test::roomText(room));
  const SolveResult result = solve(snapshotOf(room));
  ASSERT_EQ(result.outcome, Outcome::Solved);
  EXPECT_EQ(result.solution.pushes, pushes);
  EXPECT_EQ(result.solution.moves, moves);
  EXPECT_EQ(result.solution.moves, static_cast<int>(result.solution.steps.size()));
  EXPECT_EQ(replayProblem(room, result.solution.steps), std::nullopt) << result.solution.steps;
}

// The fewest pushes and then moves, open rooms and spare boxes are the random rooms' below; here
// the rooms with nothing left to solve and those without a man.
TEST(Solver, SolvesARoomWithNothingLeftToDoAndRefusesOneWithoutAMan) {
  expectOptimal(roomFromRows({"#####", "#@* #", "#####"}), 0, 0);
  const SolveResult nothing = solve(snapshotOf(roomFromRows({"#####", "#@$ #", "#####"})));
  EXPECT_TRUE(nothing.outcome == Outcome::Solved && nothing.solution.steps.empty());
  // No man on the cell the room names, or none at all.
  RoomRecord manless = roomFromRows({"######", "#@$. #", "######"});
  manless.man = 12;
  EXPECT_EQ(solve(snapshotOf(manless)).outcome, Outcome::NoMan);
  EXPECT_EQ(solve(snapshotOf(roomFromRows({"######", "# $. #", "######"}))).outcome, Outcome::NoMan);
}

TEST(Solver, ProvesHopelessRoomsWithoutSearchingThemThrough) {
  const std::vector<RoomRecord> hopeless = {
      // Two boxes side by side against a wall can never be parted.
      roomFromRows({"#######", "#  .. #", "#     #", "#@ $$ #", "#######"}),
      // A box in a corner, off its goal.
      roomFromRows({"########", "#$     #", "#   @ .#", "########"}),
      // Two boxes that can only ever reach the same goal of the two.
      roomFromRows({"##########", "#.#     .#", "# ###$#$##", "#  @     #", "##########"}),
  };
  for (const RoomRecord& room : hopeless) {
    const SolveResult result = solve(snapshotOf(room));
    EXPECT_EQ(result.outcome, Outcome::NoSolution);
    EXPECT_LT(result.positions, 50u);
  }
}

// Boxes pushed side by side against the goals' wall freeze there unless both stand on goals.
TEST(Solver, DropsPositionsWithFrozenBoxesWithoutChangingTheAnswer) {
  const RoomRecord room = roomFromRows({"########", "#...  .#", "#  $$$$#", "#  @   #", "########"});
  expectOptimal(room, 10, 23);
  Limits noFreezing;
  noFreezing.pruning = Limits::Pruning::NoFrozenBoxes;
  const SolveResult with = solve(snapshotOf(room)), without = solve(snapshotOf(room), noFreezing);
  EXPECT_LT(with.positions * 4, without.positions * 3) << with.positions << " against " << without.positions;
}

int roomsToTry() {
  const char* rooms = std::getenv("TARVO_ROOMS");
  return rooms != nullptr ? std::atoi(rooms) : 500;
}

// A room of a few cells within walls, with some walls inside, one to three goals and as many
// boxes, or one box to spare, and forbidden marks here and there. Now and then its sides are
// open, so the man and the boxes step from column 9 into the next row; a box stands on a wall;
// a goal lies on a wall. Most are closed, as the baseline wants, and small enough for a search
// without shortcuts.
RoomRecord randomSmallRoom(unsigned seed) {
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
    for (std::size_t k = 0; k < goals; ++k) *floor[pick(k < 2 && pick(2) == 0 ? boxes : floor.size())] = '.';
    for (std::size_t k = 0; k < boxes; ++k) *floor[k] = *floor[k] == '.' ? '*' : '$';
    *floor[boxes] = *floor[boxes] == '.' ? '+' : '@';
  }
  RoomRecord room = test::roomFromRows(rows);
  for (int cell = 0; cell < kCells; ++cell) {
    if (pick(2) == 0) setMark(room, cell);  // forbidden marks change nothing but the codes
  }
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

// The frozen baseline's answer, when it takes the room as it stands but for the marks.
std::optional<baseline::SolveResult> baselineSolve(RoomRecord room) {
  clearAllMarks(room);
  const RowBuffer rows = buildRoomRows(room);
  const baseline::BoardResult read = baseline::readBoard({rows.begin(), rows.end()});
  if (!read.ok() || !(read.room.cells == room.cells) || *read.room.goals != *room.goals) return std::nullopt;
  return baseline::solve(read.board);
}

// The fast search answers exactly when the exact one does, with at least the fewest pushes.
TEST(SolverProperty, AgreesWithItsUnprunedSelfTheFastSearchAndTheBaselineAndEverySolutionReplays) {
  int solved = 0, compared = 0;
  for (int seed = 0; seed < roomsToTry(); ++seed) {
    const RoomRecord room = randomSmallRoom(static_cast<unsigned>(seed));
    SCOPED_TRACE("seed " + std::to_string(seed) + test::roomText(room));
    const SolveResult full = solveWith(room, Limits::Pruning::Full);
    const SolveResult plain = solveWith(room, Limits::Pruning::None);
    if (plain.outcome == Outcome::LimitReached) continue;
    ASSERT_EQ(full.outcome, plain.outcome);
    const auto expectPlays = [&](const auto& solution, bool fewest) {
      EXPECT_EQ(replayProblem(room, solution.steps), std::nullopt) << solution.steps;
      EXPECT_EQ(static_cast<int>(solution.steps.size()), solution.moves) << solution.steps;
      EXPECT_GE(solution.pushes, full.solution.pushes);
      EXPECT_TRUE(!fewest || (solution.pushes == full.solution.pushes && solution.moves == full.solution.moves));
    };
    Limits limits;
    limits.positions = 1'000'000;
    const SolveResult fast = findSolution(snapshotOf(room), limits);
    ASSERT_EQ(fast.outcome, full.outcome);
    if (full.outcome == Outcome::Solved) {
      ++solved;
      expectPlays(full.solution, true);
      expectPlays(plain.solution, true);
      expectPlays(fast.solution, false);
    }
    if (const std::optional<baseline::SolveResult> old = baselineSolve(room)) {
      ++compared;
      ASSERT_EQ(old->outcome == baseline::Outcome::Solved, full.outcome == Outcome::Solved);
      if (full.outcome == Outcome::Solved) expectPlays(old->solution, true);
    }
    if (HasFailure()) return;
  }
  EXPECT_GT(solved, roomsToTry() / 5);
  EXPECT_GT(compared, roomsToTry() / 3);
}

// Eight boxes in an open room, with a ninth to spare: with a box to spare no position is hopeless
// by itself, so the search has a long way to go.
RoomRecord longSearch() {
  return roomFromRows({"##########", "#.      .#", "#  $ $ $ #", "#        #", "# $ $@$ $#", "#        #", "#  $ $ $ #",
                       "#.      .#", "##########"});
}

// Both searches stop on each of their bounds, say which one, and see a cancel within a bounded
// number of positions.
TEST(Solver, BothSearchesStopOnTheirBoundsAndSayWhich) {
  for (auto search : {&solve, &findSolution}) {
    SCOPED_TRACE(search == &solve ? "exact" : "fast");
    Limits small, few, quick;
    small.memoryBytes = std::size_t{4} << 20;
    few.positions = 1000;
    quick.time = std::chrono::milliseconds(30);
    for (const auto& [limits, bound] :
         {std::pair{small, Bound::Memory}, {few, Bound::Positions}, {quick, Bound::Time}}) {
      const auto started = std::chrono::steady_clock::now();
      const SolveResult result = search(snapshotOf(longSearch()), limits);
      EXPECT_TRUE(result.outcome == Outcome::LimitReached && result.stoppedBy == bound) << int(bound);
      EXPECT_TRUE(result.bytes <= limits.memoryBytes && result.positions <= limits.positions) << int(bound);
      EXPECT_TRUE(bound != Bound::Time || std::chrono::steady_clock::now() - started < std::chrono::milliseconds(500));
    }

    // Cancelled from the first progress report: the search looks at the flag often enough to
    // stop before it has kept many more positions.
    std::atomic<bool> cancel = false;
    std::size_t reported = 0;
    Limits cancellable;
    cancellable.cancel = &cancel;
    cancellable.progress = [&](std::size_t positions) {
      reported = positions;
      cancel = true;
    };
    const SolveResult result = search(snapshotOf(longSearch()), cancellable);
    EXPECT_TRUE(result.outcome == Outcome::Cancelled && result.stoppedBy == Bound::Cancel);
    EXPECT_GT(reported, 0u);
    EXPECT_LT(result.positions, reported + 20'000);
  }

  // The fast search runs twice within its time, the second run on what the first left: together
  // they stop within the time given, not a quarter past it.
  Limits second;
  second.time = std::chrono::milliseconds(1000);
  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(findSolution(snapshotOf(longSearch()), second).stoppedBy, Bound::Time);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(1150));

  // The two together: the fast search answers where the exact one stops, and says so.
  Budget budget;
  budget.exact.positions = 2;
  const Snapshot corridor = snapshotOf(roomFromRows({"#######", "#@$  .#", "#######"}));
  const SolveResult found = solveOrFind(corridor, budget);
  EXPECT_TRUE(found.outcome == Outcome::Solved && !found.fewest && found.solution.pushes == 3);
  // The positions are those both searches kept, the bytes the most either held.
  const SolveResult exactAlone = solve(corridor, budget.exact);
  const SolveResult fastAlone = findSolution(corridor, budget.fast);
  EXPECT_EQ(found.positions, exactAlone.positions + fastAlone.positions);
  EXPECT_EQ(found.bytes, std::max(exactAlone.bytes, fastAlone.bytes));
  budget.fast.positions = 2;
  EXPECT_EQ(describeBound(solveOrFind(snapshotOf(longSearch()), budget), budget), "2 positions");
  budget.exact.time = std::chrono::milliseconds(3000);
  budget.fast.time = std::chrono::milliseconds(7000);
  budget.fast.memoryBytes = std::size_t{256} << 20;
  SolveResult stopped;
  stopped.stoppedBy = Bound::Time;
  EXPECT_EQ(describeBound(stopped, budget), "10 s");
  stopped.stoppedBy = Bound::Memory;
  EXPECT_EQ(describeBound(stopped, budget), "the memory bound of 256 MiB");
}

// Pointing play: the man's walk to a cell and one box pushed to a cell, replayed through the game's steps.
// Plays the letters on a copy of the room; each must walk or push as its case says.
RoomRecord played(RoomRecord room, const std::string& steps) {
  for (char letter : steps) {
    const StepKind made = moveMan(room, *directionOfLetter(letter));
    EXPECT_EQ(made, letter >= 'A' && letter <= 'Z' ? StepKind::Push : StepKind::Walk) << steps;
  }
  return room;
}

TEST(PointingPlay, AClickChoosesABoxLetsItGoOrMovesTheMan) {
  const RoomRecord room = roomFromRows({"########", "#@ $ $ #", "#      #", "########"});
  const Snapshot snapshot = snapshotOf(room);
  const int box = cellIndex(1, 3);
  const int other = cellIndex(1, 5);
  const auto expect = [&](std::optional<int> selected, int cell, std::optional<int> chosen, const std::string& steps) {
    const Pointing pointing = pointAt(snapshot, selected, cell);
    EXPECT_EQ(pointing.selected, chosen) << "click on " << cell;
    EXPECT_EQ(pointing.steps, steps) << "click on " << cell;
  };
  // Without a box chosen: a box is chosen, a free cell walked to, a wall changes nothing.
  expect(std::nullopt, box, box, "");
  expect(std::nullopt, cellIndex(2, 1), std::nullopt, "d");
  expect(std::nullopt, cellIndex(0, 2), std::nullopt, "");
  // With one: the same box is let go, another one chosen instead, a free cell is where to push.
  expect(box, box, std::nullopt, "");
  expect(box, other, other, "");
  expect(box, cellIndex(1, 4), std::nullopt, "rR");
  // A push that cannot be done (the push-path property test finds which) lets the box go and
  // moves nothing, even to a cell the man could walk to.
  expect(box, cellIndex(2, 3), std::nullopt, "");
}

// The fewest pushes and then moves that bring the box on `box` to each (box cell, man cell), the
// other boxes standing still, searched one step at a time; INT_MAX: out of reach.
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
  return best;
}

TEST(PushPathProperty, EveryBoxGoesToEveryCellWithTheFewestPushesThenMovesOrNotAtAll) {
  int paths = 0;
  for (int seed = 0; seed < roomsToTry(); ++seed) {
    const RoomRecord room = randomSmallRoom(static_cast<unsigned>(seed));
    const Snapshot snapshot = snapshotOf(room);
    const Layout layout = layoutOf(snapshot);
    if (layout.man < 0) continue;
    layout.boxes.forEach([&](int box) {
      SCOPED_TRACE("seed " + std::to_string(seed) + ", the box on " + std::to_string(box) + test::roomText(room));
      const std::vector<std::pair<int, int>> best = fewestPushesAndMoves(layout, box);
      for (int target = 0; target < kCells; ++target) {
        // With the box where it stands, the man's fewest moves to a cell are his walk there.
        const auto [pushed, walk] = best[static_cast<std::size_t>(box * kCells + target)];
        const std::optional<std::string> walked = walkPath(snapshot, target);
        EXPECT_EQ(walked ? static_cast<int>(walked->size()) : -1, pushed == 0 ? walk : -1) << "walk to " << target;
        EXPECT_TRUE(!walked || played(room, *walked).man == target) << *walked;
        const std::optional<std::string> steps = pushPath(snapshot, box, target);
        const auto first = best.begin() + target * kCells;
        const auto [pushes, moves] = *std::min_element(first, first + kCells);
        if (!layout.isFree(target) || pushes == INT_MAX) {
          EXPECT_EQ(steps, std::nullopt) << "to " << target;
          continue;
        }
        ASSERT_TRUE(steps.has_value()) << "to " << target;
        ++paths;
        EXPECT_EQ(std::count_if(steps->begin(), steps->end(), ::isupper), pushes) << *steps;
        EXPECT_EQ(static_cast<int>(steps->size()), moves) << *steps;
        EXPECT_TRUE(isBox(played(room, *steps), target)) << *steps;
      }
    });
    if (HasFailure()) return;
  }
  EXPECT_GT(paths, roomsToTry() * 10);
}

// A player may push boxes into a block that can never move, off their goals: when every box
// must reach a goal, the search says so at once rather than after its bounds.
TEST(Solver, AStartWithAFrozenBoxOffItsGoalIsHopelessAtOnce) {
  const RoomRecord room = test::roomFromRows(
      {"##########", "#@ ..... #", "#  .... $#", "# $$ $ $ #", "# $$  $  #", "#      $ #", "##########"});
  solver::Limits limits;
  limits.positions = 1000;
  const solver::SolveResult exact = solver::solve(solver::snapshotOf(room), limits);
  EXPECT_EQ(exact.outcome, solver::Outcome::NoSolution);
  EXPECT_LE(exact.positions, 1u);
  EXPECT_EQ(solver::findSolution(solver::snapshotOf(room), limits).outcome, solver::Outcome::NoSolution);
}

}  // namespace
}  // namespace tarvo::solver
