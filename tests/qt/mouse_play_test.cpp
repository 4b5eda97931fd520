// Play by mouse on the real board: a click walks the man or pushes the chosen box, step by step
// as keys would; the right button undoes; keys and clicks take over from a walk under way.
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>

#include "room_builder.h"
#include "window/board_overlay.h"
#include "window/solution_player.h"
#include "window_harness.h"

namespace tarvo::test {
namespace {

// Long enough for a walk under way to make a few more steps.
constexpr int kThreeSteps = 3 * SolutionPlayer::kPointedStepMs;

class MousePlayTest : public WindowTest {
 protected:
  void clickCell(int cell, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(&board(), button, {}, tile(cell).center());
  }
  const std::string& history() const { return window->state().counters.moveHistory; }
  SelectionMark& selection() const { return *find<SelectionMark>(QStringLiteral("PICselection")); }
};

// The man at 11 behind the wall of column 3; a box on 26 and its goal on 18 out of his way.
const RoomText kWallRoom{{"##########", "#@ #    .#", "#  #  $  #", "#        #", "##########"}, "", "", {}};

// A key stops a walk under way as it stops "Solve": the solver help test checks that.
TEST_F(MousePlayTest, AClickWalksTheManStepByStepANewClickSetsOffFromWhereHeStandsAndTheRightButtonUndoes) {
  writeFile("default.hou", houseFile("Walls", {kWallRoom}));
  start();
  clickCell(15);
  EXPECT_EQ(man(), 11) << "the steps follow one another, not all at once";
  ASSERT_TRUE(waitFor([&] { return man() == 15; }));
  EXPECT_EQ(history().size(), 8u) << "down round the wall and up again: " << history();
  EXPECT_EQ(caption("BTmoveValue"), "8");

  clickCell(15, Qt::RightButton);
  EXPECT_EQ(caption("BTmoveValue"), "7");
  EXPECT_NE(man(), 15);
  click("BTplusMove");  // what the right button took back can be made again
  EXPECT_EQ(man(), 15);

  clickCell(38);
  ASSERT_TRUE(waitFor([&] { return moves() > 8; }));
  clickCell(21);  // at once: the walk to 38 ends here, the one to 21 starts where the man is
  ASSERT_TRUE(waitFor([&] { return man() == 21; }));
  QTest::qWait(kThreeSteps);
  EXPECT_EQ(man(), 21);
  EXPECT_EQ(history().find_first_not_of("udrl"), std::string::npos) << history();
}

TEST_F(MousePlayTest, AChosenBoxIsPushedRoundACornerAndItsCompletionRecordsAndEndsThePushes) {
  // The box on 44 goes up the passage and left along the top row to 11, over its goal on 13.
  const RoomText corner{
      {"#######---", "#  .  #---", "####  #---", "####  #---", "####$ #---", "####@ #---", "#######---"}, "", "", {}};
  writeFile("default.hou", houseFile("Corner", {corner}));
  FRMain& w = start();
  const CellArray cells = w.state().curRoom.cells;
  const QImage picture = board().picture().toImage();
  clickCell(44);
  ASSERT_TRUE(selection().isVisible());
  // Outlined over the tiles: the board's own picture and its cells stay as they were.
  const QImage shown = board().grab().toImage().convertToFormat(picture.format());
  EXPECT_NE(shown.copy(tile(44)), picture.copy(tile(44)));
  for (int next : {34, 43, 45, 54}) EXPECT_EQ(shown.copy(tile(next)), picture.copy(tile(next))) << next;
  EXPECT_EQ(board().picture().toImage(), picture);
  EXPECT_TRUE(w.state().curRoom.cells == cells);

  {
    // Covering the goal is the player's own completion: a record, with the steps up to it only.
    DialogScript script;
    script.then<QInputDialog>([&](QInputDialog* prompt) {
      EXPECT_EQ(history(), "UUUruL") << "no step behind the prompt";
      QTest::keyClicks(prompt->findChild<QLineEdit*>(), "Mo");
      prompt->accept();
    });
    clickCell(11);
    EXPECT_FALSE(selection().isVisible());
    ASSERT_TRUE(waitFor([&] { return script.finished(); }));
    QTest::qWait(kThreeSteps);
  }
  EXPECT_EQ(history(), "UUUruL");
  EXPECT_EQ(caption("BTgoalValue"), "1/1");
  const RoomRecord& stored = w.state().house.rooms[0];
  EXPECT_EQ(*stored.recSolutions, Texts{"UUUruL"});
  EXPECT_EQ(*stored.recNames, Texts{"Mo"});
}

}  // namespace
}  // namespace tarvo::test
