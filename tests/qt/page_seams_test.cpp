// Work made on one page and met on another: the editor's room across the help page, the help
// page and the editor's number after the room changed elsewhere, and the question a store asks
// before it drops records.
#include "room_builder.h"
#include "window_harness.h"

namespace tarvo::test {
namespace {

class PageSeams : public WindowTest {
 protected:
  const GameState& state() const { return window->state(); }
  const RoomRecord& stored(int number) const { return *state().house.roomNumber(number); }

  void openEditorOn(int number) {
    start();
    for (int n = 1; n < number; ++n) click("BTplus");
    clickMainTab(3);
  }
  void showSubPage(int page) { clickTab(tabs(QStringLiteral("LesOnglets2")), page - 1); }
  // Paints `cell` on the canvas with the palette's wall, left button.
  void paintWall(int cell) {
    QTest::mousePress(find(QStringLiteral("PICsprites")), Qt::LeftButton, {}, slot(1, 0));
    QTest::mousePress(&picture(QStringLiteral("PICedit")), Qt::LeftButton, {}, tile(cell).center());
  }
  void addPlace(int cell) {
    clickNode(helpTree().topLevelItem(0)->child(0));
    pressHelpCell(cell);
  }
};

TEST_F(PageSeams, TheHelpPageLeavesTheEditorsRoomAsItWasAndGivesItTheListsItSaves) {
  openEditorOn(2);
  paintWall(43);  // off the records' way
  const RoomRecord before = edited();
  showSubPage(2);
  addPlace(24);
  click("BThelpSave");
  showSubPage(1);
  EXPECT_TRUE(edited().cells == before.cells && edited().man == 23) << roomText(edited());
  EXPECT_EQ(places(edited()), Codes{24}) << "the lists just saved";

  click("BTeditSave");  // the records still solve the room: nothing asked
  EXPECT_EQ(stored(2).cells[43], WALL);
  EXPECT_EQ(stored(2).cells[34], BOX);
  EXPECT_EQ(places(stored(2)), Codes{24});
  EXPECT_EQ(records(stored(2)).size(), 2u);
}

TEST_F(PageSeams, TheHelpPageAndTheEditorsNumberFollowTheRoomChosenElsewhere) {
  start();
  clickMainTab(3);
  showSubPage(2);
  clickMainTab(1);
  click("BTplus");
  EXPECT_EQ(caption("BTeditNum"), "2");
  clickMainTab(3);
  EXPECT_EQ(helpTree().topLevelItem(0)->text(0), "Death position for Room 2");
  addPlace(44);
  click("BThelpSave");
  EXPECT_EQ(places(stored(2)), Codes{44});
  EXPECT_EQ(places(stored(1)), Codes{}) << "room 1 keeps its lists";

  // The help page's ">" makes room 3 current; back on "Edit" the editor shows and stores room 3.
  click("BThelpPlus");
  EXPECT_EQ(caption("BTeditNum"), "3");
  showSubPage(1);
  EXPECT_EQ(caption("BTeditNum"), "3");
  EXPECT_TRUE(edited().cells == stored(3).cells) << roomText(edited());
  click("BTeditSave");
  EXPECT_EQ(places(stored(2)), Codes{44});
  EXPECT_EQ(records(stored(2)).size(), 2u) << "room 2 untouched";

  // A house read shows room 1 without a leading zero.
  writeFile("other.hou", houseFile("Other", {kShortRoom, kPushRoom}));
  clickMainTab(1);
  answering<QFileDialog>(chooseFile(path("other.hou"), "CHOOSE A HOUSE"), [&] { click("BTchoisiHouse"); });
  EXPECT_EQ(caption("BTeditNum"), "1");
}

TEST_F(PageSeams, AStoreThatDropsRecordsAsksFirstAndEveryStoreSaysWhatItStored) {
  openEditorOn(2);
  paintWall(24);  // both records step there
  answering<QMessageBox>(
      [](QMessageBox* question) {
        EXPECT_EQ(question->text(), "Room 2 has 2 records that do not solve the changed room. Store it and drop them?");
        question->button(QMessageBox::Cancel)->click();
      },
      [&] { click("BTeditSave"); });
  EXPECT_EQ(stored(2).cells[24], FLOOR) << "Cancel stores nothing";
  EXPECT_EQ(records(stored(2)).size(), 2u);

  answering<QMessageBox>(
      [](QMessageBox* question) {
        for (QAbstractButton* answer : question->buttons())
          if (answer->text() == "Store") answer->click();
      },
      [&] { click("BTeditSave"); });
  EXPECT_EQ(stored(2).cells[24], WALL);
  EXPECT_TRUE(records(stored(2)).empty());
  EXPECT_EQ(text("editStatus"), "room 2 stored: 1 man, 1 box, 1 goal; 0 records kept, 2 dropped");
}

}  // namespace
}  // namespace tarvo::test
