// The marks that forbidden places and couples put on the working room.
#include <gtest/gtest.h>

#include "help/forbidden_marks.h"
#include "rules/moves.h"
#include "room_builder.h"

namespace tarvo::test {
namespace {

Codes marksAtStart(const Texts& rows, const char* places, const char* couples) {
  RoomRecord room = roomFromRows(rows);
  EXPECT_FALSE(parsePlaceList(room, places));
  EXPECT_FALSE(parseCoupleList(room, couples));
  applyForbiddenMarks(room);
  return markedCells(room);
}

TEST(ForbiddenMarks, PlacesAreMarkedThenTheLastCoupleOfEachCellDecides) {
  // 14 is a place, but its couple partner holds no box: it ends unmarked. 0 is a wall.
  EXPECT_EQ(marksAtStart({"##########", "# $  .   #"}, "0;11;13;14;15;-5;105;", "12,13;14,16;"),
            (Codes{0, 11, 13, 15}));
  const Texts rows = {"# $ #"};  // cell 2 holds the only box
  EXPECT_EQ(marksAtStart(rows, "", "1,2;1,3;"), Codes{});
  EXPECT_EQ(marksAtStart(rows, "", "1,3;1,2;"), Codes{1});
  EXPECT_EQ(marksAtStart(rows, "", "1,1;2,2;"), Codes{2}) << "a box marks its own cell";
  // A deleted couple (0, 0) clears cell 0 and marks it only under a box.
  EXPECT_EQ(marksAtStart({" $#"}, "0;", "0,0;"), Codes{});
  EXPECT_EQ(marksAtStart({"$ #"}, "", "0,0;"), Codes{0});
}

TEST(ForbiddenMarks, PushesRefreshCoupleMarksAndWalksLeaveThem) {
  RoomRecord room = roomFromRows({"######", "#@$  #", "#    #", "######"});
  ASSERT_FALSE(parseCoupleList(room, "12,21;"));
  GameState state = startRoom(room);
  EXPECT_EQ(markedCells(state.curRoom), Codes{21});
  stepMan(state, keyRight);
  EXPECT_EQ(markedCells(state.curRoom), Codes{}) << roomText(state.curRoom);
  for (int key : {keyDown, keyRight, keyRight, keyUp}) stepMan(state, key);
  EXPECT_EQ(markedCells(state.curRoom), Codes{}) << roomText(state.curRoom);
  EXPECT_EQ(stepMan(state, keyLeft), StepKind::Push);
  stepMan(state, keyDown);
  EXPECT_EQ(markedCells(state.curRoom), Codes{21}) << roomText(state.curRoom);
}

}  // namespace
}  // namespace tarvo::test
