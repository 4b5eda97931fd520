// Room collections through the window: the chooser, a small collection opened at once, the
// save as a collection, the clipboard on the "Game" and "Edit" pages, and a dropped file.
#include "window_harness.h"

#include <QClipboard>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QTreeView>
#include <QUrl>

#include "window/collection_chooser.h"

#include <tuple>

namespace tarvo::test {
namespace {

// Twenty closed rooms titled "R 1" to "R 20"; "R 2" has three boxes for two goals and "R 3" is open.
QByteArray twentyRooms() {
  std::string text = "; Twenty rooms\nAuthor: a test\n\n";
  for (int k = 1; k <= 20; ++k) {
    text += "; R " + std::to_string(k) + "\n";
    text += k == 2 ? "7#\n#@$$*.#\n7#\n\n" : k == 3 ? "#@$.#\n\n" : "5#\n#@$.#\n5#\n\n";
  }
  return QByteArray::fromStdString(text);
}

TEST_F(WindowTest, ACollectionOfTwentyRoomsIsChosenFromAndSavedAsACollection) {
  writeFile(QStringLiteral("twenty\u2713.txt"), twentyRooms());
  FRMain& w = start();
  DialogScript script;
  script.then<QFileDialog>(chooseFile(path(QStringLiteral("twenty\u2713.txt")), "CHOOSE A HOUSE"))
      .then<CollectionChooser>([](CollectionChooser* chooser) {
        QAbstractItemModel* model = chooser->findChild<QTreeView*>(QStringLiteral("LVrooms"))->model();
        ASSERT_EQ(model->rowCount(), 20);
        auto ticked = [model](int row) { return model->index(row, 0).data(Qt::CheckStateRole); };
        // The first sixteen that can be taken: the open room is skipped and cannot be ticked.
        EXPECT_EQ(chooser->tickedRooms().size(), 16u);
        // Every row keeps its tick, so the titles line up; the open room's cannot be ticked.
        EXPECT_EQ(ticked(2).toInt(), Qt::Unchecked);
        EXPECT_FALSE(model->flags(model->index(2, 0)) & Qt::ItemIsEnabled);
        EXPECT_FALSE(model->setData(model->index(2, 0), Qt::Checked, Qt::CheckStateRole));
        EXPECT_EQ(model->index(2, 1).data().toString(), "R 3");
        const QStringList sizeBoxesGoals{model->index(1, 2).data().toString(), model->index(1, 3).data().toString(),
                                         model->index(1, 4).data().toString()};
        EXPECT_EQ(sizeBoxesGoals, (QStringList{"7 x 3", "3", "2"}));
        EXPECT_EQ(model->index(2, 6).data().toString(), "open");
        EXPECT_EQ(ticked(16).toInt(), Qt::Checked);
        EXPECT_EQ(ticked(17).toInt(), Qt::Unchecked);
        EXPECT_FALSE(model->index(0, 1).data(Qt::DecorationRole).value<QPixmap>().isNull());
        EXPECT_FALSE(model->setData(model->index(17, 0), Qt::Checked, Qt::CheckStateRole)) << "a seventeenth";
        EXPECT_TRUE(model->setData(model->index(0, 0), Qt::Unchecked, Qt::CheckStateRole));
        EXPECT_EQ(chooser->findChild<QLabel*>(QStringLiteral("LBticked"))->text(),
                  "Tick the rooms of the new house, at most 16: 15 ticked.");
        EXPECT_EQ(model->headerData(6, Qt::Horizontal).toString(), "Cannot be taken");
        EXPECT_TRUE(model->setData(model->index(19, 0), Qt::Checked, Qt::CheckStateRole));
        EXPECT_EQ(chooser->findChild<QLabel*>(QStringLiteral("LBticked"))->text(),
                  "Tick the rooms of the new house, at most 16: 16 ticked.");
        chooser->findChild<QPushButton*>(QStringLiteral("BTok"))->click();
      });
  click("BTchoisiHouse");
  ASSERT_TRUE(waitFor([&] { return script.finished(); }));

  // The ticked rooms in list order: "R 2" first. The name keeps what a house file can hold.
  EXPECT_EQ(caption("BTchoisiHouse"), "House: twenty_");
  EXPECT_EQ(caption("BTnumPiece"), "1/16");
  EXPECT_EQ(w.state().curRoom.goals->size(), 2u);

  clickMainTab(2);
  answering<QFileDialog>(chooseFile(path("saved.txt"), "SAVE A HOUSE"), [&] { click("BTsaveDisk"); });
  EXPECT_EQ(readFile("saved.txt").left(44), "; twenty_\n\n; Room 1\n#######\n#@$$*.#\n#######\n");

  // A name without an extension is written as the file type chosen says, and keeps its name.
  for (const auto& [filterNumber, fileName, start] :
       {std::tuple{1, "t1", "; twenty_\n"}, std::tuple{0, "t2", "HOUSE FILE"}}) {
    const int filter = filterNumber;
    const QString name = QString::fromLatin1(fileName);
    answering<QFileDialog>(
        [&](QFileDialog* dialog) {
          dialog->selectNameFilter(dialog->nameFilters().value(filter));
          chooseFile(path(name), "SAVE A HOUSE")(dialog);
        },
        [&] { click("BTsaveDisk"); });
    EXPECT_TRUE(readFile(name).startsWith(start)) << fileName;
  }
}

TEST_F(WindowTest, ASmallCollectionOpensAtOnceAndADroppedFileOpens) {
  writeFile("three.txt", "5#|#@$.#|5#||5#|#.$@#|5#||4#|#@*#|4#");
  writeFile("other.hou", houseFile("Other House", {kShortRoom, kPushRoom}));
  FRMain::Options options;
  options.programFolder = folder.path();
  options.houseFile = path("three.txt");
  window = std::make_unique<FRMain>(std::move(options));
  window->show();
  EXPECT_EQ(caption("BTchoisiHouse"), "House: three");
  EXPECT_EQ(caption("BTnumPiece"), "1/3");

  // Files of other names are read for what they hold: a house, rooms, or neither.
  writeFile("picture.png", "\x89PNG\r\n\x1a\n");
  EXPECT_TRUE(dropFile("picture.png"));
  QMessageBox* box = shownMessage();
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->text().contains("it is neither a house file nor a room collection: it holds no room"))
      << box->text().toStdString();
  box->button(QMessageBox::Ok)->click();
  EXPECT_EQ(caption("BTchoisiHouse"), "House: three");
  EXPECT_TRUE(dropFile(""));  // the test's folder
  box = shownMessage();
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->text().contains("is a folder, not a house file nor a room collection")) << box->text().toStdString();
  box->button(QMessageBox::Ok)->click();

