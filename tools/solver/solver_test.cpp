// Tests of the solver on tiny rooms: optimal push counts, valid steps, malformed rooms, the room list and the house text.
#include <gtest/gtest.h>

#include <sstream>

#include "board.h"
#include "house_text.h"
#include "replay.h"
#include "room_list.h"
#include "solver.h"

namespace tarvo::solver {
namespace {

using check::makeGrid;

std::string show(const std::vector<std::string>& rows) {
  std::string text;
  for (const std::string& row : rows) text += "|" + row + "|\n";
  return text;
}

Board boardOf(const std::vector<std::string>& rows) {
  BoardResult read = readBoard(makeGrid(rows));
  EXPECT_TRUE(read.ok()) << read.error << "\n" << show(rows);
  return read.board;
}

// Solves the room, replays the steps independently and compares with the brute-force optimum.
void expectOptimal(const std::vector<std::string>& rows, int pushes, int moves) {
  SCOPED_TRACE(show(rows));
  SolveResult result = solve(boardOf(rows));
  ASSERT_EQ(result.outcome, Outcome::Solved);
  const Solution& solution = result.solution;
  EXPECT_EQ(solution.pushes, pushes);
  EXPECT_EQ(solution.moves, moves);
  EXPECT_EQ(solution.moves, static_cast<int>(solution.steps.size()));

  check::Replay replay = check::replay(makeGrid(rows), solution.steps);
  EXPECT_TRUE(replay.everyStepMoved) << "step " << replay.failedStep << " of " << solution.steps;
  EXPECT_TRUE(replay.solved) << solution.steps;
  EXPECT_EQ(replay.pushes, solution.pushes);

  EXPECT_EQ(check::bruteForceOptimum(makeGrid(rows)), std::make_pair(pushes, moves));
}

TEST(Solver, FindsTheFewestPushesThenTheFewestMoves) {
  expectOptimal({"#######",  //
                 "#@$  .#",  //
                 "#######"},
                3, 3);
  // The box goes down once and right twice; every order costs at least one step to start
  // and two to go round the box when the direction changes.
  expectOptimal({"#######",  //
                 "#@    #",  //
                 "# $   #",  //
                 "#   . #",  //
                 "#######"},
                3, 6);
  // In an open room the same four pushes can be made in many orders; the order decides how
  // far the man walks between them.
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
}

TEST(Solver, PrefersFewerPushesOverFewerMoves) {
  std::vector<std::string> rows = {"#######",  //
                                    "# #  @#",  //
                                    "#     #",  //
                                    "#     #",  //
                                    "#  #$.#",  //
                                    "#     #",  //
                                    "#######"};
  // Shoving the box up twice and bringing it down the right-hand side takes 14 moves...
  check::Replay shorter = check::replay(makeGrid(rows), "ddddlUUluRurDD");
  EXPECT_TRUE(shorter.solved);
  EXPECT_EQ(shorter.pushes, 5);
  // ...but the solver counts pushes first.
  expectOptimal(rows, 3, 16);
}

TEST(Solver, SolvedRoomNeedsNoStep) {
  SolveResult result = solve(boardOf({"#####", "#@* #", "#####"}));
  ASSERT_EQ(result.outcome, Outcome::Solved);
  EXPECT_EQ(result.solution.steps, "");
  EXPECT_EQ(result.solution.pushes, 0);
}

TEST(Solver, ReportsRoomsWithoutSolution) {
  // The box sits in a corner away from the goal.
  EXPECT_EQ(solve(boardOf({"######", "#$  .#", "#   @#", "######"})).outcome, Outcome::NoSolution);
  // Two boxes side by side against a wall can never be parted.
  EXPECT_EQ(solve(boardOf({"#######", "#  .. #", "#     #", "#@ $$ #", "#######"})).outcome,
            Outcome::NoSolution);
  // The goal lies in a pocket behind a wall.
  EXPECT_EQ(solve(boardOf({"######", "#@$ ##", "#   #.", "######"})).outcome, Outcome::NoSolution);
}

TEST(Solver, GivesUpAtTheStateLimit) {
  Board board = boardOf({"########", "#@     #", "# $  $ #", "#  ..  #", "#      #", "########"});
  SolveResult limited = solve(board, 5);
  EXPECT_EQ(limited.outcome, Outcome::LimitReached);
  EXPECT_EQ(solve(board).outcome, Outcome::Solved);
}

TEST(Board, RefusesRoomsThatCannotBePlayed) {
  auto error = [](const std::vector<std::string>& rows) { return readBoard(makeGrid(rows)).error; };
  EXPECT_EQ(error({"#####", "#@$.#", "#####"}), "");
  EXPECT_EQ(error({"#####", "# $.#", "#####"}), "no man");
  EXPECT_EQ(error({"######", "#@$.@#", "######"}), "2 men");
  EXPECT_EQ(error({"######", "#+$.+#", "######"}), "2 men");
  EXPECT_EQ(error({"######", "#@$$.#", "######"}), "2 boxes but 1 goal");
  EXPECT_EQ(error({"#####", "#@  #", "#####"}), "no goals");
  EXPECT_EQ(error({"#####", "#@$.#", "#x###"}), "unknown symbol 'x' at row 3, column 2");
  // A gap in the wall, an outside cell reached from inside, a man on the edge.
  EXPECT_EQ(error({"#####", "#@$.", "#####"}), "not closed: the man can reach row 1, column 6");
  EXPECT_EQ(error({"######", "#@$.-#", "######"}), "not closed: the man can reach row 2, column 5");
  EXPECT_EQ(error({"@$.##"}), "not closed: the man can reach row 1, column 1");
  // The man is shut in even though a box stands in the gap: boxes move, walls do not.
  EXPECT_EQ(error({"#####", "#@$.$", "#####"}).substr(0, 10), "not closed");
  // Only ten rows make a room; extra blanks at the end of a row are harmless.
  EXPECT_EQ(readBoard({"#####", "#@$.#", "#####"}).error, "a room has ten rows, not 3");
  std::vector<std::string> rows = makeGrid({"#####", "#@$.#", "#####"});
  rows[0] += "   \r";
  EXPECT_EQ(readBoard(rows).error, "");
  rows[0] += "#";
  EXPECT_EQ(readBoard(rows).error, "row 1 is longer than ten cells");
}

TEST(RoomList, SplitsTitledRoomsAndKeepsBlankRows) {
  std::istringstream in(
      "; a comment\r\n"
      "; First\r\n"
      "#####\r\n#@$.#\r\n#####\r\n\r\n-\r\n-\r\n-\r\n-\r\n-\r\n-\r\n"
      "\n\n"
      "#####\n#@$.#\n#####\n\n\n\n\n\n\n\n"
      "; dangling\n");
  RoomList list = readRoomList(in);
  EXPECT_EQ(list.error, "");
  ASSERT_EQ(list.rooms.size(), 2u);
  EXPECT_EQ(list.rooms[0].title, "First");
  EXPECT_EQ(list.rooms[0].firstLine, 3);
  EXPECT_EQ(list.rooms[0].rows[1], "#@$.#");
  EXPECT_EQ(list.rooms[0].rows[3], "");
  EXPECT_EQ(list.rooms[1].title, "");
  EXPECT_EQ(list.rooms[1].rows.size(), 10u);

  std::istringstream cut("#####\n#@$.#\n#####\n");
  EXPECT_EQ(readRoomList(cut).error, "the room starting at line 1 has only 3 rows");
}

TEST(HouseText, WritesTheHouseFileLineByLine) {
  EXPECT_EQ(recordTime(0), "00:00");
  EXPECT_EQ(recordTime(5), "00:03");
  EXPECT_EQ(recordTime(122), "01:01");
  EXPECT_EQ(recordTime(1'000'000), "59:59");

  Board board = boardOf({"-#####", "-#@ $.#", "-######"});
  std::string text = houseText("Tiny", {SolvedRoom{board, Solution{"rR", 1, 2}}});
  std::string rule(39, '=');
  EXPECT_EQ(text,
            "HOUSE FILE FOR TARVO PLIM\r\nVersion:1.0\r\nHOUSE's NAME:Tiny\r\nNUMBER OF ROOM:1\r\n" + rule +
                " ROOM 0" + rule + "\r\n" +
                "-#####    \r\n-#@ $.#   \r\n-######   \r\n" +
                "          \r\n          \r\n          \r\n          \r\n          \r\n          \r\n          \r\n" +
                "FORBBIDEN PLACE:\r\nFORBBIDEN COUPLE:\r\nNUMBER OF RECCORD:1\r\nTarvoPlim\t2\t00:01\trR\t\r\n");
}

}  // namespace
}  // namespace tarvo::solver
