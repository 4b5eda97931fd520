// The sentences the editor and the solver say, a row each: the check of a room, the answer of a
// search and the bound that stopped it, the store's report and its question. Each count says
// "1 box" and "2 boxes", each bound its own size, each answer whether it is the fewest.
#include <gtest/gtest.h>

#include <string>

#include "editor/commands.h"
#include "editor/room_check.h"
#include "room_builder.h"

namespace tarvo {
namespace {

using test::roomFromRows;
using test::Texts;

TEST(SentencePromises, TheCheckCountsMenBoxesAndGoalsAndSaysWhereAManGetsOut) {
  const struct {
    Texts rows;
    const char* said;
  } table[] = {
      {{"#####", "#@$.#", "#####"}, "1 man, 1 box, 1 goal, closed"},
      {{"######", "#@$$.#", "#  * #", "######"}, "1 man, 3 boxes, 2 goals, closed"},
      {{"#####", "#@  #", "#####"}, "1 man, 0 boxes, 0 goals, closed"},
      {{"#####", "#$$.#", "#####"}, "0 men, 2 boxes, 1 goal"},  // no man: neither closed nor open
      {{"#####", "#@@.#", "#$$ #", "#####"}, "2 men, 2 boxes, 1 goal, closed"},
      {{"## ##", "#@$.#", "#####"}, "1 man, 1 box, 1 goal, open at cell 2"},  // a gap on the top row
      {{"#  ##", "#@$.#", "#  ##"}, "1 man, 1 box, 1 goal, open at cell 1"},  // the first of several
      {{"#####", "#@$.#", "## ##"}, "1 man, 1 box, 1 goal, closed"},          // below the gap: no board left to walk
      {{"#####", "#@$.#", "##$##", "#   #", "#####"}, "1 man, 2 boxes, 1 goal, closed"},  // boxes move: not walls
      {{"##########", "#@$.      ", "          ", "##########"},
       "1 man, 1 box, 1 goal, open at cell 19"},  // right edge wraps
  };
  for (const auto& row : table) EXPECT_EQ(describeRoomCheck(checkRoom(roomFromRows(row.rows))), row.said) << row.said;

  const struct {
    Texts rows;
    const char* why;
  } noSearch[] = {
      {{"#####", "#$$.#", "#####"}, "no man to solve it"},
      {{"#####", "#@@.#", "#$$ #", "#####"}, "a room needs exactly one man"},
      {{"#####", "#@$ #", "#####"}, "no goal to solve"},
      {{"#####", "#@$.#", "#  .#", "#####"}, "not solvable: fewer boxes than goals"},
      {{"#####", "#@$.#", "#####"}, ""},
  };
  for (const auto& row : noSearch) EXPECT_EQ(checkRoom(roomFromRows(row.rows)).noSearch, row.why) << row.why;
}

TEST(SentencePromises, ASearchSaysWhetherItFoundTheFewestAndWhichBoundStoppedIt) {
  solver::Budget budget;
  budget.exact.time = std::chrono::milliseconds{7000};
  budget.fast.time = std::chrono::milliseconds{3000};
  budget.fast.memoryBytes = std::size_t{256} << 20;
  budget.fast.positions = 3'000'000;
  const auto answer = [&](solver::Outcome outcome, int pushes, int moves, bool fewest, solver::Bound bound) {
    solver::SolveResult result;
    result.outcome = outcome;
    result.solution.pushes = pushes;
    result.solution.moves = moves;
    result.fewest = fewest;
    result.stoppedBy = bound;
    return describeSearch(result, budget);
  };
  using solver::Bound;
  using solver::Outcome;
  EXPECT_EQ(answer(Outcome::Solved, 3, 7, true, Bound::None), "solvable in 3 pushes, 7 moves");
  EXPECT_EQ(answer(Outcome::Solved, 1, 1, true, Bound::None), "solvable in 1 push, 1 move");
  EXPECT_EQ(answer(Outcome::Solved, 57, 160, false, Bound::Time),
            "solvable: a solution of 57 pushes, 160 moves found; the fewest is not known");
  EXPECT_EQ(answer(Outcome::NoSolution, 0, 0, true, Bound::None), "not solvable");
  EXPECT_EQ(answer(Outcome::NoMan, 0, 0, true, Bound::None), "no man to solve it");
  EXPECT_EQ(answer(Outcome::LimitReached, 0, 0, true, Bound::Time), "unknown: no solution found within 10 s")
      << "the time of both searches";
  EXPECT_EQ(answer(Outcome::LimitReached, 0, 0, true, Bound::Memory),
            "unknown: no solution found within the memory bound of 256 MiB");
  EXPECT_EQ(answer(Outcome::LimitReached, 0, 0, true, Bound::Positions),
            "unknown: no solution found within 3000000 positions");
  EXPECT_EQ(answer(Outcome::Cancelled, 0, 0, true, Bound::Cancel), "check cancelled");

  // Each bound as its own size: never rounded to a size it is not.
  const struct {
    std::size_t bytes;
    const char* said;
  } sizes[] = {{std::size_t{1} << 20, "1 MiB"},
               {std::size_t{3} << 19, "1536 KiB"},
               {std::size_t{64} << 10, "64 KiB"},
               {1000, "1000 bytes"},
               {(std::size_t{1} << 20) + 1, "1048577 bytes"}};
  for (const auto& row : sizes) {
    budget.fast.memoryBytes = row.bytes;
    solver::SolveResult result;
    result.stoppedBy = Bound::Memory;
    EXPECT_EQ(solver::describeBound(result, budget), std::string("the memory bound of ") + row.said);
  }
  budget.exact.time = std::chrono::milliseconds{1500};
  budget.fast.time = std::nullopt;
  solver::SolveResult timed;
  timed.stoppedBy = Bound::Time;
  EXPECT_EQ(solver::describeBound(timed, budget), "1500 ms");
}

TEST(SentencePromises, AStoreSaysWhatItStoredAndWhichRecordsItKeptOrDropped) {
  HouseRecord house = emptyHouse();
  house.roomCount = 5;
  const RoomRecord good = roomFromRows({"#####", "#@$.#", "#####"});
  const struct {
    RoomRecord room;
    std::size_t kept, dropped;
    int number;
    const char* said;
  } table[] = {
      {good, 0, 0, 5, "room 5 stored: 1 man, 1 box, 1 goal; no records"},
      {good, 1, 0, 5, "room 5 stored: 1 man, 1 box, 1 goal; 1 record kept"},
      {good, 2, 1, 5, "room 5 stored: 1 man, 1 box, 1 goal; 2 records kept, 1 dropped"},
      {good, 0, 3, 5, "room 5 stored: 1 man, 1 box, 1 goal; 0 records kept, 3 dropped"},
      {roomFromRows({"#####", "#$$.#", "#####"}), 0, 0, 2,
       "room 2 stored, but it has no man: 0 men, 2 boxes, 1 goal; no records"},
      {roomFromRows({"#####", "#@@.#", "#$ .#", "#####"}), 0, 0, 2,
       "room 2 stored, but it has 2 men: 2 men, 1 box, 2 goals; no records"},
      {roomFromRows({"#####", "#@$.#", "#  .#", "#####"}), 0, 0, 2,
       "room 2 stored, but it has fewer boxes than goals: 1 man, 1 box, 2 goals; no records"},
      {good, 0, 0, 7, "room 7 stored, but it is not in the house (5 rooms): it is not saved to disk"},
  };
  for (const auto& row : table) {
    const RoomStore store{row.number, row.room, row.kept, row.dropped};
    EXPECT_EQ(describeStore(store, house), row.said);
  }
  EXPECT_EQ(storeQuestion(RoomStore{5, good, 2, 1}),
            "Room 5 has 1 record that does not solve the changed room. Store it and drop it?");
  EXPECT_EQ(storeQuestion(RoomStore{5, good, 0, 3}),
            "Room 5 has 3 records that do not solve the changed room. Store it and drop them?");
}

}  // namespace
}  // namespace tarvo
