// The player's progress on the real window: a solve kept at once and shown on the previews, the
// line above the board and the chooser after the window was closed unsaved; brought back as a
// record that replays; a game left unfinished taken up again; pasted steps played as help; and
// a store that cannot be used said once on the line above the board.
#include <QClipboard>
#include <QDir>
#include <QInputDialog>
#include <QKeyEvent>
#include <QTreeView>

#include "house/house_reader.h"
#include "platform/solved_mark.h"
#include "rules/replay.h"
#include "window/collection_chooser.h"
#include "window/player_progress.h"
#include "window_harness.h"

namespace tarvo::test {
namespace {

class ProgressTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    // Room 1 is solved by "66"; room 2 takes longer.
    writeFile("default.hou", houseFile("Kept", {kShortRoom, kPushRoom}));
    progressFile = path("data/progress.sqlite3");
  }

  // The window on the house, its store open.
  void open() {
    start();
    ASSERT_TRUE(waitFor([&] { return window->progress().isOpen(); }));
  }

  // Plays the keys; a completion's prompt gets the name.
  void solve(const std::string& keys, const QString& name) {
    answering<QInputDialog>(
        [name](QInputDialog* prompt) {
          prompt->setTextValue(name);
          prompt->accept();
        },
        [&] { this->keys(keys); });
  }

  bool marked(int slot) const {
    return picture(QStringLiteral("PICpreview%1").arg(slot)).findChild<SolvedMark*>()->isVisibleTo(window.get());
  }
  QString tip(int slot) const { return picture(QStringLiteral("PICpreview%1").arg(slot)).toolTip(); }
  QTreeView* records() const { return find<QTreeView>(QStringLiteral("LVrecord")); }
  void listRoom(int slot) {
    clickMainTab(2);
    QTest::mouseClick(&picture(QStringLiteral("PICpreview%1").arg(slot)), Qt::LeftButton);
  }
};