  writeFile("house", houseFile("Other House", {kShortRoom, kPushRoom}));
  EXPECT_TRUE(dropFile("house"));
  EXPECT_TRUE(waitFor([&] { return caption("BTchoisiHouse") == "House: Other House"; }));
  EXPECT_EQ(caption("BTnumPiece"), "1/2");
  writeFile("rooms.list", "5#|#@$.#|5#");
  EXPECT_TRUE(dropFile("rooms.list"));
  EXPECT_TRUE(waitFor([&] { return caption("BTchoisiHouse") == "House: rooms"; }));
  EXPECT_TRUE(dropFile("other.hou"));
  EXPECT_TRUE(waitFor([&] { return caption("BTchoisiHouse") == "House: Other House"; }));
}

TEST_F(WindowTest, TheClipboardTakesThePlayedRoomAndGivesTheEditorARoom) {
  FRMain& w = start();
  keys("66");  // a step, then a push
  key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "; Room 1\n#######\n#  @$.#\n#     #\n#######\n");

  clickMainTab(3);
  const RoomRecord stored = w.state().house.rooms[0];
  QApplication::clipboard()->setText("Title: Tiny\r\n5#|#@$.#|5#\r\n");
  key(Qt::Key_V, Qt::ControlModifier);
  const RoomRecord& edited = this->edited();
  EXPECT_EQ(text("editStatus"), "pasted \"Tiny\", 5 x 3");
  EXPECT_EQ(edited.man, 43);
  EXPECT_EQ(edited.cells[44], BOX);
  EXPECT_EQ(*edited.goals, (std::vector<std::int32_t>{45}));
  EXPECT_EQ(w.state().house.rooms[0].cells, stored.cells) << "unsaved until Save";

  QApplication::clipboard()->setText("no room here");
  key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(text("editStatus"), "nothing pasted: the clipboard holds no room");
  key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "; Room 1\n#####\n#@$.#\n#####\n");
}

// A file larger than a few megabytes is read on a thread of its own: the window goes on (a key
// still moves the man), the line above the board says how far the read got, Escape stops it and
// the house in play stays; a read left to its end replaces the house as any read does.
TEST_F(WindowTest, ALargeFileIsReadWhileTheWindowGoesOnAndEscapeStopsIt) {
  QByteArray rooms;
  while (rooms.size() <= 3 << 20) rooms += "; r\n7#\n#@ $ .#\n7#\n\n";
  writeFile("many.txt", rooms);
  QByteArray endless;
  endless.fill('#', 60 << 20);
  writeFile("endless.txt", endless);
  start();

  answering<QFileDialog>(chooseFile(path("endless.txt"), "CHOOSE A HOUSE"), [&] { click("BTchoisiHouse"); });
  EXPECT_TRUE(text("LBstatus").startsWith("reading endless.txt")) << text("LBstatus").toStdString();
  key(Qt::Key_6);
  EXPECT_EQ(man(), 23) << "the window goes on while the file is read";
  key(Qt::Key_Escape, Qt::NoModifier);
  EXPECT_EQ(text("LBstatus"), "endless.txt was not read: the house in play stays");
  EXPECT_EQ(caption("BTchoisiHouse"), "House: Three Rooms");

  DialogScript script;
  script.then<QFileDialog>(chooseFile(path("many.txt"), "CHOOSE A HOUSE"))
      .then<CollectionChooser>([](CollectionChooser* chooser) { chooser->accept(); });
  click("BTchoisiHouse");
  EXPECT_TRUE(text("LBstatus").startsWith("reading many.txt")) << text("LBstatus").toStdString();
  // A sanitized build on a busy machine takes its time over 110,000 rooms.
  ASSERT_TRUE(QTest::qWaitFor([&] { return script.finished(); }, 60000));
  EXPECT_EQ(caption("BTchoisiHouse"), "House: many");
  EXPECT_EQ(caption("BTnumPiece"), "1/16");
  EXPECT_EQ(text("LBstatus"), "");
}

TEST_F(WindowTest, AChooserOfNoRoomThatCanBePlayedSaysSo) {
  writeFile("none.txt", "#\n\n#####\n#@$ #\n#####\n");
  start();
  answering<QFileDialog>(chooseFile(path("none.txt"), "CHOOSE A HOUSE"), [&] { click("BTchoisiHouse"); });
  auto* chooser = find<CollectionChooser>(QStringLiteral("CollectionChooser"));
  EXPECT_EQ(chooser->findChild<QLabel*>(QStringLiteral("LBticked"))->text(), "No room can be played.");
  EXPECT_FALSE(chooser->findChild<QPushButton*>(QStringLiteral("BTok"))->isEnabled());
  chooser->reject();
}

}  // namespace
}  // namespace tarvo::test
