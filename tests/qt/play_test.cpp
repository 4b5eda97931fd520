// Play by key events: which keys move the man, what a step repaints, undo and redo, and
// buttons that never take a key meant for play; the tab strips: which page shows, and what
// each tab repaints and reloads.
#include "window_harness.h"

#include "rules/cell.h"
#include "rules/replay.h"

namespace tarvo::test {
namespace {

TEST_F(WindowTest, KeypadWithNumLockOnOrOffAndArrowKeysMoveTheMan) {
  FRMain& w = start();
  const std::vector<std::tuple<Qt::Key, Qt::KeyboardModifiers, int>> presses = {
      // Keypad with Num Lock on: digits with the keypad flag; off: arrows with the flag.
      {Qt::Key_6, Qt::KeypadModifier, 23},
      {Qt::Key_Down, Qt::KeypadModifier, 33},
      {Qt::Key_Up, Qt::KeypadModifier, 23},
      {Qt::Key_Left, Qt::KeypadModifier, 22},
      // The arrow keys.
      {Qt::Key_Right, Qt::NoModifier, 23},
      {Qt::Key_Down, Qt::NoModifier, 33},
      {Qt::Key_Up, Qt::NoModifier, 23},
      {Qt::Key_Left, Qt::NoModifier, 22}};
  for (auto [pressed, modifiers, expected] : presses) {
    key(pressed, modifiers);
    EXPECT_EQ(man(), expected) << "key " << int(pressed);
  }
  EXPECT_EQ(w.state().counters.moveHistory, "rdulrdul");
  // The digit row, the keypad's 5 and letters are no directions: nothing moves, nothing counts.
  key(Qt::Key_6, Qt::NoModifier);
  key(Qt::Key_5);
  key(Qt::Key_R, Qt::NoModifier);
  EXPECT_EQ(man(), 22);
  EXPECT_EQ(caption("BTmoveValue"), "8");
}

TEST_F(WindowTest, ButtonsTakeTheFocusOnlyFromTabSoSpaceAndEnterNeverPressThem) {
  start();
  for (QPushButton* each : window->findChildren<QPushButton*>()) {
    EXPECT_EQ(each->focusPolicy() & Qt::ClickFocus, 0) << each->objectName().toStdString();
  }
  // A click on ">" or "Room", then play by keys: Space and Enter change nothing.
  click("BTplus");
  ASSERT_EQ(caption("BTnumPiece"), "2/3");
  key(Qt::Key_2);
  for (Qt::Key pressed : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) key(pressed, Qt::NoModifier);
  EXPECT_EQ(caption("BTnumPiece"), "2/3");
  EXPECT_EQ(caption("BTmoveValue"), "1");
  click("BTrecommence");
  key(Qt::Key_2);
  key(Qt::Key_Space, Qt::NoModifier);
  EXPECT_EQ(caption("BTmoveValue"), "1");

  // Direction keys reach the board whatever has the focus; a tab bar left alone would switch.
  QTabBar* strip = tabs("LesOnglets");
  strip->setFocus();
  QTest::keyClick(strip, Qt::Key_Up);
  EXPECT_EQ(strip->currentIndex(), 0);
  EXPECT_EQ(caption("BTmoveValue"), "2");
  // A button reached with Tab is pressed by Space, as a keyboard user expects.
  QPushButton* next = button("BTplus");
  next->setFocus(Qt::TabFocusReason);
  QTest::keyClick(next, Qt::Key_Space);
  EXPECT_EQ(caption("BTnumPiece"), "3/3");
  click("BTmoins");
  EXPECT_EQ(caption("BTnumPiece"), "2/3");
  EXPECT_EQ(caption("BTeditNum"), "2") << "the editor follows";
}

// The core checks which cells a step repaints; here the board shows them, marks included.
TEST_F(WindowTest, AStepRepaintsItsTilesAndIsUndoneAndRedoneByButtonsAndKeys) {
  start();
  key(Qt::Key_6);
  board().resetPaintedRegion();
  key(Qt::Key_8);  // a wall above the man
  EXPECT_EQ(board().tilesPainted(), 0);
  // The push paints the man's two cells, the box's new cell, and the couple marks that left
  // 34 (its partner 24 lost the box) and reached 35 (its partner 25 got it).
  key(Qt::Key_6);
  EXPECT_EQ(board().paintedRegion(), tiles({23, 24, 25, 34, 35}));
  EXPECT_EQ(tileImage(board(), 34), tileImage(board(), 33));
  EXPECT_NE(tileImage(board(), 35), tileImage(board(), 33));

  board().resetPaintedRegion();
  click("BTmoinsMove");  // the push is taken back, the box and the marks with it
  EXPECT_EQ(board().paintedRegion(), tiles({23, 24, 25, 34, 35}));
  key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(man(), 22);
  key(Qt::Key_Y, Qt::ControlModifier);
  click("BTplusMove");
  EXPECT_EQ(man(), 24);
  EXPECT_EQ(caption("BTmoveValue"), "2");
}

// The tab strips: which page shows, and what each tab repaints and reloads.
TEST_F(WindowTest, EachStripShowsOnlyItsFirstPageAtStartAndTheShownTabReloadsNothing) {
  start();
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(shown(QStringLiteral("Onglet%1").arg(k)), k == 1) << "page " << k;
  for (const char* later : {"Onglet2_2", "Onglet3_2", "Onglet3_3"}) EXPECT_TRUE(find(later)->isHidden()) << later;

  key(Qt::Key_6);
  board().resetPaintedRegion();
  clickMainTab(1);
  EXPECT_EQ(man(), 23);
  EXPECT_EQ(board().tilesPainted(), 0);
  EXPECT_EQ(caption("BTmoveValue"), "1");
  clickMainTab(3);
  PictureArea& canvas = picture("PICedit");
  canvas.resetPaintedRegion();
  clickTab(tabs("LesOnglets2"), 0);
  EXPECT_EQ(canvas.tilesPainted(), 0);
}

TEST_F(WindowTest, TheGameTabStartsPlayOverSoEveryRecordReplaysTheRoom) {
  FRMain& w = start();
  const RoomRecord& stored = w.state().house.rooms[0];
  // A push, a look at another page and back: the stored room with no moves, history or undo.
  for (int other : {2, 3}) {
    keys("66");
    ASSERT_EQ(man(), 24);
    board().resetPaintedRegion();
    clickMainTab(other);
    EXPECT_EQ(board().tilesPainted(), 0);
    key(Qt::Key_4);  // the man does not move off the "Game" page
    clickMainTab(1);
    EXPECT_EQ(man(), 22);
    EXPECT_EQ(w.state().curRoom.cells[24], BOX);
    EXPECT_TRUE(isMarkedCode(w.state().curRoom.cells[34]));
    EXPECT_EQ(board().tilesPainted(), 100);
    EXPECT_EQ(caption("BTmoveValue"), "0");
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(man(), 22) << "nothing to undo";
  }
  answering<QDialog>(reject, [&] { keys("666"); });
  ASSERT_EQ(stored.recSolutions->size(), 1u);
  EXPECT_EQ(stored.recMoves->front(), "3");
  EXPECT_EQ(replayProblem(stored, stored.recSolutions->front()), std::nullopt) << stored.recSolutions->front();
}

TEST_F(WindowTest, OptionTabPaintsTheStoredRoomWithoutMarksAndItsStripsSwitchPages) {
  start();
  key(Qt::Key_6);
  // On the board the couple mark on 34 shows: its tile differs from the plain floor of 33.
  ASSERT_NE(tileImage(board(), 34), tileImage(board(), 33));

  PictureArea& canvas = picture("PICedit");
  clickMainTab(3);
  EXPECT_EQ(man(), 22);
  EXPECT_EQ(tileImage(canvas, 34), tileImage(canvas, 33));
  EXPECT_EQ(tileImage(canvas, 22), tileImage(board(), 23));  // the man, on the stored cell

  QTabBar* inner = tabs("LesOnglets2");
  clickTab(inner, 1);
  EXPECT_TRUE(shown("Onglet2_2") && !shown("Onglet2_1"));
  canvas.resetPaintedRegion();
  clickTab(inner, 0);
  EXPECT_TRUE(shown("Onglet2_1"));
  EXPECT_EQ(canvas.tilesPainted(), 100);

  clickTab(tabs("LesOnglets3"), 2);
  EXPECT_TRUE(shown("Onglet3_3") && !shown("Onglet3_1"));
}

}  // namespace
}  // namespace tarvo::test
