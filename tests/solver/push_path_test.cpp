// Pointing play: the man's walk to a cell and one box pushed to a cell, replayed through the game's steps.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "room_builder.h"
#include "rules/moves.h"
#include "solver/push_path.h"

namespace tarvo::solver {
namespace {

using test::roomFromRows;

// Plays the letters on a copy of the room; each must walk or push as its case says.
RoomRecord played(RoomRecord room, const std::string& steps) {
  for (char letter : steps) {
    const StepKind made = moveMan(room, *directionOfLetter(letter));
    EXPECT_EQ(made, letter >= 'A' && letter <= 'Z' ? StepKind::Push : StepKind::Walk) << steps;
  }
  return room;
}

TEST(PointingPlay, WalksTheShortestWayAroundWallsAndBoxes) {
  const RoomRecord room = roomFromRows({"#######", "#@ #  #", "#  # $#", "#     #", "#######"});
  const std::optional<std::string> walk = walkPath(snapshotOf(room), cellIndex(1, 4));
  ASSERT_TRUE(walk);
  EXPECT_EQ(walk->size(), 7u);
  EXPECT_EQ(played(room, *walk).man, cellIndex(1, 4));
  EXPECT_EQ(walkPath(snapshotOf(room), cellIndex(1, 1)), "");
  EXPECT_EQ(walkPath(snapshotOf(room), cellIndex(1, 3)), std::nullopt) << "a wall";
  EXPECT_EQ(walkPath(snapshotOf(room), cellIndex(2, 5)), std::nullopt) << "a box";
  const RoomRecord shut = roomFromRows({"#######", "#@ #  #", "#######"});
  EXPECT_EQ(walkPath(snapshotOf(shut), cellIndex(1, 4)), std::nullopt) << "behind a wall";
}

TEST(PointingPlay, PushesOneBoxTheBestWayOrNotAtAll) {
  // Around a corner: up two, then left two, the man stepping round between: "UUruLL".
  const RoomRecord corner = roomFromRows({"#######", "#     #", "#     #", "#   $ #", "#   @ #", "#######"});
  const std::optional<std::string> steps = pushPath(snapshotOf(corner), cellIndex(3, 4), cellIndex(1, 2));
  ASSERT_TRUE(steps);
  EXPECT_EQ(std::count_if(steps->begin(), steps->end(), ::isupper), 4);
  EXPECT_EQ(steps->size(), 6u) << *steps;
  EXPECT_EQ(played(corner, *steps).cells[cellIndex(1, 2)], BOX);

  // Another box is never pushed: here it blocks the only way.
  const RoomRecord blocked = roomFromRows({"########", "#@$ $  #", "########"});
  EXPECT_EQ(pushPath(snapshotOf(blocked), cellIndex(1, 2), cellIndex(1, 6)), std::nullopt);
  EXPECT_TRUE(pushPath(snapshotOf(blocked), cellIndex(1, 2), cellIndex(1, 3)));
  // No box there, a box already there, a target that is no free cell, a corner it cannot leave.
  EXPECT_EQ(pushPath(snapshotOf(blocked), cellIndex(1, 3), cellIndex(1, 5)), std::nullopt);
  EXPECT_EQ(pushPath(snapshotOf(blocked), cellIndex(1, 2), cellIndex(1, 2)), "");
  EXPECT_EQ(pushPath(snapshotOf(blocked), cellIndex(1, 2), cellIndex(0, 2)), std::nullopt);
  const RoomRecord cornered = roomFromRows({"######", "#$   #", "#  @ #", "######"});
  EXPECT_EQ(pushPath(snapshotOf(cornered), cellIndex(1, 1), cellIndex(2, 1)), std::nullopt);
}

TEST(PointingPlay, AClickChoosesABoxLetsItGoOrMovesTheMan) {
  const RoomRecord room = roomFromRows({"########", "#@ $ $ #", "#      #", "########"});
  const Snapshot snapshot = snapshotOf(room);
  const int box = cellIndex(1, 3);
  const int other = cellIndex(1, 5);
  const auto expect = [&](std::optional<int> selected, int cell, std::optional<int> chosen, const std::string& steps) {
    const Pointing pointing = pointAt(snapshot, selected, cell);
    EXPECT_EQ(pointing.selected, chosen) << "click on " << cell;
    EXPECT_EQ(pointing.steps, steps) << "click on " << cell;
  };
  // Without a box chosen: a box is chosen, a free cell walked to, a wall changes nothing.
  expect(std::nullopt, box, box, "");
  expect(std::nullopt, cellIndex(2, 1), std::nullopt, "d");
  expect(std::nullopt, cellIndex(0, 2), std::nullopt, "");
  // With one: the same box is let go, another one chosen instead, a free cell is where to push.
  expect(box, box, std::nullopt, "");
  expect(box, other, other, "");
  expect(box, cellIndex(1, 4), std::nullopt, "rR");
  // A push that cannot be done lets the box go and moves nothing, even to a cell the man could
  // walk to: the box cannot leave the top row, and the other box stands in the way.
  expect(box, cellIndex(2, 3), std::nullopt, "");
  expect(box, cellIndex(1, 6), std::nullopt, "");
  expect(other, cellIndex(1, 2), std::nullopt, "");
}

}  // namespace
}  // namespace tarvo::solver
