// Play by key events: which keys move the man, what a step repaints, undo and redo, and
// buttons that never take a key meant for play.
#include "window_harness.h"

#include "rules/cell.h"

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

}  // namespace
}  // namespace tarvo::test