TEST_F(ProgressTest, ASolveClosedUnsavedIsMarkedAndComesBackAsARecordThatReplaysItsRoom) {
  open();
  clockMs += 3000;
  solve("66", QStringLiteral("Ann"));
  ASSERT_EQ(window->state().house.rooms[0].recordCount(), 1u);
  window.reset();  // closed without "Save to disk": the house file holds no record

  open();
  EXPECT_EQ(text("LBstatus"), "solved before: best 2 moves, 2 pushes");
  keys("6");
  EXPECT_EQ(text("LBstatus"), "") << "until the first step";
  clickMainTab(2);
  EXPECT_TRUE(marked(0));
  EXPECT_FALSE(marked(1));
  EXPECT_EQ(tip(0), "solved once; best 2 moves, 2 pushes, 00:03");
  EXPECT_EQ(tip(1), "");

  listRoom(0);
  ASSERT_EQ(records()->model()->rowCount(), 0);
  records()->setFocus();
  QTest::keyClick(records(), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_EQ(records()->model()->rowCount(), 1);
  EXPECT_EQ(records()->model()->index(0, 0).data().toString(), "Ann");
  EXPECT_EQ(text("roomStatus"), "1 solution of yours added");
  QTest::keyClick(records(), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(records()->model()->rowCount(), 1) << "a solution the room holds is not added twice";
  EXPECT_EQ(text("roomStatus"), "no solution of yours to add");

  // Ctrl+C on the record: its steps.
  records()->setCurrentIndex(records()->model()->index(0, 0));
  QTest::keyClick(records(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "RR");
  EXPECT_EQ(text("roomStatus"), "the record's 2 steps copied");

  answering<QFileDialog>(chooseFile(path("kept.hou"), "SAVE A HOUSE"), [&] { click("BTsaveDisk"); });
  HouseRecord read;
  ASSERT_TRUE(readHouseFile(path("kept.hou").toStdString(), read).ok());
  const RoomRecord& room = read.rooms[0];
  ASSERT_EQ(room.recordCount(), 1u);
  EXPECT_EQ((*room.records)[0].name, "Ann");
  EXPECT_EQ((*room.records)[0].moves, "2");
  EXPECT_EQ((*room.records)[0].time, "00:03");
  EXPECT_FALSE(replayProblem(room, std::string((*room.records)[0].solution)));
}

TEST_F(ProgressTest, OnlyASolveWithoutHelpIsKeptAndACollectionsChooserMarksTheSameRoomCentred) {
  writeFile("default.hou", houseFile("Kept", {kShortRoom, kRecordRoom}));
  open();
  // Solved after the hint's help, and by a record's replay: nothing kept.
  click(QStringLiteral("BThint"));
  EXPECT_TRUE(waitFor([&] { return text("LBstatus").startsWith("next push"); }));
  keys("66");
  EXPECT_EQ(text("LBstatus"), "solved with help: no record");
  listRoom(1);
  records()->setFocus();
  records()->setCurrentIndex(records()->model()->index(0, 0));
  QTest::keyClick(records(), Qt::Key_Return);  // replays the record
  EXPECT_TRUE(waitFor([&] { return text("LBstatus") == "solved with help: no record"; }));
  clickMainTab(2);
  EXPECT_FALSE(marked(0));
  EXPECT_FALSE(marked(1));
  clickMainTab(1);
  click(QStringLiteral("BTmoins"));
  solve("66", QStringLiteral("Bo"));
  clickMainTab(2);
  EXPECT_TRUE(marked(0));
  EXPECT_FALSE(marked(1));

  // The same room in a collection of more rooms than a house holds, centred there.
  QByteArray rooms;
  for (int k = 0; k < 17; ++k) rooms += k == 5 ? "######\n#@$ .#\n######\n\n" : "#####\n#@$.#\n#####\n\n";
  writeFile("rooms.txt", rooms);
  QStringList solved;
  DialogScript script;
  script.then<QMessageBox>([](QMessageBox* question) {  // Bo's record is not saved
    for (QAbstractButton* answer : question->buttons()) {
      if (answer->text() == QStringLiteral("Open")) answer->click();
    }
  });
  script.then<CollectionChooser>([&](CollectionChooser* chooser) {
    QAbstractItemModel* model = chooser->findChild<QTreeView*>()->model();
    const int column = 5;
    EXPECT_EQ(model->headerData(column, Qt::Horizontal).toString(), "Solved");
    for (int row = 0; row < model->rowCount(); ++row) {
      if (!model->index(row, column).data(Qt::DecorationRole).value<QPixmap>().isNull()) {
        solved << QString::number(row) + ": " + model->index(row, column).data(Qt::ToolTipRole).toString();
      }
    }
    chooser->reject();
  });
  EXPECT_TRUE(dropFile(QStringLiteral("rooms.txt")));
  EXPECT_TRUE(waitFor([&] { return script.finished(); }));
  EXPECT_EQ(solved, QStringList{"5: solved once; best 2 moves, 2 pushes, 00:00"});
}

TEST_F(ProgressTest, AGameLeftUnfinishedIsOfferedAndGoesOnWithItsStepsAndTime) {
  open();
  key(Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(text("LBstatus"), "no unfinished game of this room");
  clickMainTab(1);
  click(QStringLiteral("BTplus"));  // room 2: "r R R" solves it
  key(Qt::Key_6);
  clockMs += 40'000;
  const int man = this->man();
  click(QStringLiteral("BTmoins"));
  click(QStringLiteral("BTplus"));
  EXPECT_EQ(text("LBstatus"), "an unfinished game of 1 move: Ctrl+Shift+R to go on");
  EXPECT_EQ(moves(), 0) << "without the key nothing changes";
  // Two steps of a new game, then the key: the game left goes on.
  keys("24");
  clockMs += 5'000;
  key(Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(moves(), 1);
  EXPECT_EQ(this->man(), man);
  EXPECT_EQ(text("LBstatus"), "the unfinished game goes on after 1 move");
  clockMs += 2'000;
  solve("66", QStringLiteral("Cy"));
  const RoomRecord& room = window->state().house.rooms[1];
  ASSERT_EQ(room.recordCount(), 1u);
  EXPECT_EQ((*room.records)[0].solution, "rRR") << "all its steps";
  EXPECT_EQ((*room.records)[0].time, "00:42") << "the first part's 40 s and 2 s since the key";
  click(QStringLiteral("BTrecommence"));
  EXPECT_EQ(text("LBstatus"), "solved before: best 3 moves, 2 pushes") << "a solved game is offered no more";

  // Left in one run, offered at the start of the next, where the room starts: four steps are
  // written at once (fewer would wait for a moment the window does not give them).
  keys("6464");
  window.reset();
  writeFile("default.hou", houseFile("Kept", {kPushRoom}));
  open();
  EXPECT_TRUE(waitFor([&] { return text("LBstatus").contains("an unfinished game of 4 moves"); }))
      << text("LBstatus").toStdString();
  EXPECT_EQ(text("LBstatus"),
            "solved before: best 3 moves, 2 pushes; an unfinished game of 4 moves: Ctrl+Shift+R to go on");
}

// The game keeps the player's progress in the data folder unless TARVO_NO_PROGRESS=1.
TEST(ProgressFile, IsInTheDataFolderUnlessTurnedOff) {
  const QByteArray before = qgetenv("TARVO_NO_PROGRESS");
  for (const char* value : {"1", "0", "", "yes"}) {
    qputenv("TARVO_NO_PROGRESS", value);
    const QString file = PlayerProgress::defaultFile();
    if (QByteArray(value) == "1") {
      EXPECT_TRUE(file.isEmpty()) << value;
    } else {
      EXPECT_TRUE(file.startsWith(qEnvironmentVariable("XDG_DATA_HOME") + "/")) << value << file.toStdString();
      EXPECT_TRUE(file.endsWith(QStringLiteral("/progress.sqlite3"))) << value;
    }
  }
  qputenv("TARVO_NO_PROGRESS", before);
}

TEST_F(ProgressTest, PastedStepsPlayFromTheRoomsStartAsHelpAndAStoreThatCannotBeUsedIsSaidOnce) {
  QDir().mkpath(path("data"));
  writeFile("data/progress.sqlite3", QByteArray(4096, '\x17'));
  open();
  EXPECT_TRUE(
      text("LBstatus").startsWith("your progress file was damaged: it is set aside as progress.sqlite3.damaged-"))
      << text("LBstatus").toStdString();

  key(Qt::Key_6);
  QApplication::clipboard()->setText(QStringLiteral("R R\n"));
  key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_TRUE(waitFor([&] { return window->state().counters.moveCount == 2; }));
  EXPECT_TRUE(waitFor([&] { return text("LBstatus") == "solved with help: no record"; }));
  EXPECT_EQ(window->state().house.rooms[0].recordCount(), 0u);
  clickMainTab(2);
  EXPECT_FALSE(marked(0));
  clickMainTab(1);
  QApplication::clipboard()->setText(QStringLiteral("rX"));
  key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(text("LBstatus"), "the clipboard holds no steps: only u, d, l and r (capitals for pushes)");
  window.reset();

  // A folder that cannot hold the store: the game plays on without it.
  progressFile = path("default.hou/progress.sqlite3");
  start();
  EXPECT_TRUE(waitFor([&] { return text("LBstatus").startsWith("your progress is not kept: "); }));
  solve("66", QStringLiteral("Di"));
  EXPECT_EQ(window->state().house.rooms[0].recordCount(), 1u);
}

}  // namespace
}  // namespace tarvo::test
