// The bundled house: every record plays through the game's rules, and the solver makes its rooms again as well.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <optional>
#include <string>

#include "house/house_reader.h"
#include "rules/replay.h"
#include "scratch_folder.h"
#include "solved_house.h"

namespace tarvo::solver {
namespace {

TEST(BundledHouse, EveryRecordReplaysThroughTheCoreAndSolvesItsRoom) {
  HouseRecord house;
  const HouseReadResult result = readHouseFile(TARVO_DEFAULT_HOUSE, house);
  ASSERT_TRUE(result.ok()) << result.describe();
  EXPECT_EQ(house.houseName, "First House");
  ASSERT_EQ(house.roomCount, 16);
  long previousPushes = 0;
  for (int number = 1; number <= house.roomCount; ++number) {
    SCOPED_TRACE("room " + std::to_string(number));
    const RoomRecord& room = *house.roomNumber(number);
    ASSERT_EQ(room.recordCount(), 1u);
    const RecordList::Record record = (*room.records)[0];
    const std::string_view steps = record.solution;
    EXPECT_EQ(replayProblem(room, steps), std::nullopt);
    EXPECT_EQ(record.name, "TarvoPlim");
    EXPECT_EQ(record.moves, std::to_string(steps.size()));
    EXPECT_EQ(record.time, recordTime(static_cast<int>(steps.size())));
    const long pushes = std::count_if(steps.begin(), steps.end(), [](char c) { return std::isupper(c) != 0; });
    EXPECT_GE(pushes, previousPushes) << "rooms must not get easier";
    previousPushes = pushes;
  }
}

// The command as a developer runs it after changing a room, saving through the core. Where a room
// has several best solutions the search may pick another one, so the rooms and the push and move
// counts must match the committed file, and every new record must replay.
TEST(BundledHouse, TheSolverMakesTheCommittedRoomsWithTheSameCounts) {
  const test::ScratchFolder folder;
  const std::string out = folder.file("default.hou");
  const std::string command = std::string("'") + TARVO_SOLVE + "' --house 'First House' '" + TARVO_DEFAULT_ROOMS +
                              "' -o '" + out + "' 2>/dev/null";
  EXPECT_EQ(std::system(command.c_str()), 0);
  HouseRecord made;
  HouseRecord committed;
  ASSERT_TRUE(readHouseFile(out, made).ok());
  ASSERT_TRUE(readHouseFile(TARVO_DEFAULT_HOUSE, committed).ok());
  EXPECT_EQ(made.houseName, committed.houseName);
  ASSERT_EQ(made.roomCount, committed.roomCount);
  for (int number = 1; number <= made.roomCount; ++number) {
    SCOPED_TRACE("room " + std::to_string(number));
    const RoomRecord& room = *made.roomNumber(number);
    const RoomRecord& before = *committed.roomNumber(number);
    EXPECT_EQ(room.cells, before.cells);
    EXPECT_EQ(*room.goals, *before.goals);
    const std::string_view steps = (*room.records)[0].solution;
    const std::string_view oldSteps = (*before.records)[0].solution;
    EXPECT_EQ(steps.size(), oldSteps.size());
    EXPECT_EQ(std::count_if(steps.begin(), steps.end(), ::isupper),
              std::count_if(oldSteps.begin(), oldSteps.end(), ::isupper));
    EXPECT_EQ(replayProblem(room, steps), std::nullopt);
  }
}

}  // namespace
}  // namespace tarvo::solver
