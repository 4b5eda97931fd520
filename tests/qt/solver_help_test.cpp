// Help from the solver on the real widgets: a hint over the board, the solution played and
// stopped, and a record replayed from the record list; none of them makes a record.
#include <QLabel>
#include <QTreeView>

#include "window_harness.h"

namespace tarvo::test {
namespace {

class SolverHelpTest : public WindowTest {
 protected:
  QString status() const { return find<QLabel>(QStringLiteral("LBstatus"))->text(); }

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
  FRMain& w = start();
  const CellArray cells = w.state().curRoom.cells;
  const QImage picture = board().picture().toImage();
  click("BThint");
  QWidget* hint = find(QStringLiteral("PIChint"));
  ASSERT_TRUE(waitFor([&] { return hint->isVisible(); }));
  EXPECT_EQ(status(), "next push: right (2 to go)");
  // Drawn over the box on 24 only: the board's own picture and cells are untouched.
  const QImage shown = board().grab().toImage().convertToFormat(picture.format());
  EXPECT_NE(shown.copy(tile(24)), picture.copy(tile(24)));
  EXPECT_EQ(shown.copy(tile(44)), picture.copy(tile(44)));
  EXPECT_EQ(board().picture().toImage(), picture);
  EXPECT_TRUE(w.state().curRoom.cells == cells);

  key(Qt::Key_6);
  EXPECT_FALSE(hint->isVisible()) << "the next step takes the hint away";
  {
    DialogScript none;  // a name prompt would be reported and closed
    keys("66");
  }
  EXPECT_EQ(caption("BTgoalValue"), "1/1");
  EXPECT_EQ(status(), "solved with help: no record");
  EXPECT_TRUE(w.state().house.rooms[0].records->empty());
}

TEST_F(SolverHelpTest, SolveStopsAtAKeyOrABoardClickAndPlaysOnToTheEndWithoutARecord) {
  // The man at 11 walks four cells to the box on 16 and pushes it twice onto the goal on 18.
  const RoomText corridor{{"##########", "#@    $ .#", "##########"}, "", "", {}};
  writeFile("default.hou", houseFile("Corridor", {corridor}));
  FRMain& w = start();
  click("BTsolve");
  ASSERT_TRUE(waitFor([&] { return moves() >= 1; }));
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
  EXPECT_TRUE(w.state().house.rooms[0].records->empty());
  click("BTmoinsMove");  // the solver's steps are the player's to take back
  EXPECT_EQ(caption("BTgoalValue"), "0/1");
}

TEST_F(SolverHelpTest, ADoubleClickedRecordReplaysOnTheGamePageAndABrokenOneStopsAtItsStep) {
  RoomText records = kRecordRoom;  // "rD" and "durD" solve it
  records.records.push_back("Cy\t2\t00:03\trd\t");
  RoomText last = kShortRoom;
  last.records.push_back("Di\t2\t00:02\tRR\t");
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
  FRMain& w = start();
  click("BThint");
  ASSERT_TRUE(waitFor([&] { return status().startsWith(QStringLiteral("next push")); })) << status().toStdString();
  EXPECT_EQ(status(), "next push: right (a solution of 2 pushes, not the fewest)");

  click("BTsolve");
  ASSERT_TRUE(waitFor([&] { return status().startsWith(QStringLiteral("playing")); })) << status().toStdString();
  EXPECT_TRUE(status().startsWith(QStringLiteral("playing a solution of 2 pushes (not the fewest): ")))
      << status().toStdString();
  ASSERT_TRUE(waitFor([&] { return caption("BTgoalValue") == "1/1"; }));
  EXPECT_TRUE(w.state().house.rooms[0].records->empty());

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
  auto* check = find<QLabel>(QStringLiteral("editStatus"));
  ASSERT_TRUE(waitFor([&] { return check->text().contains(QStringLiteral("solvable")); }))
      << check->text().toStdString();
  EXPECT_EQ(check->text(),
            "1 man, 1 box, 1 goal, closed: solvable: a solution of 2 pushes, 3 moves found; the fewest is not known");
}

}  // namespace
}  // namespace tarvo::test
