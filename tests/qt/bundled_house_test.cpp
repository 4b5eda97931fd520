// The house shipped with the program: every room is solved by the record it ships with.
#include <gtest/gtest.h>

#include <cctype>

#include "help/forbidden_marks.h"
#include "house/house_reader.h"
#include "rules/completion.h"
#include "rules/moves.h"

namespace tarvo {
namespace {

TEST(BundledHouseTest, EachRoomIsSolvedByItsFirstRecord) {
  HouseRecord house;
  const HouseReadResult result = readHouseFile(TARVO_BUNDLED_HOUSE, house);
  ASSERT_TRUE(result.ok()) << result.describe();
  ASSERT_EQ(house.roomCount, 16);
  for (int number = 1; number <= house.roomCount; ++number) {
    SCOPED_TRACE("room " + std::to_string(number));
    const RoomRecord& room = *house.roomNumber(number);
    ASSERT_FALSE(room.recSolutions->empty());
    const std::string& solution = room.recSolutions->front();

    GameState state;
    initRules(state);
    state.house = house;
    state.house.currentRoom = number;
    state.curRoom = room;
    applyForbiddenMarks(state.curRoom);
    for (std::size_t k = 0; k < solution.size(); ++k) {
      ASSERT_FALSE(isComplete(state.curRoom)) << "solved before step " << k + 1;
      const bool push = std::isupper(static_cast<unsigned char>(solution[k])) != 0;
      // The letter's case tells whether the step pushed a box.
      ASSERT_EQ(stepMan(state, keyCodeOfLetter(solution[k])), push ? StepKind::Push : StepKind::Walk)
          << "step " << k + 1 << " '" << solution[k] << "'";
    }
    EXPECT_TRUE(isComplete(state.curRoom));
    EXPECT_EQ(state.counters.moveHistory, solution);
    EXPECT_EQ(room.recMoves->front(), std::to_string(solution.size()));
  }
}

}  // namespace
}  // namespace tarvo
