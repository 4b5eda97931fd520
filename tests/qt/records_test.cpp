// Completion and its record, changing room, and the records listed under the previews.
#include "window_harness.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QTreeWidget>

namespace tarvo::test {
namespace {

using Texts = std::vector<std::string>;

QStringList row(const QTreeWidget& list, int index) {
  const QTreeWidgetItem* item = list.topLevelItem(index);
  return item == nullptr ? QStringList() : QStringList{item->text(0), item->text(1), item->text(2)};
}

TEST_F(WindowTest, CompletingARoomRecordsTimeSolutionMovesAndTheNameTyped) {
  FRMain& w = start();
  const RoomRecord& stored = w.state().house.rooms[0];
  clockMs += 65'000;
  key(Qt::Key_6);
  key(Qt::Key_6);
  {
    DialogScript script;
    script.then<QInputDialog>([&](QInputDialog* prompt) {
      EXPECT_EQ(prompt->windowTitle(), "It's a new record");
      EXPECT_EQ(prompt->labelText(), "Enter Your Name");
      EXPECT_EQ(prompt->textValue(), "");
      // Time, solution and moves are in before the name is asked.
      EXPECT_EQ(*stored.recTimes, Texts{"01:05"});
      EXPECT_TRUE(stored.recNames->empty());
      // What is typed into the prompt is the player's name, not the man's steps.
      auto* edit = prompt->findChild<QLineEdit*>();
      QTest::keyClicks(edit, "Zoe");
      QTest::keyClick(edit, Qt::Key_4, Qt::KeypadModifier);
      QTest::keyClick(edit, Qt::Key_Left);
      QTest::keyClick(edit, Qt::Key_Delete);
      EXPECT_EQ(prompt->textValue(), "Zoe");
      EXPECT_EQ(man(), 25);
      QTest::keyClick(edit, Qt::Key_Return);
    });
    key(Qt::Key_6);  // the last push covers the goal
  }
  EXPECT_EQ(*stored.recNames, Texts{"Zoe"});
  EXPECT_EQ(*stored.recMoves, Texts{"3"});
  EXPECT_EQ(*stored.recSolutions, Texts{"rRR"});
  EXPECT_EQ(*stored.recTimes, Texts{"01:05"});
  EXPECT_EQ(caption(w.game->BTgoalValue), "1/1");

  // Play goes on; steps that leave the goal covered make no further record.
  {
    DialogScript none;
    key(Qt::Key_4);
    key(Qt::Key_6);  // blocked by the wall behind the box
  }
  EXPECT_EQ(man(), 25);
  EXPECT_EQ(stored.recNames->size(), 1u);

  // A restart keeps the records; a second completion with the prompt cancelled adds one with
  // an empty name after the first.
  click(w.game->BTrecommence);
  EXPECT_EQ(man(), 22);
  EXPECT_EQ(caption(w.game->BTmoveValue), "0");
  clockMs += 7'000;
  w.TimerMain_Timer();
  EXPECT_EQ(caption(w.game->BTtimeValue), "00:07");
  {
    DialogScript script;
    script.then<QInputDialog>([](QInputDialog* prompt) { prompt->reject(); });
    for (int k = 0; k < 3; ++k) key(Qt::Key_6);
  }
  EXPECT_EQ(*stored.recNames, (Texts{"Zoe", ""}));
  EXPECT_EQ(*stored.recTimes, (Texts{"01:05", "00:07"}));
  EXPECT_EQ(*stored.recSolutions, (Texts{"rRR", "rRR"}));

  clickMainTab(2);
  QTest::mouseClick(w.roomPage->PICpreview[0], Qt::LeftButton);
  QTreeWidget& list = *w.roomPage->LVrecord;
  ASSERT_EQ(list.topLevelItemCount(), 2);
  EXPECT_EQ(row(list, 0), (QStringList{"Zoe", "3", "01:05"}));
  EXPECT_EQ(row(list, 1), (QStringList{"", "3", "00:07"}));
}

TEST_F(WindowTest, NextAndPreviousWrapAroundAndStartTheRoomAfresh) {
  FRMain& w = start();
  const HouseRecord& house = w.state().house;
  key(Qt::Key_6);
  const std::pair<QPushButton*, int> presses[] = {
      {w.game->BTplus, 2}, {w.game->BTplus, 3}, {w.game->BTplus, 1}, {w.game->BTmoins, 3}, {w.game->BTmoins, 2}};
  for (auto [button, room] : presses) {
    click(button);
    EXPECT_EQ(caption(w.game->BTnumPiece), QStringLiteral("%1/3").arg(room));
    EXPECT_EQ(caption(w.option->edit->BTeditNum), QString::number(room));
    EXPECT_EQ(house.currentRoom, room);
    const RoomRecord& stored = house.rooms[static_cast<std::size_t>(room - 1)];
    EXPECT_EQ(man(), stored.man);
    EXPECT_EQ(w.state().curRoom.goals, stored.goals);  // a copy of that room, sharing its lists
    EXPECT_EQ(caption(w.game->BTmoveValue), "0");
  }
  EXPECT_EQ(caption(w.game->BTgoalValue), "0/1");
}

TEST_F(WindowTest, APreviewClickListsThatRoomsRecords) {
  FRMain& w = start();
  clickMainTab(2);
  QTreeWidget& list = *w.roomPage->LVrecord;
  ASSERT_EQ(list.columnCount(), 3);
  const QTreeWidgetItem* header = list.headerItem();
  EXPECT_EQ((QStringList{header->text(0), header->text(1), header->text(2)}), (QStringList{"Name", "Move", "Time"}));

  QTest::mouseClick(w.roomPage->PICpreview[1], Qt::RightButton);  // any button will do
  ASSERT_EQ(list.topLevelItemCount(), 2);
  EXPECT_EQ(row(list, 0), (QStringList{"Ann", "2", "00:07"}));
  EXPECT_EQ(row(list, 1), (QStringList{"Bob", "4", "00:12"}));
  EXPECT_EQ(caption(w.game->BTnumPiece), "1/3");  // the click starts no room

  QTest::mouseClick(w.roomPage->PICpreview[5], Qt::LeftButton);  // a slot past the house's rooms
  EXPECT_EQ(list.topLevelItemCount(), 0);
}

}  // namespace
}  // namespace tarvo::test
