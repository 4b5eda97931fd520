// Play by key events: which keys move the man, what a step repaints, undo and redo.
#include "window_harness.h"

#include "rules/cell.h"
#include "window/page_switch.h"

namespace tarvo::test {
namespace {

TEST_F(WindowTest, KeypadWithNumLockOnOrOffAndArrowKeysMoveTheMan) {
  FRMain& w = start();
  const std::vector<std::pair<Qt::Key, int>> rounds[] = {
      // Keypad with Num Lock on: digits with the keypad flag.
      {{Qt::Key_6, 23}, {Qt::Key_4, 22}, {Qt::Key_2, 32}, {Qt::Key_8, 22}},
      // Keypad with Num Lock off: arrows with the keypad flag.
      {{Qt::Key_Right, 23}, {Qt::Key_Down, 33}, {Qt::Key_Up, 23}, {Qt::Key_Left, 22}},
  };
  for (const auto& round : rounds) {
    for (auto [pressed, expected] : round) {
      key(pressed);
      EXPECT_EQ(man(), expected) << "key " << int(pressed);
    }
  }
  for (auto [pressed, expected] : {std::pair{Qt::Key_Right, 23}, {Qt::Key_Down, 33}, {Qt::Key_Up, 23}, {Qt::Key_Left, 22}}) {
    key(pressed, Qt::NoModifier);
    EXPECT_EQ(man(), expected);
  }
  EXPECT_EQ(w.state().counters.moveHistory, "rldurdulrdul");
  EXPECT_EQ(caption(w.game->BTmoveValue), "12");

  // The digit row, the keypad's 5 and letters are no directions: nothing moves, nothing counts.
  key(Qt::Key_6, Qt::NoModifier);
  key(Qt::Key_5);
  key(Qt::Key_R, Qt::NoModifier);
  EXPECT_EQ(man(), 22);
  EXPECT_EQ(caption(w.game->BTmoveValue), "12");
}

TEST_F(WindowTest, DirectionKeysReachTheBoardWhateverHasTheFocus) {
  FRMain& w = start();
  QTabBar* tabs = w.LesOnglets->tabBar();
  tabs->setFocus();
  QTest::keyClick(tabs, Qt::Key_Right);  // left alone, a tab bar would switch to "Room"
  EXPECT_EQ(man(), 23);
  EXPECT_EQ(tabs->currentIndex(), 0);
  EXPECT_EQ(w.pageSwitch->shownPage(), 1);

  w.game->BTplus->setFocus();
  QTest::keyClick(w.game->BTplus, Qt::Key_4, Qt::KeypadModifier);
  EXPECT_EQ(man(), 22);
  EXPECT_EQ(caption(w.game->BTnumPiece), "1/3");
  // Other keys still reach the focused button: Space presses it.
  QTest::keyClick(w.game->BTplus, Qt::Key_Space);
  EXPECT_EQ(caption(w.game->BTnumPiece), "2/3");
}

TEST_F(WindowTest, AStepRepaintsOnlyTheTilesThatChanged) {
  FRMain& w = start();
  board().resetPaintedRegion();
  key(Qt::Key_8);  // a wall above the man
  EXPECT_EQ(board().tilesPainted(), 0);
  EXPECT_EQ(caption(w.game->BTmoveValue), "0");

  key(Qt::Key_6);
  EXPECT_EQ(board().paintedRegion(), tiles({22, 23}));
  EXPECT_EQ(board().tilesPainted(), 2);

  // The push paints the man's two cells, the box's new cell, and the couple marks that left
  // 34 (its partner 24 lost the box) and reached 35 (its partner 25 got it).
  board().resetPaintedRegion();
  key(Qt::Key_6);
  EXPECT_EQ(board().paintedRegion(), tiles({23, 24, 25, 34, 35}));
  EXPECT_EQ(board().tilesPainted(), 5);
  EXPECT_EQ(tileImage(board(), 34), tileImage(board(), 33));
  EXPECT_NE(tileImage(board(), 35), tileImage(board(), 33));
  EXPECT_EQ(caption(w.game->BTmoveValue), "2");
  EXPECT_EQ(w.state().counters.moveHistory, "rR");

  // The last push covers the goal: the mark leaves 35.
  board().resetPaintedRegion();
  DialogScript prompt;
  prompt.then<QDialog>([](QDialog* dialog) { dialog->reject(); });
  key(Qt::Key_6);
  EXPECT_EQ(board().paintedRegion(), tiles({24, 25, 26, 35}));
  EXPECT_EQ(caption(w.game->BTgoalValue), "1/1");
}

TEST_F(WindowTest, UndoAndRedoByButtonsAndKeys) {
  FRMain& w = start();
  const CellArray& cells = w.state().curRoom.cells;
  key(Qt::Key_6);
  key(Qt::Key_6);

  board().resetPaintedRegion();
  click(w.game->BTmoinsMove);  // the push is taken back, the box and the marks with it
  EXPECT_EQ(man(), 23);
  EXPECT_EQ(cells[24], BOX);
  EXPECT_EQ(cells[25], FLOOR);
  EXPECT_TRUE(isMarkedCode(cells[34]));
  EXPECT_FALSE(isMarkedCode(cells[35]));
  EXPECT_EQ(board().paintedRegion(), tiles({23, 24, 25, 34, 35}));
  EXPECT_EQ(caption(w.game->BTmoveValue), "1");
  EXPECT_EQ(w.state().counters.moveHistory, "r");

  key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(man(), 22);
  EXPECT_EQ(caption(w.game->BTmoveValue), "0");
  key(Qt::Key_Z, Qt::ControlModifier);  // nothing left to undo
  EXPECT_EQ(man(), 22);
  EXPECT_EQ(caption(w.game->BTmoveValue), "0");

  key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(man(), 23);
  click(w.game->BTplusMove);
  EXPECT_EQ(man(), 24);
  EXPECT_EQ(cells[25], BOX);
  EXPECT_EQ(w.state().counters.moveHistory, "rR");
  click(w.game->BTplusMove);  // nothing left to redo
  EXPECT_EQ(man(), 24);

  // A new step forgets what could have been redone.
  click(w.game->BTmoinsMove);
  key(Qt::Key_2);
  click(w.game->BTplusMove);
  EXPECT_EQ(man(), 33);
  EXPECT_EQ(caption(w.game->BTmoveValue), "2");

  // The "Game" tab brings back the stored room: there is nothing to undo or redo on it (the
  // last step, to the left, could be taken back from the man's starting cell).
  key(Qt::Key_4);
  clickMainTab(2);
  clickMainTab(1);
  ASSERT_EQ(man(), 22);
  const std::function<void()> tries[] = {[&] { click(w.game->BTmoinsMove); },
                                         [&] { key(Qt::Key_Z, Qt::ControlModifier); },
                                         [&] { key(Qt::Key_Y, Qt::ControlModifier); }};
  for (const auto& attempt : tries) {
    attempt();
    EXPECT_EQ(man(), 22);
    EXPECT_EQ(cells[24], BOX);
    EXPECT_EQ(caption(w.game->BTmoveValue), "3");
  }
}

}  // namespace
}  // namespace tarvo::test
