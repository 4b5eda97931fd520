// A room painted in the editor and stored comes back the same from the house file.
#include <gtest/gtest.h>

#include "editor/canvas.h"
#include "editor/commands.h"
#include "house/house_reader.h"
#include "house/house_writer.h"
#include "room_builder.h"

namespace tarvo::test {
namespace {

TEST(EditorRoundTrip, APaintedAndStoredRoomReadsBackFromTheHouseFile) {
  GameState state;
  state.house = emptyHouse();
  startRoom(state, 0);
  ASSERT_FALSE(parsePlaceList(state.curRoom, "33;"));
  ASSERT_FALSE(parseCoupleList(state.curRoom, "34,44;0,0;"));
  // Left button: a man on a goal; right button: a box. A press at the centre of each cell.
  state.spriteCode = {MAN + GOAL, BOX};
  for (auto [button, cell] : {std::pair{kLeftButton, 22}, {kRightButton, 44}}) {
    ASSERT_EQ(paintWithPress(state, button, (cell % 10) * 32 + 16, (cell / 10) * 32 + 16), cell);
  }
  ASSERT_TRUE(storeRoom(state));
  const RoomRecord& stored = state.house.rooms[0];

  HouseRecord back;
  ASSERT_TRUE(readHouse(writeHouse(state.house), back).ok());
  const RoomRecord& read = back.rooms[0];
  EXPECT_TRUE(read.cells == stored.cells) << roomText(read) << roomText(stored);
  EXPECT_EQ(*read.goals, Codes{22});
  EXPECT_EQ(read.man, 22);
  EXPECT_EQ(places(read), Codes{33});
  EXPECT_EQ(couples(read), (std::vector<CouplePair>{{34, 44}, {0, 0}}));
}

}  // namespace
}  // namespace tarvo::test
