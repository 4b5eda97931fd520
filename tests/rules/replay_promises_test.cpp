// Steps handed to the game: text pasted as steps, and an unfinished game taken up again. What
// does not fit the room leaves it at its start; a game taken up goes on where it stopped.
#include <gtest/gtest.h>

#include "room_builder.h"
#include "rules/play.h"
#include "rules/replay.h"

namespace tarvo {
namespace {

using test::gameOn;
using test::roomFromRows;

TEST(ReplayPromises, PastedTextIsStepsWhenItHoldsStepLettersAndBlanksAlone) {
  const struct {
    const char* text;
    std::optional<std::string> steps;
  } table[] = {
      {"rRuL", "rRuL"},      {" r R\r\n u\tL \n", "rRuL"},  // blanks and line ends between steps are left out
      {"", std::nullopt},    {" \r\n\t", std::nullopt},     // no step at all
      {"rRx", std::nullopt},                                // a letter that is no step
      {"r,R", std::nullopt},
  };
  for (const auto& row : table) EXPECT_EQ(stepsOfText(row.text), row.steps) << '"' << row.text << '"';
}

TEST(ReplayPromises, AnUnfinishedGameGoesOnWhereItStoppedOrTheRoomStartsAfresh) {
  const RoomRecord room = roomFromRows({"#######", "#  @$.#", "#######"});
  const struct {
    const char* steps;
    bool resumed;
    std::int32_t moves;  // the moves shown once taken up
    int manMoved;        // cells the man stands from his start
  } table[] = {
      {"lrl", true, 3, -1}, {"", true, 0, 0}, {"llll", false, 0, 0},  // blocked by the wall: not this room's game
      {"lR", false, 0, 0},                                            // a push where the man only walks
      {"R", false, 0, 0},                                             // it solves the room: not unfinished
  };
  for (const auto& row : table) {
    GameState state = gameOn(room);
    const bool resumed = resumeGame(state, row.steps, 5000, true, 9000);
    EXPECT_EQ(resumed, row.resumed) << row.steps;
    EXPECT_EQ(state.counters.moveCount, row.moves) << row.steps;
    EXPECT_EQ(state.counters.moveHistory, row.resumed ? row.steps : "") << row.steps;
    EXPECT_EQ(state.curRoom.man, room.man + row.manMoved) << row.steps;
    EXPECT_EQ(state.undoSteps.size(), static_cast<std::size_t>(row.moves)) << "each step undoable: " << row.steps;
    // Its time goes on from the time it had; help it had stays with it.
    EXPECT_EQ(state.counters.startTime, row.resumed ? 4000 : 9000) << row.steps;
    EXPECT_EQ(state.helpUsed, row.resumed) << row.steps;
  }
}

}  // namespace
}  // namespace tarvo
