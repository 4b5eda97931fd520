// The help page's core: the tree of a room's forbidden lists, their edits by pressing on the
// board, the marks of a node click, the room choice and the store, and the places it suggests.
#include <gtest/gtest.h>

#include <algorithm>

#include "editor/commands.h"
#include "help/help_edits.h"
#include "help/help_tree.h"
#include "help/suggested_places.h"
#include "room_builder.h"
#include "rules/working_room.h"

namespace tarvo::test {
namespace {

using Kind = HelpEdit::Kind;
using Couples = std::vector<CouplePair>;
const HelpMode kPlaces = helpModeOf("Simple"), kCouples = helpModeOf("Double");

// Walls on cells 0..8, man 11, box 12, goal 13, floor 14..18 and 20..29; cells 9 and 19 are outside.
const Texts kRows = {"#########", "#@$.     ", "          "};

// The help page's room and couple being picked, on a game whose house holds its room.
struct Help {
  GameState game;
  WorkingRoom help;
  PendingCouple pending;
  HouseRecord& house() { return game.house; }
};

// The help page on `room`, stored as room `number` of the house.
Help helpOn(const RoomRecord& room, int number = 1) {
  Help state{gameOn(room, number), {}, {}};
  loadRoomForHelp(state.help, state.house());
  return state;
}

constexpr HelpAction kAdd = HelpAction::Add, kRemove = HelpAction::Remove;

Kind press(Help& state, HelpMode mode, int cell, HelpAction action = kAdd) {
  return helpPress(state.help, state.pending, mode, action, cell).kind;
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
  Help state = helpOn(roomFromRows(kRows));
  EXPECT_EQ(press(state, kPlaces, 2), Kind::PlaceAdded) << "a wall may be a place";
  EXPECT_EQ(state.help.room.cells[2], WALL + MARK);
  EXPECT_EQ(press(state, kPlaces, 2), Kind::Nothing);
  EXPECT_EQ(press(state, kPlaces, 9), Kind::Nothing) << "outside";

  ASSERT_FALSE(parsePlaceList(state.help.room, "15;17;15;"));
  for (int cell : {15, 24}) setMark(state.help.room, cell);
  EXPECT_EQ(press(state, kPlaces, 15, kRemove), Kind::PlaceRemoved);
  EXPECT_EQ(press(state, kPlaces, 24, kRemove), Kind::MarkCleared) << "a mark no place made";
  EXPECT_EQ(press(state, kPlaces, 24, kRemove), Kind::Nothing);
  EXPECT_EQ(places(state.help.room), Codes{17});
  EXPECT_EQ(markedCells(state.help.room), Codes{2});

  Help full = helpOn(roomFromRows(Texts(10, "          ")));
  for (int cell = 0; cell < kMaxPlaces; ++cell) ASSERT_EQ(press(full, kPlaces, cell), Kind::PlaceAdded) << cell;
  const HelpEdit refused = helpPress(full.help, full.pending, kPlaces, kAdd, 80);
  EXPECT_TRUE(refused.kind == Kind::Refused && !refused.problem.empty());
  EXPECT_EQ(full.help.room.forbPlaceCount, kMaxPlaces);
  EXPECT_EQ(full.help.room.cells[80], FLOOR);

  // Couples take two left picks in order, and other tags edit nothing.
  state = helpOn(roomFromRows(kRows));
  EXPECT_EQ(press(state, kCouples, 24), Kind::FirstPick);
  EXPECT_EQ(press(state, kCouples, 14, kRemove), Kind::Nothing);
  EXPECT_EQ(press(state, kPlaces, 15), Kind::PlaceAdded) << "the first pick waits meanwhile";
  EXPECT_EQ(state.pending.picks, 1);
  EXPECT_EQ(helpPress(state.help, state.pending, kCouples, kAdd, 14).coupleEntry, 1);
  EXPECT_EQ(couples(state.help.room), (Couples{{24, 14}}));

  const Help before = state;
  for (const char* tag : {"s", "d1", "Racine", ""}) {
    for (HelpAction action : {kAdd, kRemove}) EXPECT_EQ(press(state, helpModeOf(tag), 15, action), Kind::Nothing);
  }
  EXPECT_TRUE(state.help.room.cells == before.help.room.cells);
  EXPECT_EQ(places(state.help.room), Codes{15});

  for (int k = 2; k <= kMaxCouples; ++k) {
    press(state, kCouples, 20);
    ASSERT_EQ(helpPress(state.help, state.pending, kCouples, kAdd, 21).coupleEntry, k);
  }
  EXPECT_EQ(press(state, kCouples, 22), Kind::FirstPick);
  EXPECT_EQ(press(state, kCouples, 23), Kind::Refused);
  EXPECT_EQ(state.pending.picks, 1);
  EXPECT_EQ(state.help.room.forbCoupleCount, kMaxCouples);
}

TEST(HelpMarks, PlaceMarksAddUpACoupleShowsAloneDeleteKeepsNumbersAndThePageRoomIsBare) {
  RoomRecord room = roomFromRows(kRows, "14;2;", "21,22;23,24;25,26;");
  setMark(room, 28);
  showPlaceMarks(room);
  EXPECT_EQ(markedCells(room), (Codes{2, 14, 28}));
  showCoupleMarks(room, room.forbCouples[2]);
  EXPECT_EQ(markedCells(room), (Codes{23, 24}));

  WorkingRoom help{room, 1, {}, false};
  EXPECT_FALSE(deleteCouple(help, 0) || deleteCouple(help, 4));
  EXPECT_FALSE(help.listsEdited);
  EXPECT_TRUE(deleteCouple(help, 2));
  EXPECT_TRUE(help.listsEdited);
  EXPECT_EQ(couples(help.room), (Couples{{21, 22}, {0, 0}, {25, 26}}));
  EXPECT_TRUE(deleteCouple(help, 3)) << "the last couple too";

  prepareHelpRoom(room);
  EXPECT_TRUE(room.cells == roomFromRows({"#########", "#  .     ", "          "}).cells) << roomText(room);
}

TEST(HelpRooms, ArrowsWrapAndOnlyStoredListsSurviveARoomChange) {
  Help state = helpOn(roomFromRows(kRows), 4);
  for (int n = 1; n <= 3; ++n) *state.house().roomNumber(n) = roomFromRows({std::string(n, '#')});
  auto from = [&](int current, void (*arrow)(HouseRecord&)) {
    state.house().currentRoom = current;
    arrow(state.house());
    return state.house().currentRoom;
  };
  EXPECT_EQ(from(4, helpNextRoom), 1);
  EXPECT_EQ(from(1, helpPreviousRoom), 4);
  EXPECT_EQ(from(6, helpNextRoom), 1) << "past the count";
  EXPECT_EQ(from(6, helpPreviousRoom), 4);
  EXPECT_EQ(from(2, helpPreviousRoom), 1);
  EXPECT_EQ(from(2, helpNextRoom), 3);

  state.house().currentRoom = 4;
  const RoomRecord stored = *state.house().roomNumber(4);
  for (int cell : {15, 16}) press(state, kPlaces, cell);
  for (int cell : {21, 22}) press(state, kCouples, cell);
  ASSERT_TRUE(storeHelpLists(state.house(), state.help));
  press(state, kPlaces, 17);
  loadRoomForHelp(state.help, state.house());
  EXPECT_EQ(places(state.help.room), (Codes{15, 16})) << "17 was not stored";
  EXPECT_EQ(couples(state.help.room), (Couples{{21, 22}}));
  EXPECT_TRUE(state.house().roomNumber(4)->cells == stored.cells);
  state.help.number = 17;
  EXPECT_FALSE(storeHelpLists(state.house(), state.help));
}

// The help page works on a copy of its own: its lists go into the room they were made for
// whatever room is current by then; shown again, it takes the cells as stored now and keeps its
// lists only when it edited them.
TEST(HelpRooms, TheHelpCopyIsItsOwnAndItsListsGoWhereTheyWereMade) {
  Help state = helpOn(roomFromRows(kRows, "18;"), 2);
  *state.house().roomNumber(1) = roomFromRows({"#@$.#"});
  state.house().roomNumber(2)->cells[27] = WALL;  // stored elsewhere meanwhile
  state.house().roomNumber(2)->forbPlaces[1] = 28;
  helpCurrentRoom(state.help, state.house());
  EXPECT_EQ(state.help.room.cells[27], WALL) << "the cells as stored now";
  EXPECT_EQ(places(state.help.room), Codes{28}) << "unedited lists follow the stored ones";
  EXPECT_EQ(state.help.room.cells[11], FLOOR) << "no man on the help board";

  press(state, kPlaces, 15);
  state.house().roomNumber(2)->forbPlaces[1] = 29;
  helpCurrentRoom(state.help, state.house());
  EXPECT_EQ(places(state.help.room), (Codes{28, 15})) << "edited lists stay with their room";

  state.house().currentRoom = 1;  // the game went on to room 1
  ASSERT_TRUE(storeHelpLists(state.house(), state.help));
  EXPECT_EQ(places(*state.house().roomNumber(2)), (Codes{28, 15}));
  EXPECT_EQ(places(*state.house().roomNumber(1)), Codes{});
  helpCurrentRoom(state.help, state.house());
  EXPECT_EQ(state.help.number, 1);
  EXPECT_EQ(places(state.help.room), Codes{}) << "another room: taken afresh";
}

// A store by one page reaches the other page's copy of that room: a copy that did not edit its
// lists takes the stored ones, moved by its own unsaved shifts; one that edited them keeps them,
// moved by the shifts the store made.
TEST(HelpRooms, AStoreReachesTheOtherPagesCopyWithItsListsWhereTheCellsAre) {
  Help state = helpOn(roomFromRows(kRows, "15;", "21,22;"), 2);
  WorkingRoom edit;
  loadRoomForEditing(edit, state.house());
  const auto storeEdit = [&] {
    const std::optional<RoomStore> store = prepareStore(edit, state.house());
    commitStore(state.house(), *store);
    const ListsFollowed followed = helpFollowStore(state.help, store->room, edit.shifts);
    keepStored(edit, *store);
    return followed;
  };

  // Shifted one cell right and stored: the help copy had not edited its lists.
  shiftRoom(edit, Direction::Right);
  EXPECT_EQ(storeEdit(), ListsFollowed::Taken);
  EXPECT_EQ(places(state.help.room), Codes{16});
  EXPECT_EQ(couples(state.help.room), (Couples{{22, 23}}));
  RoomRecord bare = *state.house().roomNumber(2);
  prepareHelpRoom(bare);
  EXPECT_TRUE(state.help.room.cells == bare.cells) << roomText(state.help.room) << roomText(bare);

  // The help page adds a place; the editor shifts down and stores: the help lists are kept, down.
  press(state, kPlaces, 24);
  shiftRoom(edit, Direction::Down);
  EXPECT_EQ(storeEdit(), ListsFollowed::Kept);
  EXPECT_EQ(places(state.help.room), (Codes{26, 34}));
  EXPECT_EQ(couples(state.help.room), (Couples{{32, 33}}));

  // The editor shifts left, unsaved; the help page saves: the editor takes the saved lists where
  // its cells now are, and its store puts them there.
  shiftRoom(edit, Direction::Left);
  ASSERT_TRUE(storeHelpLists(state.house(), state.help));
  EXPECT_FALSE(state.help.listsEdited);
  EXPECT_EQ(followStoredLists(edit, *state.house().roomNumber(2), {}), ListsFollowed::Taken);
  EXPECT_EQ(places(edit.room), (Codes{25, 33}));
  EXPECT_EQ(couples(edit.room), (Couples{{31, 32}}));
  EXPECT_EQ(storeEdit(), ListsFollowed::Taken);
  EXPECT_EQ(places(*state.house().roomNumber(2)), (Codes{25, 33}));
  EXPECT_EQ(places(state.help.room), (Codes{25, 33}));
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
  Help state = helpOn(roomFromRows(kSideRoom));
  for (int cell : {21, 23}) press(state, kPlaces, cell);
  const PlaceSuggestion suggestion = addSuggestedPlaces(state.help, state.house());
  EXPECT_EQ(cellsOf(suggestion), (Codes{11, 15, 25, 31, 35, 41, 42, 43, 44, 45})) << "21 is listed already";
  EXPECT_EQ(places(state.help.room), (Codes{21, 23, 11, 15, 25, 31, 35, 41, 42, 43, 44, 45}));
  Codes expectedMarks = kHopeless;
  expectedMarks.insert(expectedMarks.begin() + 3, 23);
  EXPECT_EQ(markedCells(state.help.room), expectedMarks) << roomText(state.help.room);
  EXPECT_EQ(state.house().rooms[0].forbPlaceCount, 0) << "the player saves them";
  EXPECT_EQ(describeSuggestion(suggestion), "10 places added");
  EXPECT_EQ(describeSuggestion(addSuggestedPlaces(state.help, state.house())), "no hopeless cell left to add");

  // None with a box to spare, nor without a goal.
  Texts spare = kSideRoom;
  spare[2] = "# $   #";
  state = helpOn(roomFromRows(spare));
  EXPECT_EQ(describeSuggestion(addSuggestedPlaces(state.help, state.house())),
            "more boxes than goals: no cell is hopeless by itself, nothing added");
  EXPECT_EQ(state.help.room.forbPlaceCount, 0);

  state = helpOn(roomFromRows({"#####", "#@  #", "#####"}));
  EXPECT_EQ(describeSuggestion(addSuggestedPlaces(state.help, state.house())),
            "the stored room has no goal: nothing added");
  EXPECT_EQ(state.help.room.forbPlaceCount, 0);
}

TEST(SuggestedPlaces, AFullListTakesTheFirstInRowOrderAndCountsTheRest) {
  Help state = helpOn(roomFromRows(kSideRoom));
  // Room for two more: none of the 78 places is hopeless.
  for (int cell = 0; cell < kPlayableCells && state.help.room.forbPlaceCount < kMaxPlaces - 2; ++cell) {
    if (std::find(kHopeless.begin(), kHopeless.end(), cell) != kHopeless.end()) continue;
    state.help.room.forbPlaces[static_cast<std::size_t>(++state.help.room.forbPlaceCount)] = cell;
  }
  const PlaceSuggestion suggestion = addSuggestedPlaces(state.help, state.house());
  EXPECT_EQ(cellsOf(suggestion), (Codes{11, 15}));
  EXPECT_EQ(state.help.room.forbPlaceCount, kMaxPlaces);
  EXPECT_EQ(describeSuggestion(suggestion), "2 places added, 9 left out: a room holds 80 places at most");
}

}  // namespace
}  // namespace tarvo::test
