// The places the help page suggests: the hopeless cells of the stored room added to the
// working list as the board adds them, none when a box may be spared, and the list's limit.
#include <gtest/gtest.h>

#include <algorithm>

#include "help/suggested_places.h"
#include "room_builder.h"
#include "rules/mouse_buttons.h"

namespace tarvo::test {
namespace {

// The goal on the top wall keeps that side alive but for its corners; the other sides have no
// goal, so every cell along them is hopeless.
const Texts kSideRoom = {"#######", "#  .  #", "#     #", "#@ $  #", "#     #", "#######"};
const Codes kHopeless = {11, 15, 21, 25, 31, 35, 41, 42, 43, 44, 45};

// The help page on `rows`: the working room without boxes and man, its list holding `listed`.
GameState helpOn(const Texts& rows, const Codes& listed = {}) {
  GameState state = gameOn(roomFromRows(rows));
  loadRoomForHelp(state);
  for (std::int32_t cell : listed) helpPress(state, HelpMode::Places, kLeftButton, cell);
  return state;
}

Codes cellsOf(const PlaceSuggestion& suggestion) {
  Codes cells;
  for (const HelpEdit& edit : suggestion.edits) cells.push_back(edit.cell);
  return cells;
}

TEST(SuggestedPlaces, AddsTheHopelessCornersAndSidesInRowOrderMarkedAndUnsaved) {
  GameState state = helpOn(kSideRoom, {21, 23});
  const PlaceSuggestion suggestion = addSuggestedPlaces(state);
  EXPECT_EQ(cellsOf(suggestion), (Codes{11, 15, 25, 31, 35, 41, 42, 43, 44, 45})) << "21 is listed already";
  EXPECT_EQ(places(state.helpRoom.room), (Codes{21, 23, 11, 15, 25, 31, 35, 41, 42, 43, 44, 45}));
  Codes expectedMarks = kHopeless;
  expectedMarks.insert(expectedMarks.begin() + 3, 23);
  EXPECT_EQ(markedCells(state.helpRoom.room), expectedMarks) << roomText(state.helpRoom.room);
  EXPECT_EQ(state.house.rooms[0].forbPlaceCount, 0) << "the player saves them";
  EXPECT_EQ(describeSuggestion(suggestion), "10 places added");
  EXPECT_EQ(describeSuggestion(addSuggestedPlaces(state)), "no hopeless cell left to add");
}

TEST(SuggestedPlaces, ARoomWithASpareBoxOrWithoutAGoalGetsNone) {
  Texts spare = kSideRoom;
  spare[2] = "# $   #";
  GameState state = helpOn(spare);
  PlaceSuggestion suggestion = addSuggestedPlaces(state);
  EXPECT_EQ(suggestion.kind, PlaceSuggestion::Kind::SpareBoxes);
  EXPECT_EQ(describeSuggestion(suggestion), "more boxes than goals: no cell is hopeless by itself, nothing added");
  EXPECT_EQ(state.helpRoom.room.forbPlaceCount, 0);
  EXPECT_EQ(markedCells(state.helpRoom.room), Codes{});

  state = helpOn({"#####", "#@  #", "#####"});
  EXPECT_EQ(describeSuggestion(addSuggestedPlaces(state)), "the stored room has no goal: nothing added");
  EXPECT_EQ(state.helpRoom.room.forbPlaceCount, 0);
}

TEST(SuggestedPlaces, AFullListTakesTheFirstInRowOrderAndCountsTheRest) {
  GameState state = helpOn(kSideRoom);
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
