// Help from the solver on the real widgets: a hint over the board, the solution played and
// stopped, and a record replayed from the record list; none of them makes a record. Play by mouse
// on the real board: a click walks the man or pushes the chosen box, step by step as keys would;
// the right button undoes; keys and clicks take over from a walk under way.
#include <QInputDialog>
#include <QLineEdit>
#include <QTreeView>

#include "room_builder.h"
#include "window/board_overlay.h"
#include "window/solution_player.h"
#include "window_harness.h"

namespace tarvo::test {
namespace {

// Long enough for a walk under way to make a few more steps.
constexpr int kThreeSteps = 3 * SolutionPlayer::kPointedStepMs;

class SolverHelpTest : public WindowTest {
 protected:
  QString status() const { return text("LBstatus"); }
  void clickCell(int cell, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(&board(), button, {}, tile(cell).center());
  }
  const std::string& history() const { return window->state().counters.moveHistory; }
  SelectionMark& selection() const { return *find<SelectionMark>(QStringLiteral("PICselection")); }

  void doubleClickRecord(int row) {
    auto& list = *find<QTreeView>(QStringLiteral("LVrecord"));
    const QModelIndex index = list.model()->index(row, 0);
    const QPoint at = list.visualRect(index).center();
    // As a mouse sends it: the view answers a double click only on the row first pressed.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, at);
  }
};

TEST_F(SolverHelpTest, AHintOutlinesTheNextPushOverTheTilesAndTheRoomThenMakesNoRecord) {
  start();
  const QImage picture = board().picture().toImage();
  click("BThint");
  QWidget* hint = find(QStringLiteral("PIChint"));
  ASSERT_TRUE(waitFor([&] { return hint->isVisible(); }));
  EXPECT_EQ(status(), "next push: right (fewest: 2 pushes to go)");
  // Drawn over the box on 24 only: the board's own picture is untouched.
  const QImage shown = board().grab().toImage().convertToFormat(picture.format());
  EXPECT_NE(shown.copy(tile(24)), picture.copy(tile(24)));
  EXPECT_EQ(shown.copy(tile(44)), picture.copy(tile(44)));
  EXPECT_EQ(board().picture().toImage(), picture);

  QTest::qWait(1600);
  EXPECT_TRUE(hint->isVisible()) << "the outline stays until a step or a key";
  key(Qt::Key_Shift, Qt::NoModifier);
  EXPECT_FALSE(hint->isVisible()) << "a key takes the hint away";
  click("BThint");
  ASSERT_TRUE(waitFor([&] { return hint->isVisible(); }));
  key(Qt::Key_6);
  EXPECT_FALSE(hint->isVisible()) << "the next step takes the hint away";
  {
    DialogScript none;  // a name prompt would be reported and closed
    keys("66");
  }
  EXPECT_EQ(caption("BTgoalValue"), "1/1");
  EXPECT_EQ(status(), "solved with help: no record");
}

TEST_F(SolverHelpTest, SolveStopsAtAKeyOrABoardClickAndPlaysOnToTheEndWithoutARecord) {
  // The man at 11 walks four cells to the box on 16 and pushes it twice onto the goal on 18.
  const RoomText corridor{{"##########", "#@    $ .#", "##########"}, "", "", {}};
  writeFile("default.hou", houseFile("Corridor", {corridor}));
  FRMain& w = start();
  click("BTsolve");
  ASSERT_TRUE(waitFor([&] { return moves() >= 1; }));
  EXPECT_EQ(status(), QStringLiteral("playing a solution with the fewest pushes: step %1 of 6").arg(moves()));
  const int atKey = man();
  key(Qt::Key_4);  // stops the play and does not step
  QTest::qWait(3 * 125);
  EXPECT_EQ(man(), atKey);
  EXPECT_EQ(status(), QStringLiteral("stopped at step %1 of 6").arg(moves()));

  click("BTsolve");  // from where the man stands
  ASSERT_TRUE(waitFor([&] { return man() > atKey; }));
  QTest::mousePress(&board(), Qt::LeftButton, {}, tile(55).center());
  const int atClick = moves();
  QTest::qWait(3 * 125);
  EXPECT_EQ(moves(), atClick);

  {
    DialogScript none;
    click("BTsolve");
    ASSERT_TRUE(waitFor([&] { return status() == "solved with help: no record"; })) << status().toStdString();
  }
  EXPECT_EQ(w.state().counters.moveHistory, "rrrrRR");
  EXPECT_EQ(caption("BTmoveValue"), "6");
  click("BTmoinsMove");  // the solver's steps are the player's to take back
  EXPECT_EQ(caption("BTgoalValue"), "0/1");
}

TEST_F(SolverHelpTest, ADoubleClickedRecordReplaysOnTheGamePageAndABrokenOneStopsAtItsStep) {
  RoomText records = kRecordRoom;  // "rD" and "durD" solve it
  records.records.push_back({"Cy", "2", "00:03", "rd"});
  RoomText last = kShortRoom;
  last.records.push_back({"Di", "2", "00:02", "RR"});
  writeFile("default.hou", houseFile("Replays", {kPushRoom, records, last}));
  FRMain& w = start();
  clickMainTab(2);
  QTest::mouseClick(find(QStringLiteral("PICpreview1")), Qt::LeftButton);
  {
    DialogScript none;
    doubleClickRecord(1);
    EXPECT_TRUE(shown(QStringLiteral("Onglet1")));
    EXPECT_EQ(caption("BTnumPiece"), "2/3");
    ASSERT_TRUE(waitFor([&] { return status() == "solved with help: no record"; })) << status().toStdString();
  }
  EXPECT_EQ(w.state().counters.moveHistory, "durD");
  EXPECT_EQ(w.state().house.rooms[1].recordCount(), 3u);

  // "rd": the second letter walks where the man pushes the box; it is not played.
  clickMainTab(2);
  doubleClickRecord(2);
  QMessageBox* box = shownMessage();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->text(), "This record does not solve the room: step 2 'd' pushes a box.");
  EXPECT_EQ(w.state().counters.moveHistory, "r");
  box->close();

