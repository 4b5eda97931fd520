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

// The command, as a developer runs it after changing a room, makes the committed house again through the core. Where
// a room has several best solutions the search may pick another one, so the rooms and the push and move counts must
// match the committed file, and every record, committed or new, must replay.
TEST(BundledHouse, EveryRecordReplaysAndTheSolverMakesTheCommittedRoomsWithTheSameCounts) {
  HouseRecord house;
  const HouseReadResult result = readHouseFile(TARVO_DEFAULT_HOUSE, house);
  ASSERT_TRUE(result.ok()) << result.describe();
  ASSERT_EQ(house.roomCount, 16);
  const test::ScratchFolder folder;
  const std::string out = folder.file("default.hou");
  const std::string command = std::string("'") + TARVO_SOLVE + "' --house 'First House' '" + TARVO_DEFAULT_ROOMS +
                              "' -o '" + out + "' 2>/dev/null";
  EXPECT_EQ(std::system(command.c_str()), 0);
  HouseRecord made;
  const bool madeRead = readHouseFile(out, made).ok() && made.houseName == house.houseName;
  EXPECT_TRUE(madeRead && made.roomCount == house.roomCount);
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
    const long pushes = std::count_if(steps.begin(), steps.end(), ::isupper);
    EXPECT_GE(pushes, previousPushes) << "rooms must not get easier";
    previousPushes = pushes;
    if (!madeRead || number > made.roomCount) continue;
    const RoomRecord& again = *made.roomNumber(number);
    EXPECT_TRUE(again.cells == room.cells && *again.goals == *room.goals);
    const std::string_view newSteps = (*again.records)[0].solution;
    EXPECT_EQ(newSteps.size(), steps.size());
    EXPECT_EQ(std::count_if(newSteps.begin(), newSteps.end(), ::isupper), pushes);
    EXPECT_EQ(replayProblem(again, newSteps), std::nullopt);
  }
}

}  // namespace
}  // namespace tarvo::solver
