// The room and its text: cell codes and operations, its record lists, rows of symbols to cells
// and back, the forbidden place and couple lists (read from whole files in the house reader test), and the
// marks they put on the working room.
#include <gtest/gtest.h>

#include "room_builder.h"
#include "rules/forbidden_marks.h"

namespace tarvo::test {
namespace {

TEST(RoomCells, MarksNeverChangeOutsideCellsAndBoxesOnGoalsAreCountedAndRemovedWithTheMan) {
  RoomRecord room = roomFromRows({"# $.@-"});
  const RoomRecord unmarked = room;
  for (int cell : {0, 1, 2, 3, 4, 5, 1, 2}) setMark(room, cell);
  EXPECT_EQ(codes(room, 0, 6), (Codes{3, 1, 9, 5, 17, -1})) << "a wall turns into three";
  clearAllMarks(room);
  EXPECT_TRUE(room.cells == unmarked.cells) << roomText(room);

  room = roomFromRows({"#@$*.*#"});
  EXPECT_EQ(goalCount(room), 3);
  EXPECT_EQ(countBoxesOnGoals(room), 2) << roomText(room);
  setMark(room, 1);
  setMark(room, 2);
  removeBoxesAndMan(room);
  EXPECT_EQ(codes(room, 0, 7), (Codes{2, 1, 1, 4, 4, 4, 2})) << roomText(room);
}

// Records point into their text: adding more (past a block, and one longer than a block) never
// moves those made earlier, and a list of kept records shares the text.
TEST(RecordLists, RecordsStayWhereTheyWereMadeAndKeptListsShareTheirText) {
  RecordList list;
  std::vector<std::string> solutions;
  for (std::size_t k = 0; k < 300; ++k) {
    solutions.push_back(std::string(k == 7 ? 70000 : k * 3 % 500, "udlr"[k % 4]));
    list.add(RecordFields{"N" + std::to_string(k), std::to_string(k), "00:01", solutions.back()});
  }
  const std::string_view firstName = list[0].name;
  list.add(RecordList::Record{"last", "", "", ""});
  EXPECT_EQ(firstName.data(), list[0].name.data());
  for (std::size_t k = 0; k < solutions.size(); ++k) {
    const RecordList::Record record = list[k];
    ASSERT_TRUE(record.name == "N" + std::to_string(k) && record.moves == std::to_string(k) && record.time == "00:01" &&
                record.solution == solutions[k])
        << k;
  }
  const std::shared_ptr<RecordList> kept = list.kept({7, 300});
  EXPECT_EQ(kept->text(), list.text());
  RecordList copied;
  for (std::size_t k : {7, 300}) copied.add(list[k]);
  EXPECT_TRUE(copied == *kept && !(copied == list));
}

TEST(RoomRows, EachByteIsOneCellShortRowsEndInFloorAndWrittenRowsReadBack) {
  RowBuffer rows = {"####", "#\xE9@$.#", "#x+*-#####!!"};  // 0xE9: an accented byte, one outside cell
  RoomRecord room;
  RoomRecord sharing = room;
  room.goals->push_back(99);  // left over from an earlier room
  parseRoomRows(room, rows);
  EXPECT_EQ(codes(room, 10, 10), (Codes{2, -1, 16, 8, 4, 2, 0, 0, 0, 0}));
  EXPECT_EQ(codes(room, 20, 10), (Codes{2, -1, 20, 12, -1, 2, 2, 2, 2, 2})) << "two bytes too many";
  EXPECT_EQ(codes(room, 95, 10), (Codes{0, 0, 0, 0, 0, -1, -1, -1, -1, -1}));
  EXPECT_EQ(*room.goals, (Codes{14, 22, 23}));
  EXPECT_EQ(sharing.goals, room.goals) << "the goal list is refilled in place";
  EXPECT_EQ(room.man, 22) << "the last man met";

  rows = {"----------", "-#######--", "-#@ $. #--", "-# *+$ #--", "-#######--",
          "----------", "          ", "##########", "          ", "----------"};
  parseRoomRows(room, rows);
  EXPECT_EQ(buildRoomRows(room), rows);
  // A marked cell is written as the same cell unmarked, a code without symbol as outside.
  for (int cell : {11, 22, 23, 24, 25, 26, 33, 34}) setMark(room, cell);
  room.cells[61] = 6;
  room.cells[62] = 7;
  room.cells[63] = 22;
  rows[6] = " ---      ";
  EXPECT_EQ(buildRoomRows(room), rows) << roomText(room);
}

TEST(ForbiddenLists, ListsAreReadInOrderOrRefusedWhole) {
  RoomRecord room;
  std::string placeText;
  std::string coupleText;
  for (int i = 0; i < kMaxPlaces; ++i) placeText += std::to_string(i) + ";";
  for (int i = 0; i < kMaxCouples; ++i) coupleText += "5,6;";
  EXPECT_FALSE(parsePlaceList(room, placeText));
  EXPECT_FALSE(parseCoupleList(room, coupleText));
  EXPECT_TRUE(room.forbPlaces[80] == 79 && room.forbPlaceCount == 80 && room.forbCoupleCount == 40);
  EXPECT_FALSE(parsePlaceList(room, " -10 ;109; "));
  EXPECT_FALSE(parseCoupleList(room, "23,34;45,46;"));
  for (const char* text : {"7;88", "7;x;", "1.5;", "99999999999;"}) EXPECT_TRUE(parsePlaceList(room, text)) << text;
  for (const char* text : {"7,8;9,10", "7;", "7,x;"}) EXPECT_TRUE(parseCoupleList(room, text)) << text;
  EXPECT_EQ(places(room), (Codes{-10, 109})) << "a refused list changes nothing";
  EXPECT_EQ(couples(room), (std::vector<CouplePair>{{23, 34}, {45, 46}}));
}

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
