// The help page's core: the tree of a room's forbidden lists, their edits by pressing on the
// board, the marks of a node click, the room choice and the store, and the places it suggests.
#include <gtest/gtest.h>

#include <algorithm>

#include "editor/commands.h"
#include "help/help_edits.h"
#include "help/help_tree.h"
#include "help/suggested_places.h"
#include "room_builder.h"
#include "rules/mouse_buttons.h"

namespace tarvo::test {
namespace {

using Kind = HelpEdit::Kind;
using Couples = std::vector<CouplePair>;
const HelpMode kPlaces = helpModeOf("Simple"), kCouples = helpModeOf("Double");

// Walls on cells 0..8, man 11, box 12, goal 13, floor 14..18 and 20..29; cells 9 and 19 are outside.
const Texts kRows = {"#########", "#@$.     ", "          "};

// The help page on `room`, stored as room `number` of the house.
GameState helpOn(const RoomRecord& room, int number = 1) {
  GameState state = gameOn(room, number);
  loadRoomForHelp(state);
  return state;
}

Kind press(GameState& state, HelpMode mode, int cell, int button = kLeftButton) {
  return helpPress(state, mode, button, cell).kind;
}

// Each node as its parent (None, Root, Places, Couples), key, text and tag.
Texts tree(const RoomRecord& room, int number) {
  Texts nodes;
  for (const HelpNode& n : helpTreeNodes(room, number))
    nodes.push_back("NRPC"[static_cast<int>(n.parent)] + n.key + "|" + n.text + "|" + n.tag);
  return nodes;
}

TEST(HelpTree, ShowsEachPlaceOnceEveryCoupleWithItsEntryNumberAndNothingOffTheBoard) {
  const Texts heads = {"N|Death position for Room 3|Racine", "R|Simple|Simple", "R|Double|Double"};
  EXPECT_EQ(tree(roomFromRows(kRows), 3), heads);
  Texts expected = heads;
  expected.insert(expected.end(), {"Ps12|12|s", "Ps5|5|s", "C|0,0|d2", "C|11,22|d3"});
  EXPECT_EQ(tree(roomFromRows(kRows, "12;120;5;12;-1;", "5,-3;0,0;11,22;"), 3), expected);
}

TEST(HelpPress, PlacesAndCouplesAreAddedAndRemovedAndFullListsRefuse) {
  GameState state = helpOn(roomFromRows(kRows));
  EXPECT_EQ(press(state, kPlaces, 2), Kind::PlaceAdded) << "a wall may be a place";
  EXPECT_EQ(state.helpRoom.room.cells[2], WALL + MARK);
  EXPECT_EQ(press(state, kPlaces, 2), Kind::Nothing);
  EXPECT_EQ(press(state, kPlaces, 9), Kind::Nothing) << "outside";

  ASSERT_FALSE(parsePlaceList(state.helpRoom.room, "15;17;15;"));
  for (int cell : {15, 24}) setMark(state.helpRoom.room, cell);
  EXPECT_EQ(press(state, kPlaces, 15, kRightButton), Kind::PlaceRemoved);
  EXPECT_EQ(press(state, kPlaces, 24, kRightButton), Kind::MarkCleared) << "a mark no place made";
  EXPECT_EQ(press(state, kPlaces, 24, kRightButton), Kind::Nothing);
  EXPECT_EQ(places(state.helpRoom.room), Codes{17});
  EXPECT_EQ(markedCells(state.helpRoom.room), Codes{2});

  GameState full = helpOn(roomFromRows(Texts(10, "          ")));
  for (int cell = 0; cell < kMaxPlaces; ++cell) ASSERT_EQ(press(full, kPlaces, cell), Kind::PlaceAdded) << cell;
  const HelpEdit refused = helpPress(full, kPlaces, kLeftButton, 80);
  EXPECT_TRUE(refused.kind == Kind::Refused && !refused.problem.empty());
  EXPECT_EQ(full.helpRoom.room.forbPlaceCount, kMaxPlaces);
  EXPECT_EQ(full.helpRoom.room.cells[80], FLOOR);

  // Couples take two left picks in order, and other tags edit nothing.
  state = helpOn(roomFromRows(kRows));
  EXPECT_EQ(press(state, kCouples, 24), Kind::FirstPick);
  EXPECT_EQ(press(state, kCouples, 14, kRightButton), Kind::Nothing);
  EXPECT_EQ(press(state, kPlaces, 15), Kind::PlaceAdded) << "the first pick waits meanwhile";
  EXPECT_EQ(state.pendingCouple.picks, 1);
  EXPECT_EQ(helpPress(state, kCouples, kLeftButton, 14).coupleEntry, 1);
  EXPECT_EQ(couples(state.helpRoom.room), (Couples{{24, 14}}));

  const GameState before = state;
  for (const char* tag : {"s", "d1", "Racine", ""}) {
    for (int button : {kLeftButton, kRightButton}) EXPECT_EQ(press(state, helpModeOf(tag), 15, button), Kind::Nothing);
  }
  EXPECT_TRUE(state.helpRoom.room.cells == before.helpRoom.room.cells);
  EXPECT_EQ(places(state.helpRoom.room), Codes{15});

  for (int k = 2; k <= kMaxCouples; ++k) {
    press(state, kCouples, 20);
    ASSERT_EQ(helpPress(state, kCouples, kLeftButton, 21).coupleEntry, k);
  }
  EXPECT_EQ(press(state, kCouples, 22), Kind::FirstPick);
  EXPECT_EQ(press(state, kCouples, 23), Kind::Refused);
  EXPECT_EQ(state.pendingCouple.picks, 1);
  EXPECT_EQ(state.helpRoom.room.forbCoupleCount, kMaxCouples);
}

TEST(HelpMarks, PlaceMarksAddUpACoupleShowsAloneDeleteKeepsNumbersAndThePageRoomIsBare) {
  RoomRecord room = roomFromRows(kRows, "14;2;", "21,22;23,24;25,26;");
  setMark(room, 28);
  showPlaceMarks(room);
  EXPECT_EQ(markedCells(room), (Codes{2, 14, 28}));
  showCoupleMarks(room, room.forbCouples[2]);
  EXPECT_EQ(markedCells(room), (Codes{23, 24}));

  EXPECT_FALSE(deleteCouple(room, 0) || deleteCouple(room, 4));
  EXPECT_TRUE(deleteCouple(room, 2));
  EXPECT_EQ(couples(room), (Couples{{21, 22}, {0, 0}, {25, 26}}));
  EXPECT_TRUE(deleteCouple(room, 3)) << "the last couple too";

  prepareHelpRoom(room);
  EXPECT_TRUE(room.cells == roomFromRows({"#########", "#  .     ", "          "}).cells) << roomText(room);
}

TEST(HelpRooms, ArrowsWrapAndOnlyStoredListsSurviveARoomChange) {
  GameState state = helpOn(roomFromRows(kRows), 4);
  for (int n = 1; n <= 3; ++n) *state.house.roomNumber(n) = roomFromRows({std::string(n, '#')});
  auto from = [&](int current, void (*arrow)(GameState&)) {
    state.house.currentRoom = current;
    arrow(state);
    RoomRecord shown = *state.house.roomNumber(state.house.currentRoom);
    prepareHelpRoom(shown);
    EXPECT_TRUE(state.helpRoom.room.cells == shown.cells && state.helpRoom.number == state.house.currentRoom);
    return state.house.currentRoom;
  };
  EXPECT_EQ(from(4, helpNextRoom), 1);
  EXPECT_EQ(from(1, helpPreviousRoom), 4);
  EXPECT_EQ(from(6, helpNextRoom), 1) << "past the count";
  EXPECT_EQ(from(6, helpPreviousRoom), 4);

  const RoomRecord stored = *state.house.roomNumber(4);
  for (int cell : {15, 16}) press(state, kPlaces, cell);
  for (int cell : {21, 22}) press(state, kCouples, cell);
  ASSERT_TRUE(storeHelpLists(state));
  press(state, kPlaces, 17);
  helpNextRoom(state);
  helpPreviousRoom(state);
  EXPECT_EQ(places(state.helpRoom.room), (Codes{15, 16})) << "17 was not stored";
  EXPECT_EQ(couples(state.helpRoom.room), (Couples{{21, 22}}));
  EXPECT_TRUE(state.house.roomNumber(4)->cells == stored.cells);
  state.helpRoom.number = 17;
  EXPECT_FALSE(storeHelpLists(state));
}

// The help page works on a copy of its own: the editor's unsaved room is never touched, the
// lists go into the room they were made for whatever room is current by then, and the editor's
// room of that room takes them, so that its own store does not put the old ones back.
TEST(HelpRooms, TheHelpCopyIsItsOwnAndItsListsGoWhereTheyWereMade) {
  GameState state = helpOn(roomFromRows(kRows), 2);
  *state.house.roomNumber(1) = roomFromRows({"#@$.#"});
  loadRoomForEditing(state);
  state.editRoom.room.cells[25] = BOX;  // unsaved painting
  const RoomRecord painted = state.editRoom.room;

  helpCurrentRoom(state);
  press(state, kPlaces, 15);
  state.house.roomNumber(2)->cells[27] = WALL;  // the editor stores a new wall meanwhile
  helpCurrentRoom(state);
  EXPECT_EQ(places(state.helpRoom.room), Codes{15}) << "unsaved lists stay with their room";
  EXPECT_EQ(state.helpRoom.room.cells[27], WALL) << "the cells as stored now";
  EXPECT_EQ(state.helpRoom.room.cells[11], FLOOR) << "no man on the help board";

  state.house.currentRoom = 1;  // the game went on to room 1
  ASSERT_TRUE(storeHelpLists(state));
  EXPECT_EQ(places(*state.house.roomNumber(2)), Codes{15});
  EXPECT_EQ(places(*state.house.roomNumber(1)), Codes{});
  EXPECT_TRUE(state.editRoom.room.cells == painted.cells && state.editRoom.room.man == painted.man);
  EXPECT_EQ(places(state.editRoom.room), Codes{15});

  helpCurrentRoom(state);
  EXPECT_EQ(state.helpRoom.number, 1);
  EXPECT_EQ(places(state.helpRoom.room), Codes{}) << "another room: taken afresh";
  loadRoomForHelp(state);
  EXPECT_TRUE(state.editRoom.room.cells == painted.cells) << "the help page never strips the editor's room";
}

// The places the help page suggests: the hopeless cells of the stored room added to the working
// list as the board adds them, none when a box may be spared, and the list's limit. The goal on
// the top wall keeps that side alive but for its corners; the other sides have no goal, so every
// cell along them is hopeless.
const Texts kSideRoom = {"#######", "#  .  #", "#     #", "#@ $  #", "#     #", "#######"};
const Codes kHopeless = {11, 15, 21, 25, 31, 35, 41, 42, 43, 44, 45};

Codes cellsOf(const PlaceSuggestion& suggestion) {
  Codes cells;
  for (const HelpEdit& edit : suggestion.edits) cells.push_back(edit.cell);
  return cells;
}

TEST(SuggestedPlaces, AddsTheHopelessCornersAndSidesInRowOrderMarkedAndUnsavedAndNoneWithASpareBoxOrNoGoal) {
  GameState state = helpOn(roomFromRows(kSideRoom));
  for (int cell : {21, 23}) press(state, kPlaces, cell);
  const PlaceSuggestion suggestion = addSuggestedPlaces(state);
  EXPECT_EQ(cellsOf(suggestion), (Codes{11, 15, 25, 31, 35, 41, 42, 43, 44, 45})) << "21 is listed already";
  EXPECT_EQ(places(state.helpRoom.room), (Codes{21, 23, 11, 15, 25, 31, 35, 41, 42, 43, 44, 45}));
  Codes expectedMarks = kHopeless;
  expectedMarks.insert(expectedMarks.begin() + 3, 23);
  EXPECT_EQ(markedCells(state.helpRoom.room), expectedMarks) << roomText(state.helpRoom.room);
  EXPECT_EQ(state.house.rooms[0].forbPlaceCount, 0) << "the player saves them";
  EXPECT_EQ(describeSuggestion(suggestion), "10 places added");
  EXPECT_EQ(describeSuggestion(addSuggestedPlaces(state)), "no hopeless cell left to add");

  // None with a box to spare, nor without a goal.
  Texts spare = kSideRoom;
  spare[2] = "# $   #";
  state = helpOn(roomFromRows(spare));
  EXPECT_EQ(describeSuggestion(addSuggestedPlaces(state)),
            "more boxes than goals: no cell is hopeless by itself, nothing added");
  EXPECT_EQ(state.helpRoom.room.forbPlaceCount, 0);

  state = helpOn(roomFromRows({"#####", "#@  #", "#####"}));
  EXPECT_EQ(describeSuggestion(addSuggestedPlaces(state)), "the stored room has no goal: nothing added");
  EXPECT_EQ(state.helpRoom.room.forbPlaceCount, 0);
}

TEST(SuggestedPlaces, AFullListTakesTheFirstInRowOrderAndCountsTheRest) {
  GameState state = helpOn(roomFromRows(kSideRoom));
  // Room for two more: none of the 78 places is hopeless.
  for (int cell = 0; cell < kPlayableCells && state.helpRoom.room.forbPlaceCount < kMaxPlaces - 2; ++cell) {
    if (std::find(kHopeless.begin(), kHopeless.end(), cell) != kHopeless.end()) continue;
    state.helpRoom.room.forbPlaces[static_cast<std::size_t>(++state.helpRoom.room.forbPlaceCount)] = cell;
  }
  const PlaceSuggestion suggestion = addSuggestedPlaces(state);
  EXPECT_EQ(cellsOf(suggestion), (Codes{11, 15}));
  EXPECT_EQ(state.helpRoom.room.forbPlaceCount, kMaxPlaces);
  EXPECT_EQ(describeSuggestion(suggestion), "2 places added, 9 left out: a room holds 80 places at most");
}

}  // namespace
}  // namespace tarvo::test
