// A shift of the editor's cells moves the forbidden lists with them: every index the shift keeps
// on the board moves with its cell, one it takes off the board goes (a couple with it), and what
// was off the board or deleted already stays as it was.
#include <gtest/gtest.h>

#include "room_builder.h"
#include "rules/working_room.h"

namespace tarvo {
namespace {

using test::couples;
using test::places;
using test::roomFromRows;
using Codes = test::Codes;

TEST(WorkingRoomPromises, AShiftMovesEachIndexWithItsCellAndDropsWhatLeavesTheBoard) {
  const struct {
    std::int32_t index;
    Direction direction;
    std::optional<std::int32_t> moved;
  } table[] = {
      {45, Direction::Right, 46}, {49, Direction::Right, 50},  // one sequence in row order
      {50, Direction::Left, 49},  {55, Direction::Up, 45},    {45, Direction::Down, 55},
      {99, Direction::Right, {}}, {0, Direction::Left, {}},   {5, Direction::Up, {}},
      {95, Direction::Down, {}},  {-3, Direction::Right, -3}, {120, Direction::Left, 120},
  };
  for (const auto& row : table) {
    EXPECT_EQ(shiftedIndex(row.index, row.direction), row.moved) << row.index << " " << static_cast<int>(row.direction);
  }

  RoomRecord room = roomFromRows({"#####", "#@$.#", "#####"}, "45;99;12;", "55,56;0,0;98,99;11,21;");
  shiftLists(room, Direction::Right);
  EXPECT_EQ(places(room), (Codes{46, 13}));
  EXPECT_EQ(couples(room), (std::vector<CouplePair>{{56, 57}, {0, 0}, {12, 22}})) << "98,99 went";
  shiftLists(room, Direction::Up);
  EXPECT_EQ(places(room), (Codes{36, 3}));
  EXPECT_EQ(couples(room), (std::vector<CouplePair>{{46, 47}, {0, 0}, {2, 12}}));
  shiftLists(room, Direction::Up);
  EXPECT_EQ(places(room), Codes{26});
  EXPECT_EQ(couples(room), (std::vector<CouplePair>{{36, 37}, {0, 0}}));
}

}  // namespace
}  // namespace tarvo
