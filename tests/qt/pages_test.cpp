// The tab strips: which page shows, and what each tab repaints and reloads.
#include "window_harness.h"

#include "rules/cell.h"
#include "rules/replay.h"

namespace tarvo::test {
namespace {

TEST_F(WindowTest, EachStripShowsOnlyItsFirstPageAtStartAndTheShownTabReloadsNothing) {
  start();
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(shown(QStringLiteral("Onglet%1").arg(k)), k == 1) << "page " << k;
  EXPECT_FALSE(find(QStringLiteral("Onglet2_1"))->isHidden());
  EXPECT_TRUE(find(QStringLiteral("Onglet2_2"))->isHidden());
  for (int k = 1; k <= 3; ++k)
    EXPECT_EQ(find(QStringLiteral("Onglet3_%1").arg(k))->isHidden(), k != 1) << "frame " << k;
  EXPECT_EQ(caption("BTnumPiece"), "1/3");
  EXPECT_EQ(caption("BTgoalValue"), "0/1");

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
    key(Qt::Key_6);
    key(Qt::Key_6);
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
    EXPECT_TRUE(w.state().counters.moveHistory.empty());
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(man(), 22) << "nothing to undo";
  }
  {
    DialogScript script;
    script.then<QDialog>([](QDialog* prompt) { prompt->reject(); });
    for (int k = 0; k < 3; ++k) key(Qt::Key_6);
  }
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
  EXPECT_TRUE(shown("Onglet3"));
  EXPECT_EQ(man(), 22);
  EXPECT_EQ(tileImage(canvas, 34), tileImage(canvas, 33));
  EXPECT_EQ(tileImage(canvas, 22), tileImage(board(), 23));  // the man, on the stored cell

  QTabBar* inner = tabs("LesOnglets2");
  clickTab(inner, 1);
  EXPECT_TRUE(shown("Onglet2_2"));
  EXPECT_FALSE(shown("Onglet2_1"));
  canvas.resetPaintedRegion();
  clickTab(inner, 0);
  EXPECT_TRUE(shown("Onglet2_1"));
  EXPECT_EQ(canvas.tilesPainted(), 100);

  clickTab(tabs("LesOnglets3"), 2);
  EXPECT_TRUE(shown("Onglet3_3"));
  EXPECT_FALSE(shown("Onglet3_1"));
}

}  // namespace
}  // namespace tarvo::test
