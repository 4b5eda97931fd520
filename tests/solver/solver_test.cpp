// The solver on small rooms: the rooms it refuses, the fewest pushes and then moves, each solution replayed through
// the game's rules.
#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "room_builder.h"
#include "rules/replay.h"
#include "solver/board.h"
#include "solver/solver.h"

namespace tarvo::solver {
namespace {

using test::roomFromRows;

using Rows = std::vector<std::string>;

std::string show(const Rows& rows) {
  std::string text;
  for (const std::string& row : rows) text += "|" + row + "|\n";
  return text;
}

// Up to ten rows, read as the first rows of a room text starting on line `firstLine`.
BoardResult read(Rows rows, int firstLine = 1) {
  rows.resize(kSide);
  return readBoard(rows, firstLine);
}

TEST(RoomInput, RefusesRoomsThatCannotBePlayedNamingTheLineAndColumn) {
  EXPECT_EQ(read({"#####   \r", "#@$.#", "#####"}).error, "") << "blanks and a CR at the end are harmless";
  // The game reads any byte that is no symbol as an outside cell, which would quietly change
  // a mistyped room; so would bytes past the tenth, which it does not read.
  EXPECT_EQ(read({"#####", "#@$.#", "#x###"}, 20).error, "unknown symbol 'x' at line 22, column 2");
  EXPECT_EQ(read({"#####", "#@$.#\t"}, 1).error, "unknown symbol byte 0x09 at line 2, column 6");
  EXPECT_EQ(read({"#####", "#@$.#     #"}).error, "line 2 is longer than ten cells");
  EXPECT_EQ(read({"#####", "# $.#", "#####"}).error, "no man");
  EXPECT_EQ(read({"######", "#@$.+#", "######"}).error, "2 men");
  // A gap in the wall, and an outside cell within reach; a box in the gap does not close it.
  EXPECT_EQ(read({"#####", "#@$.", "#####"}, 5).error, "not closed: the man can reach line 5, column 6");
  EXPECT_EQ(read({"######", "#@$.-#", "######"}).error, "not closed: the man can reach line 2, column 5");
  EXPECT_EQ(read({"#####", "#@$.$", "#####"}).error.substr(0, 10), "not closed");
  EXPECT_EQ(read({"######", "#@$$.#", "######"}).error, "2 boxes but 1 goal");
  EXPECT_EQ(read({"#####", "#@  #", "#####"}).error, "no goals");
}

// Solves the room and plays the steps through the game's rules. The counts were found by
// trying every step on these rooms.
void expectOptimal(const RoomRecord& room, int pushes, int moves) {
  const SolveResult result = solve(snapshotOf(room));
  ASSERT_EQ(result.outcome, Outcome::Solved);
  EXPECT_EQ(result.solution.pushes, pushes);
  EXPECT_EQ(result.solution.moves, moves);
  EXPECT_EQ(result.solution.moves, static_cast<int>(result.solution.steps.size()));
  EXPECT_EQ(replayProblem(room, result.solution.steps), std::nullopt) << result.solution.steps;
}

void expectOptimal(const Rows& rows, int pushes, int moves) {
  SCOPED_TRACE(show(rows));
  const BoardResult room = read(rows);
  ASSERT_TRUE(room.ok()) << room.error;
  expectOptimal(room.room, pushes, moves);
}

TEST(Solver, FindsTheFewestPushesThenTheFewestMoves) {
  // The same four pushes can be made in many orders; the order decides how far the man walks.
  expectOptimal({"#######", "#     #", "#  .  #", "#   $ #", "# @$ .#", "#     #", "#######"}, 4, 6);
  // Two boxes side by side, taken up past a stub of wall one at a time.
  expectOptimal({"-######", "-#.  .#", "##  # #", "# $$  #", "#@  ###", "#####--"}, 6, 15);
  // Shoving the box up twice and bringing it down the right-hand side takes 14 moves but 5
  // pushes; pushes count first.
  const Rows fewerMoves = {"#######", "# #  @#", "#     #", "#     #", "#  #$.#", "#     #", "#######"};
  EXPECT_EQ(replayProblem(read(fewerMoves).room, "ddddlUUluRurDD"), std::nullopt);
  expectOptimal(fewerMoves, 3, 16);
}

TEST(Solver, StepsAndSolvesAsThePlayDoes) {
  // Right from column 9 enters column 0 of the next row: the box crosses over to its goal.
  expectOptimal(roomFromRows({"##########", "#######@ $", " .########", "##########"}), 2, 3);
  // A spare box may stay where it is; only the goals need boxes.
  expectOptimal(roomFromRows({"#######", "#@ $. #", "#  $  #", "#######"}), 1, 2);
  // Already solved, or nothing to solve: no step.
  for (const RoomRecord& room :
       {roomFromRows({"#####", "#@* #", "#####"}), roomFromRows({"#####", "#@$ #", "#####"})}) {
    const SolveResult result = solve(snapshotOf(room));
    EXPECT_EQ(result.outcome, Outcome::Solved);
    EXPECT_EQ(result.solution.steps, "");
  }
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
      // A goal where no box can stand.
      [] {
        RoomRecord room = roomFromRows({"######", "#@$. #", "######"});
        room.goals->push_back(5);
        return room;
      }(),
  };
  for (const RoomRecord& room : hopeless) {
    const SolveResult result = solve(snapshotOf(room));
    EXPECT_EQ(result.outcome, Outcome::NoSolution);
    EXPECT_LT(result.positions, 50u);
  }
}

// Eight boxes in an open room, with a ninth to spare: with a box to spare no position is hopeless
// by itself, so the search has a long way to go.
RoomRecord longSearch() {
  return roomFromRows({"##########", "#.      .#", "#  $ $ $ #", "#        #", "# $ $@$ $#", "#        #", "#  $ $ $ #",
                       "#.      .#", "##########"});
}

TEST(Solver, StopsOnItsBoundsAndWhenCancelled) {
  Limits small;
  small.memoryBytes = std::size_t{4} << 20;
  SolveResult result = solve(snapshotOf(longSearch()), small);
  EXPECT_EQ(result.outcome, Outcome::LimitReached);
  EXPECT_LE(result.bytes, small.memoryBytes);

  Limits few;
  few.positions = 1000;
  result = solve(snapshotOf(longSearch()), few);
  EXPECT_EQ(result.outcome, Outcome::LimitReached);
  EXPECT_EQ(result.positions, 1000u);

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
  result = solve(snapshotOf(longSearch()), cancellable);
  EXPECT_EQ(result.outcome, Outcome::Cancelled);
  EXPECT_GT(reported, 0u);
  EXPECT_LT(result.positions, reported + 20'000);
}

}  // namespace
}  // namespace tarvo::solver
