// The solver on small rooms: the rooms it refuses, the fewest pushes and then moves, and the replay that checks its
// steps.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "rules/replay.h"
#include "solver/board.h"
#include "solver/solver.h"

namespace tarvo::solver {
namespace {

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
void expectOptimal(const Rows& rows, int pushes, int moves) {
  SCOPED_TRACE(show(rows));
  const BoardResult room = read(rows);
  ASSERT_TRUE(room.ok()) << room.error;
  const SolveResult result = solve(snapshotOf(room.room));
  ASSERT_EQ(result.outcome, Outcome::Solved);
  EXPECT_EQ(result.solution.pushes, pushes);
  EXPECT_EQ(result.solution.moves, moves);
  EXPECT_EQ(result.solution.moves, static_cast<int>(result.solution.steps.size()));
  EXPECT_EQ(replayProblem(room.room, result.solution.steps), std::nullopt) << result.solution.steps;
}

TEST(Solver, FindsTheFewestPushesThenTheFewestMoves) {
  // The same four pushes can be made in many orders; the order decides how far the man walks.
  expectOptimal({"#######",  //
                 "#     #",  //
                 "#  .  #",  //
                 "#   $ #",  //
                 "# @$ .#",  //
                 "#     #",  //
                 "#######"},
                4, 6);
  // Two boxes side by side, taken up past a stub of wall one at a time.
  expectOptimal({"-######",  //
                 "-#.  .#",  //
                 "##  # #",  //
                 "# $$  #",  //
                 "#@  ###",  //
                 "#####--"},
                6, 15);
  // Shoving the box up twice and bringing it down the right-hand side takes 14 moves but 5
  // pushes; pushes count first.
  const Rows fewerMoves = {"#######",  //
                           "# #  @#",  //
                           "#     #",  //
                           "#     #",  //
                           "#  #$.#",  //
                           "#     #",  //
                           "#######"};
  EXPECT_EQ(replayProblem(read(fewerMoves).room, "ddddlUUluRurDD"), std::nullopt);
  expectOptimal(fewerMoves, 3, 16);
  // Two boxes side by side against a wall can never be parted.
  EXPECT_EQ(solve(snapshotOf(read({"#######", "#  .. #", "#     #", "#@ $$ #", "#######"}).room)).outcome, Outcome::NoSolution);
}

TEST(SolutionCheck, NamesTheFirstStepThatDoesNotDoWhatItsLetterSays) {
  const RoomRecord corridor = read({"#######", "#@$  .#", "#######"}).room;
  EXPECT_EQ(replayProblem(corridor, "RRR"), std::nullopt);
  EXPECT_EQ(replayProblem(corridor, "rRR"), "step 1 'r' pushes a box");
  EXPECT_EQ(replayProblem(corridor, "RuR"), "step 2 'u' is blocked");
  EXPECT_EQ(replayProblem(corridor, "RxR"), "step 2 'x' is no step letter");
  EXPECT_EQ(replayProblem(corridor, "RR"), "the room is not complete after the last step");
  EXPECT_EQ(replayProblem(read({"#######", "#@ $ .#", "#######"}).room, "RRR"), "step 1 'R' walks without pushing");
}

}  // namespace
}  // namespace tarvo::solver
