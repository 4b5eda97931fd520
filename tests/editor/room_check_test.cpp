// The editor's room check: the counts, closed and open rooms under the game's stepping rule,
// and what is handed to the search.
#include <gtest/gtest.h>

#include "editor/room_check.h"
#include "room_builder.h"

namespace tarvo::test {
namespace {

RoomCheck checked(const Texts& rows) { return checkRoom(roomFromRows(rows)); }

TEST(RoomCheck, AGoodRoomIsClosedAndSearchedAsItWouldBeStored) {
  RoomRecord room = roomFromRows({"----------", "-#######--", "-#@ $ .#--", "-#     #--", "-#######--"});
  // Painted in the editor: a goal and a box the goal list does not know yet, and a mark.
  room.cells[36] = GOAL;
  room.cells[34] = BOX;
  room.cells[33] = FLOOR + MARK;
  const RoomCheck check = checkRoom(room);
  EXPECT_EQ(describeRoomCheck(check), "1 man, 2 boxes, 2 goals, closed") << roomText(room);
  EXPECT_TRUE(check.closed());
  EXPECT_EQ(check.noSearch, "");
  EXPECT_EQ(check.snapshot.goals, (Codes{26, 36})) << "the goals of the cells, not of the stale list";

  const solver::SolveResult result = solver::solve(check.snapshot);
  EXPECT_EQ(describeSearch(result, {}), "solvable in 4 pushes, 8 moves") << result.solution.steps;
}

TEST(RoomCheck, AManReachingABorderRowOpensTheRoomWhateverBoxStandsInTheGap) {
  const RoomCheck top = checked({"---#$#----", "---# #----", "---#@#----", "---#.#----", "---###----"});
  EXPECT_FALSE(top.closed());
  EXPECT_EQ(describeRoomCheck(top), "1 man, 1 box, 1 goal, open at cell 4");
  EXPECT_EQ(checked({"", "", "", "", "", "", "", "-----#####", "-----#@$.#", "-----# ###"}).exit, 96);
}

TEST(RoomCheck, TheStepFromColumnNineToColumnZeroOpensTheRoomOnlyWhenBothCellsAreFree) {
  // The man walks right off row 2 into column 0 of row 3.
  const Texts wrapping = {"----------", "##########", "#@$.      ", " #########", "##########"};
  EXPECT_EQ(checked(wrapping).exit, 29);
  // Floor across the whole of row 2, walls at both ends of the step: the man stays in.
  const RoomCheck walled = checked({"----------", "##########", "  @$.     ", "##########"});
  EXPECT_TRUE(walled.closed());
  EXPECT_EQ(describeRoomCheck(walled), "1 man, 1 box, 1 goal, closed");
}

TEST(RoomCheck, CountsEveryManBoxAndGoalAndSearchesOnlyARoomOneManCanSolve) {
  // The stored man is the last one; the first reaches row 0 all the same.
  const RoomCheck twoMen = checked({"# ########", "#@$.#+*  #", "##########"});
  EXPECT_EQ(describeRoomCheck(twoMen), "2 men, 2 boxes, 3 goals, open at cell 1");
  EXPECT_EQ(twoMen.noSearch, "a room needs exactly one man");

  EXPECT_EQ(checked({"#####", "# $.#", "#####"}).noSearch, "no man to solve it");
  EXPECT_EQ(checked({"#####", "#@$ #", "#####"}).noSearch, "no goal to solve");
  EXPECT_EQ(checked({"######", "#@$..#", "######"}).noSearch, "not solvable: fewer boxes than goals");
  EXPECT_EQ(checked({"######", "#@$$.#", "######"}).noSearch, "") << "a spare box is allowed";
}

}  // namespace
}  // namespace tarvo::test
