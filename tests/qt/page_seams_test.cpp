// Where the pages meet: a house dropped while the editor or the help page shows, a store by one
// page reaching the other's copy of the room, a room played and stored past a lowered room
// count, and a drop that would let unsaved work go.
#include <QInputDialog>

#include "roomtext/room_exchange.h"
#include "window_harness.h"

namespace tarvo::test {
namespace {

class PageSeams : public WindowTest {
 protected:
  void openOption(int subPage) {
    clickMainTab(3);
    clickTab(tabs(QStringLiteral("LesOnglets2")), subPage - 1);
  }
  // Drops the file and waits until its house is the one in play.
  void dropAndWait(const QString& name, const QString& houseCaption) {
    ASSERT_TRUE(dropFile(name));
    EXPECT_TRUE(waitFor([&] { return caption(QStringLiteral("BTchoisiHouse")) == houseCaption; }))
        << caption(QStringLiteral("BTchoisiHouse")).toStdString();
  }
  // The tree's entries under "Simple" (0) or "Double" (1).
  QStringList listed(int heading) {
    QStringList texts;
    const QTreeWidgetItem* parent = helpTree().topLevelItem(0)->child(heading);
    for (int k = 0; k < parent->childCount(); ++k) texts << parent->child(k)->text(0);
    return texts;
  }
  void paintWall(int cell) {
    clickTab(tabs(QStringLiteral("LesOnglets3")), 0);
    QTest::mousePress(find(QStringLiteral("PICsprites")), Qt::LeftButton, {}, slot(1, 0));
    QTest::mousePress(&picture(QStringLiteral("PICedit")), Qt::LeftButton, {}, tile(cell).center());
  }
  void shiftRight() {
    clickTab(tabs(QStringLiteral("LesOnglets3")), 2);
    click(QStringLiteral("BTright"));
  }
  static QString exportOf(const RoomText& room) {
    return QString::fromStdString(exportRoomText(roomFromRows(room.rows))).trimmed();
  }
  // Whether the picture shows the tile of `code` at `cell`.
  static bool showsTile(const PictureArea& area, int cell, std::int32_t code) {
    const Tile at = *tileOf(code);
    const QImage sheet = QImage(QStringLiteral(":/art/sprites32.png")).convertToFormat(QImage::Format_RGB32);
    return tileImage(area, cell).convertToFormat(QImage::Format_RGB32) ==
           sheet.copy(at.column * 32, at.row * 32, 32, 32);
  }
  // Answers the drop's question with "Open".
  static void openAnyway(QMessageBox* box) {
    for (QAbstractButton* each : box->buttons())
      if (each->text() == "Open") each->click();
  }
};

// The house dropped replaces the rooms the editor and the help page show, at once: what they show,
// paint, store and export is the new house's room, never a blank nor the old house's room.
TEST_F(PageSeams, AHouseDroppedWhileTheEditorOrTheHelpPageShowsIsTheOneTheyShow) {
  RoomText withPlace = kRecordRoom;
  withPlace.places = "24;";
  writeFile("other.hou", houseFile("Other House", {kShortRoom, kPushRoom}));
  writeFile("third.hou", houseFile("Third", {withPlace, kShortRoom}));
  start();

  openOption(2);
  dropAndWait("other.hou", "House: Other House");
  EXPECT_EQ(helpTree().topLevelItem(0)->text(0), "Death position for Room 1");
  EXPECT_TRUE(showsTile(picture("PIChelp"), 27, OUTSIDE) && showsTile(picture("PIChelp"), 26, WALL))
      << "the help board shows the new room";
  clickNode(helpTree().topLevelItem(0)->child(0));
  pressHelpCell(24);
  EXPECT_EQ(listed(0), QStringList{"24"});
  click("BThelpSave");
  EXPECT_EQ(places(window->state().house.rooms[0]), Codes{24}) << "the help page's Save stores";

  openOption(1);
  EXPECT_EQ(exported().trimmed(), exportOf(kShortRoom));
  {
    DialogScript script;  // the stored lists are not saved to disk: the drop asks
    script.then<QMessageBox>(openAnyway);
    dropAndWait("third.hou", "House: Third");
  }
  EXPECT_EQ(exported().trimmed(), exportOf(kRecordRoom));
  EXPECT_EQ(caption("BTeditNum"), "1");
  EXPECT_TRUE(showsTile(picture("PICedit"), 34, BOX)) << "the canvas shows the new room";
  paintWall(65);
  click("BTeditSave");
  EXPECT_EQ(window->state().house.rooms[0].cells[65], WALL);
  EXPECT_TRUE(text("editStatus").startsWith("room 1 stored")) << text("editStatus").toStdString();
  EXPECT_EQ(places(window->state().house.rooms[0]), Codes{24}) << "the editor's room had the file's lists";
}

// A shift stored by the editor moves the help page's lists with the cells; lists the help page
// saves under the editor's unsaved shift reach the editor's room where its cells are.
TEST_F(PageSeams, TheHelpListsFollowTheEditorsStoredShiftAndTheEditorTakesSavedListsUnderItsShift) {
  RoomText room = kPushRoom;
  room.places = "33;";
  writeFile("default.hou", houseFile("Lists", {room, kRecordRoom}));
  start();
  openOption(1);
  shiftRight();
  click("BTeditSave");
  openOption(2);
  EXPECT_EQ(listed(0), QStringList{"34"});
  EXPECT_EQ(listed(1), (QStringList{"25,35", "26,36"}));
  click("BThelpSave");
  EXPECT_EQ(places(window->state().house.rooms[0]), Codes{34});
  EXPECT_EQ(couples(window->state().house.rooms[0]), (std::vector<CouplePair>{{25, 35}, {26, 36}}));

  openOption(1);
  shiftRight();  // not stored
  openOption(2);
  clickNode(helpTree().topLevelItem(0)->child(0));
  pressHelpCell(43);
  click("BThelpSave");
  EXPECT_EQ(places(window->state().house.rooms[0]), (Codes{34, 43}));
  openOption(1);
  click("BTeditSave");
  EXPECT_EQ(places(window->state().house.rooms[0]), (Codes{35, 44}));
  EXPECT_EQ(window->state().house.rooms[0].cells[26], BOX) << "the cells moved one right again";
  openOption(2);
  EXPECT_EQ(listed(0), (QStringList{"35", "44"}));
}

// A room the editor's count left out of the house can still be played and stored, but every
// page that makes something of it says that the file will not hold it.
TEST_F(PageSeams, ARoomPastALoweredCountSaysOnEveryPageThatTheFileWillNotHoldIt) {
  start();
  openOption(1);
  QTest::mouseClick(button("BTeditPlus"), Qt::LeftButton);
  QTest::mouseClick(button("BTeditPlus"), Qt::LeftButton);
  QTest::mouseClick(button("BTeditMoins"), Qt::RightButton);
  ASSERT_EQ(window->state().house.roomCount, 2);
  const QString outside = "room 3 is not in the house (2 rooms): its records are not saved";
  clickMainTab(1);
  EXPECT_EQ(caption("BTnumPiece"), "3/2");
  EXPECT_EQ(text("LBstatus"), outside);
  keys("6");
  EXPECT_EQ(text("LBstatus"), "");
  answering<QInputDialog>([](QInputDialog* prompt) { prompt->accept(); }, [&] { keys("6"); });
  EXPECT_EQ(records(window->state().house.rooms[2]).size(), 1u) << "the room still makes records";
  EXPECT_EQ(text("LBstatus"), outside) << "after the completion";
  click("BTrecommence");
  EXPECT_EQ(text("LBstatus"), outside) << "at the room's start";

  const QString stored = "room 3 stored, but it is not in the house (2 rooms): it is not saved to disk";
  openOption(1);
  click("BTeditSave");
  EXPECT_EQ(text("editStatus"), stored);
  openOption(2);
  click("BThelpSave");
  EXPECT_EQ(text("helpStatus"), stored);

  clickMainTab(1);
  click("BTmoins");
  EXPECT_EQ(text("LBstatus"), "") << "room 2 is in the house";
}

// A drop is easily made by mistake: while records or stored rooms are not saved to disk it asks
// first, Cancel the default; the house button asks nothing.
TEST_F(PageSeams, ADropAsksBeforeLettingUnsavedRecordsAndStoredRoomsGo) {
  writeFile("other.hou", houseFile("Other House", {kShortRoom, kPushRoom}));
  start();
  EXPECT_TRUE(dropFile("other.hou"));
  EXPECT_TRUE(waitFor([&] { return caption("BTchoisiHouse") == "House: Other House"; })) << "nothing unsaved";

  answering<QInputDialog>([](QInputDialog* prompt) { prompt->accept(); }, [&] { keys("66"); });
  clickMainTab(3);
  click("BTeditSave");
  QString asked;
  answering<QMessageBox>(
      [&](QMessageBox* box) {
        asked = box->text();
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Cancel));
        box->button(QMessageBox::Cancel)->click();
      },
      [&] {
        EXPECT_TRUE(dropFile("default.hou"));
        EXPECT_TRUE(waitFor([&] { return !asked.isEmpty(); }));
      });
  EXPECT_EQ(asked, "Open 'default.hou'? 1 record and 1 stored room not saved to disk will be lost.");
  QTest::qWait(50);
  EXPECT_EQ(caption("BTchoisiHouse"), "House: Other House") << "Cancel keeps the house";

