// The room editor: the palette and canvas, storing the edited room, shifting it, choosing and
// counting the rooms of the house, a room to and from the text box, and the room check (the
// counts, closed and open rooms under the game's stepping rule, and what is handed to the search).
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "editor/canvas.h"
#include "editor/commands.h"
#include "editor/room_check.h"
#include "house/house_reader.h"
#include "room_builder.h"
#include "roomtext/room_exchange.h"

namespace tarvo::test {
namespace {

constexpr int kTile = 32;
using Point = std::pair<int, int>;

// The editor's room on a game whose house holds `room` as room `number`.
struct Editor {
  GameState game;
  WorkingRoom edit;
  HouseRecord& house() { return game.house; }
};

// The editor on `room`, stored as room `number` of an otherwise empty house.
Editor editorOn(const RoomRecord& room, int number = 1) {
  Editor editor{gameOn(room, number), {}};
  loadRoomForEditing(editor.edit, editor.game.house);
  return editor;
}

// Paints `cell` with `code`, pressing or dragging.
std::optional<int> press(Editor& editor, int cell, std::int32_t code, bool drag = false) {
  const int x = cell % kColumns * kTile + 5, y = cell / kColumns * kTile + 5;
  return drag ? paintWithDrag(editor.edit.room, code, x, y) : paintWithPress(editor.edit.room, code, x, y);
}

bool store(Editor& editor) { return storeRoom(editor.edit, editor.house()); }

void addRecord(RoomRecord& room, const std::string& name, const std::string& solution) {
  room.records->add(RecordFields{name, std::to_string(solution.size()), "00:01", solution});
}

TEST(Canvas, PointsLeftOfTheAreaAreColumnZeroAndPaintingReadsNoGoalsNorMovesTheMan) {
  EXPECT_EQ(canvasCell(-5, -5), 0) << "a little left of and above the area";
  EXPECT_EQ(canvasCell(319, 0), 9);
  for (int column : {0, 1}) EXPECT_EQ(paletteCode(column, 2), std::nullopt) << "a blank slot of the palette";
  for (auto [x, y] : {Point{320, 0}, Point{0, 320}, Point{-32, 0}, Point{0, -32}})
    EXPECT_EQ(canvasCell(x, y), std::nullopt) << x;

  // Each brush keeps its own code; a blank slot or a point off the palette chooses none.
  Palette palette;
  EXPECT_EQ(palette.code(Brush::Left), FLOOR);
  EXPECT_EQ(choosePaletteCode(palette, Brush::Right, 2 * 32 + 3, 2 * 32 + 3), BOX);
  EXPECT_EQ(choosePaletteCode(palette, Brush::Left, 3 * 32, 31), GOAL);
  EXPECT_EQ(choosePaletteCode(palette, Brush::Left, 5, 40), std::nullopt);
  EXPECT_EQ(choosePaletteCode(palette, Brush::Left, 4 * 32, 0), std::nullopt);
  EXPECT_TRUE(palette.code(Brush::Left) == GOAL && palette.code(Brush::Right) == BOX);

  Editor state = editorOn(emptyRoom());
  press(state, 12, MAN);
  press(state, 12, FLOOR);
  press(state, 14, GOAL);
  EXPECT_EQ(state.edit.room.man, 12) << "floor over the man leaves `man` alone";
  EXPECT_TRUE(state.edit.room.goals->empty()) << "painting reads no goals";
}

TEST(Store, GoalsAndManAreReadFromTheUnmarkedCells) {
  Editor state = editorOn(roomFromRows({"#######", "#@$ . #", "#     #", "#######"}));
  setMark(state.edit.room, 21);
  press(state, 22, BOX + GOAL);
  press(state, 25, MAN + GOAL, true);
  ASSERT_TRUE(store(state));
  const RoomRecord& stored = state.house().rooms[0];
  EXPECT_EQ(*stored.goals, (Codes{14, 22, 25}));
  EXPECT_EQ(stored.man, 11) << "the man named keeps his place";
  EXPECT_EQ(codes(stored, 20, 7), (Codes{2, 0, 12, 0, 0, 20, 2})) << roomText(stored);

  press(state, 23, MAN, true);
  press(state, 11, FLOOR);
  ASSERT_TRUE(store(state));
  EXPECT_EQ(state.house().rooms[0].man, 25) << "the last man in row order";
  press(state, 23, FLOOR, true);
  press(state, 25, GOAL, true);
  ASSERT_TRUE(store(state));
  EXPECT_EQ(state.house().rooms[0].man, kNoMan);

  const HouseRecord before = state.house();
  press(state, 0, FLOOR);
  state.edit.number = 17;
  EXPECT_FALSE(store(state));
  for (int k = 0; k < kMaxRooms; ++k) EXPECT_TRUE(state.house().rooms[k].cells == before.rooms[k].cells) << k;
}

TEST(Store, RecordsThatNoLongerSolveGoAndThoseMadeInPlayStay) {
  RoomRecord room = roomFromRows({"#######", "#@$  .#", "#######"});
  addRecord(room, "Ann", "RRR");
  addRecord(room, "Bob", "RR");  // does not solve this room
  Editor state = editorOn(room, 3);
  ASSERT_TRUE(store(state));
  EXPECT_EQ(records(state.house().rooms[2]).size(), 2u) << "an unchanged room keeps every record";

  press(state, 14, GOAL);
  press(state, 15, FLOOR);
  const RoomRecord listed = state.house().rooms[2];  // as the "Room" page's record list holds it
  ASSERT_TRUE(store(state));
  EXPECT_EQ(records(state.house().rooms[2]), (Texts{"Bob|2|00:01|RR"}));
  EXPECT_EQ(records(listed).size(), 2u) << "a list held elsewhere keeps the rows it shows";

  // A record made in play after a store goes on with the editor's next store.
  startRoom(state.game, 0);
  playStep(state.game, Direction::Right);
  ASSERT_TRUE(playStep(state.game, Direction::Right).completed);
  ASSERT_TRUE(appendRecordExceptName(state.game, 0));
  appendRecordName(state.game, "Cy");
  press(state, 15, BOX + GOAL);
  ASSERT_TRUE(store(state));
  EXPECT_EQ(records(state.house().rooms[2]), (Texts{"Bob|2|00:01|RR", "Cy|2|00:00|RR"}));
}

// A store goes into the room the editor's room was taken from, says beforehand what it drops,
// and says afterwards what went in; the editor shown again keeps its painting only while its
// room is still the current one.
TEST(Store, GoesWhereTheRoomCameFromAndTellsWhatItKeptAndDropped) {
  RoomRecord room = roomFromRows({"#######", "#@$  .#", "#######"});
  for (const char* name : {"Ann", "Bob", "Cy"}) addRecord(room, name, "RRR");
  addRecord(room, "Di", "RR");
  Editor state = editorOn(room, 2);
  press(state, 14, GOAL);
  press(state, 15, FLOOR);
  EXPECT_FALSE(editCurrentRoom(state.edit, state.house()));
  EXPECT_EQ(state.edit.room.cells[15], FLOOR) << "the painting stays";

  std::optional<RoomStore> store = prepareStore(state.edit, state.house());
  ASSERT_TRUE(store);
  EXPECT_TRUE(store->number == 2 && store->kept == 1 && store->dropped == 3);
  EXPECT_EQ(storeQuestion(*store), "Room 2 has 3 records that do not solve the changed room. Store it and drop them?");
  EXPECT_EQ(records(state.house().rooms[1]).size(), 4u) << "nothing stored before the answer";

  state.house().currentRoom = 1;  // another page chose room 1 meanwhile
  commitStore(state.house(), *store);
  keepStored(state.edit, *store);
  EXPECT_EQ(records(state.house().rooms[1]), (Texts{"Di|2|00:01|RR"}));
  EXPECT_EQ(describeStore(*store, state.house()), "room 2 stored: 1 man, 1 box, 1 goal; 1 record kept, 3 dropped");
  state.house().roomCount = 1;  // the editor took room 2 off the house meanwhile
  EXPECT_EQ(describeStore(*store, state.house()),
            "room 2 stored, but it is not in the house (1 room): it is not saved to disk");
  EXPECT_TRUE(editCurrentRoom(state.edit, state.house())) << "the editor follows the current room";
  EXPECT_EQ(state.edit.number, 1);

  state = editorOn(roomFromRows({"#@  @#", "#$$..#"}));
  press(state, 22, BOX);
  store = prepareStore(state.edit, state.house());
  EXPECT_EQ(describeStore(*store, state.house()),
            "room 1 stored, but it has 2 men: 2 men, 3 boxes, 2 goals; no records");
  press(state, 1, FLOOR);
  press(state, 4, FLOOR);
  EXPECT_EQ(describeStore(*prepareStore(state.edit, state.house()), state.house()),
            "room 1 stored, but it has no man: 0 men, 3 boxes, 2 goals; no records");
  press(state, 1, MAN);
  press(state, 11, FLOOR);
  press(state, 12, FLOOR);
  EXPECT_EQ(describeStore(*prepareStore(state.edit, state.house()), state.house()),
            "room 1 stored, but it has fewer boxes than goals: 1 man, 1 box, 2 goals; no records");
}

TEST(Shift, CellsMoveInRowOrderWithTheManGoalsAndForbiddenLists) {
  const RoomRecord room = roomFromRows({"@. $#", "#   #####$"}, "0;5;-10;120;", "0,5;0,0;12,13;-3,13;");
  Editor state = editorOn(room);
  shiftRoom(state.edit, Direction::Left);
  const RoomRecord& left = state.edit.room;
  EXPECT_EQ(codes(left, 0, 10), (Codes{4, 0, 8, 2, -1, -1, -1, -1, -1, 2})) << "column 0 of row 1 ends row 0";
  EXPECT_EQ(left.man, kNoMan);
  EXPECT_EQ(*left.goals, (Codes{0}));
  EXPECT_EQ(places(left), (Codes{4, -10, 120}));
  EXPECT_EQ(couples(left), (std::vector<CouplePair>{{0, 0}, {11, 12}, {-3, 12}}));
  EXPECT_EQ(*state.house().rooms[0].goals, (Codes{1})) << "the house room keeps its goals";

  // Down then up: nothing is lost when row 9 is outside.
  state = editorOn(room);
  shiftRoom(state.edit, Direction::Down);
  EXPECT_EQ(state.edit.room.man, 10);
  EXPECT_EQ(codes(state.edit.room, 0, 10), Codes(10, OUTSIDE));
  shiftRoom(state.edit, Direction::Up);
  EXPECT_TRUE(state.edit.room.cells == room.cells) << roomText(state.edit.room);
  EXPECT_EQ(state.edit.room.man, 0);
  EXPECT_EQ(*state.edit.room.goals, *room.goals);
  EXPECT_EQ(places(state.edit.room), places(room));
  EXPECT_EQ(couples(state.edit.room), couples(room));
}

TEST(RoomChoice, PreviousAndNextWrapAndTheCountStaysBetweenOneAndFifteen) {
  struct Row {
    EditorArrow arrow;
    Point before, after;  // the current room and the count
    const char* why;
  };
  const Row rows[] = {
      {EditorArrow::PreviousRoom, {1, 5}, {5, 5}, "from room 1, the last"},
      {EditorArrow::PreviousRoom, {3, 5}, {2, 5}, ""},
      {EditorArrow::PreviousRoom, {6, 4}, {5, 4}, "back from past the count"},
      {EditorArrow::NextRoom, {5, 5}, {1, 5}, "after the last, room 1"},
      {EditorArrow::NextRoom, {2, 5}, {3, 5}, ""},
      {EditorArrow::NextRoom, {5, 4}, {6, 4}, "past a lowered count: the wrap is on equality"},
      {EditorArrow::NextRoom, {16, 4}, {1, 4}, "never past room 16"},
      {EditorArrow::OneRoomLess, {5, 5}, {5, 4}, "the current room stays"},
      {EditorArrow::OneRoomLess, {1, 1}, {1, 1}, "never below one"},
      {EditorArrow::OneRoomMore, {1, 14}, {1, 15}, ""},
      {EditorArrow::OneRoomMore, {1, 15}, {1, 15}, "up to 15"},
      {EditorArrow::OneRoomMore, {1, 16}, {1, 16}, "a house of 16 keeps its 16"},
  };
  for (const Row& row : rows) {
    HouseRecord house = emptyHouse();
    std::tie(house.currentRoom, house.roomCount) = row.before;
    applyEditorArrow(house, row.arrow);
    EXPECT_EQ(Point(house.currentRoom, house.roomCount), row.after)
        << row.why << " (arrow " << static_cast<int>(row.arrow) << " from " << row.before.first << "/"
        << row.before.second << ")";
  }
}

TEST(RoomChoice, ARoomJoiningTheHouseIsEmptyOrReadFromTheCellsItKept) {
  Editor state = editorOn(roomFromRows({"#@$.#"}));
  applyEditorArrow(state.house(), EditorArrow::OneRoomMore);
  applyEditorArrow(state.house(), EditorArrow::NextRoom);
  loadRoomForEditing(state.edit, state.house());
  ASSERT_EQ(state.edit.number, 2);
  const RoomRecord& fresh = state.edit.room;
  const RowBuffer rows = buildRoomRows(fresh);
  EXPECT_TRUE(rows[0] == "----------" && rows[1] == "##########" && rows[2] == "#        #" && rows[8] == rows[1])
      << roomText(fresh);
  EXPECT_TRUE(fresh.man == kNoMan && fresh.goals->empty() && fresh.records->empty());

  ASSERT_TRUE(readHouseFile(TARVO_FIXTURES "/sixteen_rooms.hou", state.house()).ok());
  const RoomRecord earlier = state.house().rooms[2];
  ASSERT_TRUE(readHouseFile(TARVO_FIXTURES "/easy_one.hou", state.house()).ok());
  ASSERT_TRUE(state.house().rooms[2].goals->empty());
  applyEditorArrow(state.house(), EditorArrow::OneRoomMore);
  applyEditorArrow(state.house(), EditorArrow::OneRoomMore);
  EXPECT_EQ(*state.house().rooms[2].goals, *earlier.goals);
  EXPECT_EQ(state.house().rooms[2].man, earlier.man);
}

TEST(RoomText, LinesAreReadAsTheUserSeesThemAndWrittenTenOfTen) {
  RoomRecord room = roomFromRows({"#@$.#"}, "11;");
  room.records->add(RecordFields{"Ann", "1", "00:01", "r"});
  const RoomRecord sharing = room;
  // "é" and "€" take two and three bytes; a CR LF and an empty line; a line too long; eleven lines.
  const ImportReport report =
      importRoomText(room, "#\xC3\xA9@$.\r\n\r\n#\xE2\x82\xAC+##########\n\n\n\n\n\n\n*\n@@@\n");
  EXPECT_EQ(describeImport(report),
            "imported rows 1-10; rows 2, 4-9 empty (floor); row 3 cut to 10 cells; 1 line after the tenth ignored");
  EXPECT_EQ(codes(room, 0, 10), (Codes{2, -1, 16, 8, 4, 0, 0, 0, 0, 0})) << roomText(room);
  EXPECT_EQ(codes(room, 10, 10), Codes(10, FLOOR));
  EXPECT_EQ(codes(room, 20, 10), (Codes{2, -1, 20, 2, 2, 2, 2, 2, 2, 2}));
  EXPECT_EQ(codes(room, 90, 10), (Codes{12, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(room.man, 22) << "the eleventh line is ignored";
  EXPECT_EQ(*room.goals, (Codes{4, 22, 90}));
  EXPECT_EQ(*sharing.goals, (Codes{3})) << "a copy sharing the old goal list keeps it";
  EXPECT_EQ(places(room), (Codes{11}));
  EXPECT_EQ(records(room), (Texts{"Ann|1|00:01|r"}));

  EXPECT_EQ(describeImport(importRoomText(room, "")), "imported rows 1-10; rows 1-10 empty (floor)");
  EXPECT_EQ(codes(room, 0, 100), Codes(100, FLOOR));
  EXPECT_TRUE(room.goals->empty());
  // Exactly ten symbols and a CR are no cut; what follows ten lines is counted, a line end
  // after the last one included.
  EXPECT_EQ(describeImport(importRoomText(room, "##########\r\n" + std::string(9, '\n') + "a\n\nb")),
            "imported rows 1-10; rows 2-10 empty (floor); 3 lines after the tenth ignored");
  EXPECT_EQ(describeImport(importRoomText(room, std::string(11, '#') + "\n" + std::string(9, '#'))),
            "imported rows 1-10; rows 3-10 empty (floor); row 1 cut to 10 cells");

  // Written as ten lines of ten, each symbol as the import reads it.
  std::string expected = "#@$.*+ #--\n";
  for (int row = 1; row < kRows; ++row) expected += "----------\n";
  EXPECT_EQ(exportRoomText(roomFromRows({"#@$.*+ #"})), expected);
}

RoomCheck checked(const Texts& rows) { return checkRoom(roomFromRows(rows)); }

TEST(RoomCheck, AGoodRoomIsClosedAndSearchedAsItWouldBeStored) {
  RoomRecord room = roomFromRows({"----------", "-#######--", "-#@ $ .#--", "-#     #--", "-#######--"});
  // Painted in the editor: a goal and a box the goal list does not know yet, and a mark.
  room.cells[36] = GOAL;
  room.cells[34] = BOX;
  room.cells[33] = FLOOR + MARK;
  const RoomCheck check = checkRoom(room);
  EXPECT_EQ(describeRoomCheck(check), "1 man, 2 boxes, 2 goals, closed") << roomText(room);
  EXPECT_EQ(check.noSearch, "");
  EXPECT_EQ(check.snapshot.goals, (Codes{26, 36})) << "the goals of the cells, not of the stale list";

  const solver::SolveResult result = solver::solve(check.snapshot);
  EXPECT_EQ(describeSearch(result, {}), "solvable in 4 pushes, 8 moves") << result.solution.steps;
}

// A man reaching row 0 or 9 opens the room whatever box stands in the gap, and so does his step
// from column 9 to column 0 of the next row, but only when both cells are free.
TEST(RoomCheck, TheBorderRowsAndTheStepFromColumnNineToColumnZeroOpenTheRoom) {
  EXPECT_EQ(describeRoomCheck(checked({"---#$#----", "---# #----", "---#@#----", "---#.#----", "---###----"})),
            "1 man, 1 box, 1 goal, open at cell 4");
  EXPECT_EQ(checked({"", "", "", "", "", "", "", "-----#####", "-----#@$.#", "-----# ###"}).exit, 96);
  EXPECT_EQ(checked({"----------", "##########", "#@$.      ", " #########", "##########"}).exit, 29);
  EXPECT_EQ(describeRoomCheck(checked({"----------", "##########", "  @$.     ", "##########"})),
            "1 man, 1 box, 1 goal, closed");
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
