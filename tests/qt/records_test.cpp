// Completion and its record, and the records listed under the previews.
#include "window_harness.h"

#include <QElapsedTimer>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QScrollBar>
#include <QTreeView>

#include "room_builder.h"

namespace tarvo::test {
namespace {

QStringList row(const QTreeView& list, int index) {
  const QAbstractItemModel& model = *list.model();
  QStringList texts;
  for (int column = 0; column < 3; ++column) texts << model.index(index, column).data().toString();
  return texts;
}

TEST_F(WindowTest, CompletingARoomRecordsTimeSolutionMovesAndTheNameTyped) {
  FRMain& w = start();
  const RoomRecord& stored = w.state().house.rooms[0];
  clockMs += 65'000;
  keys("66");
  {
    DialogScript script;
    script.then<QInputDialog>([&](QInputDialog* prompt) {
      EXPECT_EQ(prompt->windowTitle(), "It's a new record");
      EXPECT_GE(prompt->width(), titleWidth(prompt->windowTitle())) << "the whole title shows";
      // What is typed into the prompt is the player's name, not the man's steps.
      auto* edit = prompt->findChild<QLineEdit*>();
      QTest::keyClicks(edit, "Zoe");
      QTest::keyClick(edit, Qt::Key_4, Qt::KeypadModifier);
      QTest::keyClick(edit, Qt::Key_Backspace);
      EXPECT_EQ(prompt->textValue(), "Zoe");
      EXPECT_EQ(man(), 25);
      QTest::keyClick(edit, Qt::Key_Return);
    });
    key(Qt::Key_6);  // the last push covers the goal
  }
  EXPECT_EQ(records(stored), Texts{"Zoe|3|01:05|rRR"});
  EXPECT_EQ(caption("BTgoalValue"), "1/1");

  // A restart keeps the records and the clock starts again; a cancelled prompt records an
  // empty name after the first.
  click("BTrecommence");
  clockMs += 7'000;
  tick();
  EXPECT_EQ(caption("BTtimeValue"), "00:07");
  answering<QInputDialog>(reject, [&] { keys("666"); });
  EXPECT_EQ(records(stored), (Texts{"Zoe|3|01:05|rRR", "|3|00:07|rRR"}));
}

TEST_F(WindowTest, APreviewClickListsThatRoomsRecordsAtOnceWhateverTheirNumber) {
  RoomText many = kShortRoom;
  for (int k = 0; k < 100'000; ++k) many.records.push_back("Player " + std::to_string(k) + "\t123\t01:02\tr\t");
  writeFile("default.hou", houseFile("Many", {kPushRoom, kRecordRoom, many}));
  start();
  clickMainTab(2);
  auto& list = *find<QTreeView>(QStringLiteral("LVrecord"));
  const QAbstractItemModel& model = *list.model();
  QTest::mouseClick(find(QStringLiteral("PICpreview1")), Qt::RightButton);  // any button will do
  ASSERT_EQ(model.rowCount(), 2);
  EXPECT_EQ(row(list, 1), (QStringList{"Bob", "4", "00:12"}));
  EXPECT_EQ(caption("BTnumPiece"), "1/3");  // the click starts no room
  QTest::qWait(20);
  EXPECT_FALSE(list.horizontalScrollBar()->isVisible()) << "the three columns fit";
  EXPECT_GE(list.header()->sectionSize(1), list.fontMetrics().horizontalAdvance(QStringLiteral("123")));

  QElapsedTimer timer;
  timer.start();
  QTest::mouseClick(find(QStringLiteral("PICpreview2")), Qt::LeftButton);
  QTest::qWait(0);  // the list lays out and paints its rows
  EXPECT_LT(timer.elapsed(), 200) << "100,000 records listed";
  EXPECT_EQ(model.rowCount(), 100'000);
  EXPECT_EQ(row(list, 99'999), (QStringList{"Player 99999", "123", "01:02"}));

  QTest::mouseClick(find(QStringLiteral("PICpreview5")), Qt::LeftButton);  // a slot past the house's rooms
  EXPECT_EQ(model.rowCount(), 0);
}

}  // namespace
}  // namespace tarvo::test
