// The tab strips: which page shows, and what each tab repaints and reloads.
#include "window_harness.h"

#include "rules/cell.h"
#include "window/page_switch.h"

namespace tarvo::test {
namespace {

TEST_F(WindowTest, EachStripShowsOnlyItsFirstPageAtStart) {
  FRMain& w = start();
  EXPECT_EQ(w.windowTitle(), "Tarvo Plim");
  for (int k = 0; k < 4; ++k) EXPECT_EQ(w.Onglet[k]->isVisible(), k == 0) << "page " << k + 1;
  EXPECT_FALSE(w.option->Onglet2[0]->isHidden());
  EXPECT_TRUE(w.option->Onglet2[1]->isHidden());
  for (int k = 0; k < 3; ++k) EXPECT_EQ(w.option->edit->Onglet3[k]->isHidden(), k != 0) << "frame " << k + 1;
  EXPECT_EQ(w.pageSwitch->shownPage(), 1);
  // Room 1 of the default house is in play.
  EXPECT_EQ(caption(w.game->BTchoisiHouse), "House: Three Rooms");
  EXPECT_EQ(caption(w.game->BTnumPiece), "1/3");
  EXPECT_EQ(caption(w.game->BTmoveValue), "0");
  EXPECT_EQ(caption(w.game->BTgoalValue), "0/1");
  EXPECT_EQ(man(), 22);
}

TEST_F(WindowTest, ClickingTheShownTabReloadsAndRepaintsNothing) {
  FRMain& w = start();
  key(Qt::Key_6);
  board().resetPaintedRegion();
  clickMainTab(1);
  EXPECT_EQ(man(), 23);
  EXPECT_EQ(board().tilesPainted(), 0);
  EXPECT_EQ(caption(w.game->BTmoveValue), "1");

  clickMainTab(3);
  PictureArea& canvas = *w.option->edit->PICedit;
  canvas.resetPaintedRegion();
  clickTab(w.option->LesOnglets2->tabBar(), 0);
  EXPECT_EQ(canvas.tilesPainted(), 0);
}

TEST_F(WindowTest, GameTabAfterRoomTabShowsTheStoredRoomWithTheMovesKept) {
  FRMain& w = start();
  key(Qt::Key_6);
  key(Qt::Key_6);  // a push: the box leaves 24, the couple mark moves from 34 to 35
  ASSERT_EQ(man(), 24);

  board().resetPaintedRegion();
  clickMainTab(2);
  EXPECT_TRUE(w.Onglet[1]->isVisible());
  EXPECT_FALSE(w.Onglet[0]->isVisible());
  EXPECT_EQ(board().tilesPainted(), 0);
  key(Qt::Key_4);  // the man does not move off the "Game" page
  EXPECT_EQ(man(), 24);

  clickMainTab(1);
  EXPECT_TRUE(w.Onglet[0]->isVisible());
  EXPECT_FALSE(w.Onglet[1]->isVisible());
  EXPECT_EQ(man(), 22);
  EXPECT_EQ(w.state().curRoom.cells[24], BOX);
  EXPECT_TRUE(isMarkedCode(w.state().curRoom.cells[34]));
  EXPECT_FALSE(isMarkedCode(w.state().curRoom.cells[35]));
  EXPECT_EQ(board().tilesPainted(), 100);
  EXPECT_EQ(caption(w.game->BTmoveValue), "2");
  EXPECT_EQ(caption(w.game->BTgoalValue), "0/1");
}

TEST_F(WindowTest, OptionTabPaintsTheStoredRoomWithoutMarksAndItsStripsSwitchPages) {
  FRMain& w = start();
  key(Qt::Key_6);
  // On the board the couple mark on 34 shows: its tile differs from the plain floor of 33.
  ASSERT_NE(tileImage(board(), 34), tileImage(board(), 33));

  PictureArea& canvas = *w.option->edit->PICedit;
  clickMainTab(3);
  EXPECT_TRUE(w.Onglet[2]->isVisible());
  EXPECT_EQ(man(), 22);
  EXPECT_FALSE(isMarkedCode(w.state().curRoom.cells[34]));
  EXPECT_EQ(tileImage(canvas, 34), tileImage(canvas, 33));
  EXPECT_EQ(tileImage(canvas, 22), tileImage(board(), 23));  // the man, on the stored cell
  key(Qt::Key_2);
  EXPECT_EQ(man(), 22);

  QTabBar* inner = w.option->LesOnglets2->tabBar();
  clickTab(inner, 1);
  EXPECT_TRUE(w.option->Onglet2[1]->isVisible());
  EXPECT_FALSE(w.option->Onglet2[0]->isVisible());
  canvas.resetPaintedRegion();
  clickTab(inner, 0);
  EXPECT_TRUE(w.option->Onglet2[0]->isVisible());
  EXPECT_FALSE(w.option->Onglet2[1]->isVisible());
  EXPECT_EQ(canvas.tilesPainted(), 100);

  QTabBar* frames = w.option->edit->LesOnglets3->tabBar();
  const auto& frame = w.option->edit->Onglet3;
  clickTab(frames, 2);
  EXPECT_TRUE(frame[2]->isVisible());
  EXPECT_FALSE(frame[0]->isVisible());
  EXPECT_FALSE(frame[1]->isVisible());
  clickTab(frames, 1);
  EXPECT_TRUE(frame[1]->isVisible());
  EXPECT_FALSE(frame[2]->isVisible());
}

}  // namespace
}  // namespace tarvo::test
