// The help page on the real widgets: the tree, node clicks and their marks, Delete, editing on
// the board, the status line, the room buttons and "Save", and the marks then seen in play.
#include "window_harness.h"

namespace tarvo::test {
namespace {

class HelpTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    RoomText room = kPushRoom;
    room.places = "33;";
    writeFile("default.hou", houseFile("Help", {room, kRecordRoom}));
  }

  void openHelp() {
    start();
    clickMainTab(3);
    clickTab(tabs("LesOnglets2"), 1);
  }

  QTreeWidgetItem* root() const { return helpTree().topLevelItem(0); }
  QTreeWidgetItem* heading(int k) const { return root()->child(k); }  // 0 "Simple", 1 "Double"
  static QStringList texts(const QTreeWidgetItem* parent) {
    QStringList result;
    for (int k = 0; k < parent->childCount(); ++k) result << parent->child(k)->text(0);
    return result;
  }
  bool marked(int cell) const { return isMarkedCode(helpWork().room.cells[cell]); }
};

// The nodes are the core's; the page walk checks that the root names the room shown, also after
// "<" and ">".
TEST_F(HelpTest, NodeClicksShowMarksAndDeleteTakesOneCoupleOnly) {
  openHelp();
  EXPECT_TRUE(root()->isExpanded());
  PictureArea& board = picture("PIChelp");
  const QImage floor = tileImage(board, 23);
  clickNode(heading(0));
  EXPECT_NE(tileImage(board, 33), floor) << "the place shows marked";
  clickNode(heading(1)->child(0));
  EXPECT_TRUE(marked(24) && marked(34) && !marked(33));
  EXPECT_EQ(tileImage(board, 33), floor);

  // Delete on a couple: its node goes, and nothing stays selected.
  QTest::keyClick(&helpTree(), Qt::Key_Delete);
  EXPECT_EQ(texts(heading(1)), QStringList{"25,35"});
  EXPECT_TRUE(helpTree().selectedItems().isEmpty());
  QTest::keyClick(&helpTree(), Qt::Key_Delete);
  clickNode(heading(0)->child(0));
  QTest::keyClick(&helpTree(), Qt::Key_Delete);
  EXPECT_EQ(texts(heading(1)), QStringList{"25,35"});
  EXPECT_EQ(texts(heading(0)), QStringList{"33"}) << "Delete leaves places alone";
}

TEST_F(HelpTest, TheBoardAddsAndRemovesPlacesAndPicksCouples) {
  openHelp();
  clickNode(heading(0));
  pressHelpCell(23);
  EXPECT_EQ(texts(heading(0)), (QStringList{"33", "23"}));
  pressHelpCell(33, Qt::RightButton);
  EXPECT_EQ(texts(heading(0)), QStringList{"23"});
  // A click on the board's border picks no cell.
  QTest::mouseClick(picture("PIChelp").parentWidget(), Qt::LeftButton, {}, QPoint(1, 1));
  EXPECT_EQ(texts(heading(0)), QStringList{"23"});

  clickNode(heading(1));
  pressHelpCell(32);
  EXPECT_EQ(text("helpStatus"), "first cell: 32");
  pressHelpCell(43);
  EXPECT_EQ(texts(heading(1)), (QStringList{"24,34", "25,35", "32,43"}));
  EXPECT_EQ(text("helpStatus"), "");
}

TEST_F(HelpTest, SavedListsStayAcrossRoomChangesAndMarkTheGameBoard) {
  openHelp();  // the core checks that unsaved lists go
  clickNode(heading(0));
  pressHelpCell(23);
  click("BThelpSave");
  click("BThelpPlus");
  click("BThelpMoins");
  EXPECT_EQ(texts(heading(0)), (QStringList{"33", "23"}));

  clickMainTab(1);
  EXPECT_NE(tileImage(board(), 23), tileImage(board(), 32)) << "the place shows on the board";
}

// Which cells, their marks and that they go unless saved are the core's to check.
TEST_F(HelpTest, SuggestListsAndShowsTheHopelessCells) {
  // The goal on the top side keeps that wall alive but for its corners.
  const RoomText sides{{"#######---", "#  .  #---", "#     #---", "#@ $  #---", "#######---"}, "21;", "", {}};
  writeFile("default.hou", houseFile("Sides", {sides}));
  openHelp();
  expectOverlapsNothing(button("BThelpSuggest"));
  const QImage floor = tileImage(picture("PIChelp"), 22);
  click("BThelpSuggest");
  EXPECT_EQ(texts(heading(0)), (QStringList{"21", "11", "15", "25", "31", "32", "33", "34", "35"}));
  EXPECT_TRUE(heading(0)->isExpanded());
  EXPECT_EQ(text("helpStatus"), "8 places added");
  EXPECT_NE(tileImage(picture("PIChelp"), 33), floor) << "the board shows the new marks";
}

// The room buttons of this page and the arrows of the editor's import frame are drawn larger
// than the other buttons, in the installed substitute of the face they name.
TEST_F(WindowTest, TheHelpRoomButtonsAndTheImportArrowsHaveTheLargeFace) {
  start();
  for (const char* name : {"BThelpSave", "BThelpMoins", "BThelpNum", "BThelpPlus", "BTimport", "BTexport"}) {
    const QFont font = button(name)->font();
    EXPECT_TRUE(font.family() == "Comic Sans MS" && font.bold() && font.pointSizeF() == 15.75) << name;
    EXPECT_EQ(QFontInfo(font).family(), "Comic Neue") << name;
  }
}

}  // namespace
}  // namespace tarvo::test
