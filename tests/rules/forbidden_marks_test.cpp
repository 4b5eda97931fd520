// The marks that forbidden places and couples put on the working room.
#include <gtest/gtest.h>

#include "room_builder.h"
#include "rules/forbidden_marks.h"

namespace tarvo::test {
namespace {

Codes marksAtStart(const Texts& rows, const char* places, const char* couples) {
  RoomRecord room = roomFromRows(rows);
  EXPECT_FALSE(parsePlaceList(room, places));
  EXPECT_FALSE(parseCoupleList(room, couples));
  applyForbiddenMarks(room);
  return markedCells(room);
}

TEST(ForbiddenMarks, APlaceIsAlwaysMarkedAndACoupleCellWhileItsPartnerHoldsABox) {
  // 14 is a place and in a couple whose partner holds no box: it stays marked. 0 is a wall.
  EXPECT_EQ(marksAtStart({"##########", "# $  .   #"}, "0;11;13;14;15;-5;105;", "12,13;14,16;"),
            (Codes{0, 11, 13, 14, 15}));
  // Cell 1 in two couples: it is marked when either partner holds a box, whatever the order.
  const Texts rows = {"# $ #"};  // cell 2 holds the only box
  EXPECT_EQ(marksAtStart(rows, "", "1,2;1,3;"), Codes{1});
  EXPECT_EQ(marksAtStart(rows, "", "1,3;1,2;"), Codes{1});
  EXPECT_EQ(marksAtStart(rows, "", "1,3;"), Codes{});
  EXPECT_EQ(marksAtStart(rows, "", "1,1;2,2;"), Codes{2}) << "a box marks its own cell";
  // A deleted couple (0, 0) names no cell: a place on 0 stays marked, a box on 0 marks nothing.
  EXPECT_EQ(marksAtStart({" $#"}, "0;", "0,0;"), Codes{0});
  EXPECT_EQ(marksAtStart({"$ #"}, "", "0,0;"), Codes{});
}

TEST(ForbiddenMarks, PushesRefreshCoupleMarksAndWalksLeaveThem) {
  RoomRecord room = roomFromRows({"######", "#@$  #", "#    #", "######"});
  ASSERT_FALSE(parsePlaceList(room, "21;"));
  ASSERT_FALSE(parseCoupleList(room, "13,23;"));
  GameState state = gameOn(room);
  EXPECT_EQ(markedCells(state.curRoom), Codes{21});
  playStep(state, Direction::Right);
  EXPECT_EQ(markedCells(state.curRoom), (Codes{21, 23})) << roomText(state.curRoom);
  state.curRoom.cells[22] += MARK;  // a mark that no list names is left alone
  for (Direction d : {Direction::Down, Direction::Right, Direction::Right, Direction::Up}) playStep(state, d);
  EXPECT_EQ(markedCells(state.curRoom), (Codes{21, 22, 23})) << roomText(state.curRoom);
  EXPECT_EQ(playStep(state, Direction::Left).step, StepKind::Push);
  EXPECT_EQ(markedCells(state.curRoom), (Codes{21, 22})) << roomText(state.curRoom);
}

}  // namespace
}  // namespace tarvo::test