  // Room 3's records, listed, then the room taken off the house in the editor.
  clickMainTab(2);
  QTest::mouseClick(find(QStringLiteral("PICpreview2")), Qt::LeftButton);
  clickMainTab(3);
  QTest::mouseClick(button(QStringLiteral("BTeditMoins")), Qt::RightButton);
  ASSERT_EQ(w.state().house.roomCount, 2);
  clickMainTab(2);
  doubleClickRecord(0);
  box = shownMessage();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->text(), "Room 3 is no longer in the house: its records cannot be replayed.");
  EXPECT_TRUE(shown(QStringLiteral("Onglet2")));
  box->close();
}

// With the exact search held to a few positions, the fast one answers, and every answer says it
// may not be the fewest; the solution played still completes the room.
TEST_F(SolverHelpTest, AnAnswerOfTheFastSearchSaysItMayNotBeTheFewest) {
  budget.emplace();
  budget->exact.positions = 2;
  budget->fast.positions = 10000;
  start();
  click("BThint");
  ASSERT_TRUE(waitFor([&] { return status().startsWith(QStringLiteral("next push")); })) << status().toStdString();
  EXPECT_EQ(status(), "next push: right (a solution of 2 pushes, not the fewest)");

  click("BTsolve");
  ASSERT_TRUE(waitFor([&] { return status().startsWith(QStringLiteral("playing")); })) << status().toStdString();
  EXPECT_TRUE(status().startsWith(QStringLiteral("playing a solution of 2 pushes (not the fewest): ")))
      << status().toStdString();
  ASSERT_TRUE(waitFor([&] { return moves() >= 1; }));
  EXPECT_EQ(status(), QStringLiteral("playing a solution of 2 pushes (not the fewest): step %1 of 3").arg(moves()));
  ASSERT_TRUE(waitFor([&] { return caption("BTgoalValue") == "1/1"; }));

  budget->fast.positions = 2;
  start();
  click("BThint");
  ASSERT_TRUE(waitFor([&] { return status().startsWith(QStringLiteral("no solution")); })) << status().toStdString();
  EXPECT_EQ(status(), "no solution found within 2 positions");

  // The room check likewise: the exact search stops, the fast one answers.
  budget->fast.positions = 10000;
  start();
  clickMainTab(3);
  click("BTcheck");
  ASSERT_TRUE(waitFor([&] { return text("editStatus").contains(QStringLiteral("solvable")); }))
      << text("editStatus").toStdString();
  EXPECT_EQ(text("editStatus"),
            "1 man, 1 box, 1 goal, closed: solvable: a solution of 2 pushes, 3 moves found; the fewest is not known");
}

// The man at 11 behind the wall of column 3; a box on 26 and its goal on 18 out of his way.
const RoomText kWallRoom{{"##########", "#@ #    .#", "#  #  $  #", "#        #", "##########"}, "", "", {}};

// A key stops a walk under way as it stops "Solve": the solver help test checks that.
TEST_F(SolverHelpTest, AClickWalksTheManStepByStepANewClickSetsOffFromWhereHeStandsAndTheRightButtonUndoes) {
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

TEST_F(SolverHelpTest, AChosenBoxIsPushedRoundACornerAndItsCompletionRecordsAndEndsThePushes) {
  // The box on 44 goes up the passage and left along the top row to 11, over its goal on 13.
  const RoomText corner{
      {"#######---", "#  .  #---", "####  #---", "####  #---", "####$ #---", "####@ #---", "#######---"}, "", "", {}};
  writeFile("default.hou", houseFile("Corner", {corner}));
  FRMain& w = start();
  const QImage picture = board().picture().toImage();
  clickCell(44);
  ASSERT_TRUE(selection().isVisible());
  // Outlined over the tiles: the board's own picture and its cells stay as they were.
  const QImage shown = board().grab().toImage().convertToFormat(picture.format());
  EXPECT_NE(shown.copy(tile(44)), picture.copy(tile(44)));
  for (int next : {34, 43, 45, 54}) EXPECT_EQ(shown.copy(tile(next)), picture.copy(tile(next))) << next;
  EXPECT_EQ(board().picture().toImage(), picture);

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
  EXPECT_EQ(records(stored), Texts{"Mo|6|00:00|UUUruL"});
}

}  // namespace
}  // namespace tarvo::test
