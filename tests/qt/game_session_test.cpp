// The owner of the game's state on its own: what it counts as not yet in a file (which the drop
// question says), and the solutions it takes in as records.
#include <gtest/gtest.h>

#include "room_builder.h"
#include "window/game_session.h"

namespace tarvo {
namespace {

using test::roomFromRows;

// A house of sixteen rooms, room 1 one push from solved with room to walk left first.
HouseRecord sixteenRooms() {
  HouseRecord house = emptyHouse();
  house.roomCount = kMaxRooms;
  for (int n = 1; n <= kMaxRooms; ++n) *house.roomNumber(n) = roomFromRows({"#######", "#  @$.#", "#######"});
  return house;
}

// Fills room 2 with records until the house holds `count`.
void fillRecords(GameSession& session, HouseRecord house, std::int64_t count) {
  for (std::int64_t k = house.recordCount(); k < count; ++k)
    house.roomNumber(2)->records->add(RecordFields{"x", "1", "00:01", "R"});
  session.takeHouse(std::move(house));
}

TEST(GameSession, CountsEveryRecordMadeAndEveryRoomStoredUntilTheHouseIsSaved) {
  GameSession session([] { return std::int64_t{0}; });
  session.takeHouse(sixteenRooms());
  EXPECT_FALSE(session.unsaved().any());

  const RoomRecord stored = roomFromRows({"#####", "#@$.#", "#####"});
  for (const int number : {16, 1, 16}) session.storeRoom(RoomStore{number, stored, 0, 0}, {}, nullptr);
  EXPECT_EQ(session.unsaved().storedRooms, 2) << "rooms 1 and 16, each once";

  session.step(Direction::Right);
  ASSERT_TRUE(session.beginRecord());
  session.nameRecord("first");
  EXPECT_EQ(session.unsaved().records, 1);

  // A full house makes no record of a completion: nothing more is unsaved.
  fillRecords(session, sixteenRooms(), kMaxHouseRecords);
  session.step(Direction::Right);
  EXPECT_FALSE(session.beginRecord());
  session.nameRecord("second");
  EXPECT_EQ(session.unsaved().records, 0);
}

TEST(GameSession, TakesInSolutionsThatReplayTheRoomAndAreNotHeldWhileTheHouseHasRoom) {
  GameSession session([] { return std::int64_t{0}; });
  session.takeHouse(sixteenRooms());
  const std::vector<StoredSolution> solutions = {
      {"a", "R", 1000},   {"b", "R", 900},  // the second is held once the first is in
      {"c", "lR", 0},                       // a push where the man walks
      {"d", "uR", 0},                       // a step into the wall
      {"e", "lrR", 3000}, {"f", "llrrR", 4000}};
  EXPECT_EQ(session.addRecords(1, solutions), 3);
  EXPECT_EQ(test::records(*session.house().roomNumber(1)),
            (test::Texts{"a|1|00:01|R", "e|3|00:03|lrR", "f|5|00:04|llrrR"}));
  EXPECT_EQ(session.unsaved().records, 3);
  EXPECT_EQ(session.addRecords(1, solutions), 0) << "all held now";

  // One record short of full: one more goes in, and the house stays one a reader takes.
  fillRecords(session, sixteenRooms(), kMaxHouseRecords - 1);
  EXPECT_EQ(session.addRecords(1, solutions), 1);
  EXPECT_EQ(session.house().recordCount(), kMaxHouseRecords);
}

}  // namespace
}  // namespace tarvo