  // Saved to disk, nothing is lost: the drop asks nothing.
  clickMainTab(2);
  answering<QFileDialog>(chooseFile(path("kept.hou"), "SAVE A HOUSE"), [&] { click("BTsaveDisk"); });
  EXPECT_TRUE(dropFile("default.hou"));
  EXPECT_TRUE(waitFor([&] { return caption("BTchoisiHouse") == "House: Three Rooms"; }));

  // Two records, then Open: the house goes. The house button would not have asked.
  clickMainTab(1);
  for (int k = 0; k < 2; ++k) {
    click("BTrecommence");
    answering<QInputDialog>([](QInputDialog* prompt) { prompt->accept(); }, [&] { keys("666"); });
  }
  answering<QMessageBox>(
      [&](QMessageBox* box) {
        asked = box->text();
        openAnyway(box);
      },
      [&] {
        EXPECT_TRUE(dropFile("kept.hou"));
        EXPECT_TRUE(waitFor([&] { return asked.contains("kept.hou"); }));
      });
  EXPECT_EQ(asked, "Open 'kept.hou'? 2 records not saved to disk will be lost.");
  EXPECT_TRUE(waitFor([&] { return caption("BTchoisiHouse") == "House: Other House"; }));
  answering<QInputDialog>([](QInputDialog* prompt) { prompt->accept(); }, [&] { keys("66"); });
  answering<QFileDialog>(chooseFile(path("default.hou"), "CHOOSE A HOUSE"), [&] { click("BTchoisiHouse"); });
  EXPECT_EQ(caption("BTchoisiHouse"), "House: Three Rooms");
}

}  // namespace
}  // namespace tarvo::test
