// Play by key events: which keys move the man, what a step repaints, undo and redo, and
// buttons that never take a key meant for play; the tab strips: which page shows, and what
// each tab repaints and reloads; completion and its record, and the records listed.
#include "window_harness.h"

#include <QClipboard>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTreeView>

#include "about/about_box_qt.h"
#include "room_builder.h"

namespace tarvo::test {
namespace {

TEST_F(WindowTest, KeypadWithNumLockOnOrOffAndArrowKeysMoveTheMan) {
  start();
  const std::vector<std::tuple<Qt::Key, Qt::KeyboardModifiers, int>> presses = {
      // Keypad with Num Lock on: digits with the keypad flag; off: arrows with the flag.
      {Qt::Key_6, Qt::KeypadModifier, 23},
      {Qt::Key_Down, Qt::KeypadModifier, 33},
      // The arrow keys.
      {Qt::Key_Left, Qt::NoModifier, 32},
      {Qt::Key_Up, Qt::NoModifier, 22},
      {Qt::Key_Right, Qt::NoModifier, 23},
      {Qt::Key_Down, Qt::NoModifier, 33}};
  for (auto [pressed, modifiers, expected] : presses) {
    key(pressed, modifiers);
    EXPECT_EQ(man(), expected) << "key " << int(pressed);
  }
  // The digit row, the keypad's 5 and letters are no directions: nothing moves, nothing counts.
  key(Qt::Key_6, Qt::NoModifier);
  key(Qt::Key_5);
  key(Qt::Key_R, Qt::NoModifier);
  EXPECT_EQ(man(), 33);
  EXPECT_EQ(caption("BTmoveValue"), "6");
}

TEST_F(WindowTest, ButtonsTakeTheFocusOnlyFromTabSoSpaceAndEnterPressOnlyAButtonReachedWithTab) {
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

  // Direction keys reach the board whatever has the focus; a tab bar left alone would switch.
  QTabBar* strip = tabs("LesOnglets");
  strip->setFocus();
  QTest::keyClick(strip, Qt::Key_Up);
  EXPECT_EQ(strip->currentIndex(), 0);
  EXPECT_EQ(caption("BTmoveValue"), "2");
  // A button reached with Tab is pressed by Space or Enter, as a keyboard user expects.
  QPushButton* next = button("BTplus");
  next->setFocus(Qt::TabFocusReason);
  QTest::keyClick(next, Qt::Key_Space);
  EXPECT_EQ(caption("BTnumPiece"), "3/3");
  QTest::keyClick(next, Qt::Key_Return);
  EXPECT_EQ(caption("BTnumPiece"), "1/3");
  QTest::keyClick(next, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(caption("BTnumPiece"), "2/3");
}

// The page keys work from whatever has the focus and choose the tab as a click does.
TEST_F(WindowTest, PageKeysGoRoundTheFourPagesFromAnyFocus) {
  start();
  key(Qt::Key_6);
  key(Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_TRUE(shown("Onglet2"));
  key(Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_TRUE(shown("Onglet3"));
  clickTab(tabs("LesOnglets3"), 1);
  find(QStringLiteral("TXTimport"))->setFocus();
  key(Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_TRUE(shown("Onglet2"));
  key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_TRUE(shown("Onglet1"));
  EXPECT_EQ(man(), 22) << "the room starts afresh, as after a click on the tab";
  key(Qt::Key_6);
  EXPECT_EQ(man(), 23) << "direction keys still reach the board";
  answering<FRMabout>([](FRMabout* box) { box->reject(); }, [&] { key(Qt::Key_PageUp, Qt::ControlModifier); });
  EXPECT_TRUE(shown("Onglet4")) << "from the first page to the last";
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
TEST_F(WindowTest, TheGameTabStartsPlayOverSoEveryRecordReplaysTheRoom) {
  start();
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(shown(QStringLiteral("Onglet%1").arg(k)), k == 1) << "page " << k;
  for (const char* later : {"Onglet2_2", "Onglet3_2", "Onglet3_3"}) EXPECT_TRUE(find(later)->isHidden()) << later;
  key(Qt::Key_6);
  board().resetPaintedRegion();
  clickMainTab(1);  // the tab shown reloads nothing
  EXPECT_EQ(man(), 23);
  // On the board the couple mark on 34 shows: its tile differs from the plain floor of 33.
  ASSERT_NE(tileImage(board(), 34), tileImage(board(), 33));

  // "Option" paints the stored room, without marks, and leaves the hidden board alone.
  clickMainTab(3);
  key(Qt::Key_4);  // the man does not move off the "Game" page
  EXPECT_EQ(board().tilesPainted(), 0);
  PictureArea& canvas = picture("PICedit");
  EXPECT_EQ(tileImage(canvas, 34), tileImage(canvas, 33));
  EXPECT_EQ(tileImage(canvas, 22), tileImage(board(), 23));  // the man, on the stored cell
  QTabBar* inner = tabs("LesOnglets2");
  clickTab(inner, 1);
  EXPECT_TRUE(shown("Onglet2_2") && !shown("Onglet2_1"));
  canvas.resetPaintedRegion();
  clickTab(inner, 0);
  EXPECT_TRUE(shown("Onglet2_1"));
  EXPECT_EQ(canvas.tilesPainted(), 100);
  canvas.resetPaintedRegion();
  clickTab(inner, 0);
  EXPECT_EQ(canvas.tilesPainted(), 0);
  clickTab(tabs("LesOnglets3"), 2);
  EXPECT_TRUE(shown("Onglet3_3") && !shown("Onglet3_1"));

  // Back on "Game" from "Option" or "Room", the room starts over (what a start restores, and
  // that a record then replays, is the core's to check).
  clickMainTab(1);
  EXPECT_EQ(man(), 22);
  EXPECT_EQ(board().tilesPainted(), 100);
  EXPECT_EQ(caption("BTmoveValue"), "0");
  keys("66");
  clickMainTab(2);
  clickMainTab(1);
  EXPECT_EQ(man(), 22);
}

// Completion and its record, and the records listed under the previews.
QStringList row(const QTreeView& list, int index) {
  const QAbstractItemModel& model = *list.model();
  QStringList texts;
  for (int column = 0; column < 3; ++column) texts << model.index(index, column).data().toString();
  return texts;
}

TEST_F(WindowTest, CompletingARoomRecordsTimeSolutionMovesAndTheNameTyped) {
  FRMain& w = start();
  const RoomRecord& stored = w.state().house.rooms[0];
  clockMs += 65'000;
  keys("66");
  {
    DialogScript script;
    script.then<QInputDialog>([&](QInputDialog* prompt) {
      EXPECT_EQ(prompt->windowTitle(), "It's a new record");
      EXPECT_GE(prompt->width(), titleWidth(prompt->windowTitle())) << "the whole title shows";
      // What is typed into the prompt is the player's name, not the man's steps; a character
      // the house file cannot hold is left out (the field's validator sees typed and pasted
      // text alike), and the prompt says so.
      auto* edit = prompt->findChild<QLineEdit*>();
      EXPECT_TRUE(edit->text().isEmpty());
      QTest::keyClicks(edit, "Zo");
      QApplication::clipboard()->setText(QString::fromUtf8("\u00EB\u540D\u524Dx"));
      QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
      EXPECT_EQ(prompt->textValue(), QString::fromUtf8("Zo\u00EBx"));
      QTest::keyClick(edit, Qt::Key_4, Qt::KeypadModifier);
      QTest::keyClick(edit, Qt::Key_Backspace);
      EXPECT_EQ(prompt->textValue(), QString::fromUtf8("Zo\u00EBx"));
      const auto* note = prompt->findChild<QLabel*>(QStringLiteral("nameNote"));
      EXPECT_TRUE(note->isVisible() && note->text().contains(QString::fromUtf8("\u524D")))
          << note->text().toStdString();
      EXPECT_EQ(man(), 25);
      // A character taken out between two spaces leaves one of them.
      QApplication::clipboard()->setText(QString::fromUtf8(" \u540D y"));
      QTest::keyClick(edit, Qt::Key_End);
      QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
      EXPECT_EQ(prompt->textValue(), QString::fromUtf8("Zo\u00EBx y"));
      // Each character left out is said once, the first eight of them.
      QApplication::clipboard()->setText(
          QString::fromUtf8("\u540D\u540D\u540D\u524D\u4E00\u4E8C\u4E09\u56DB\u4E94\u516D\u4E03\u516Bz"));
      QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
      EXPECT_EQ(note->text(), QString::fromUtf8("Left out: \u540D\u524D\u4E00\u4E8C\u4E09\u56DB\u4E94\u516D\u2026 "
                                                "(a house file cannot hold them)"));
      QTest::keyClick(edit, Qt::Key_Backspace);
      QTest::keyClick(edit, Qt::Key_Return);
    });
    key(Qt::Key_6);  // the last push covers the goal
  }
  EXPECT_EQ(records(stored), Texts{"Zo\u00EBx y|3|01:05|rRR"});
  EXPECT_EQ(caption("BTgoalValue"), "1/1");

  // A restart keeps the records and the clock starts again; a cancelled prompt records an
  // empty name after the first.
  click("BTrecommence");
  clockMs += 7'000;
  tick();
  EXPECT_EQ(caption("BTtimeValue"), "00:07");
  answering<QInputDialog>(reject, [&] { keys("666"); });
  EXPECT_EQ(records(stored), (Texts{"Zo\u00EBx y|3|01:05|rRR", "|3|00:07|rRR"}));
}

TEST_F(WindowTest, AtTheHouseRecordBoundACompletionSaysWhyItMakesNoRecordAndAsksNoName) {
  RoomText full = kPushRoom;
  full.records.assign(kMaxHouseRecords - 2, RecordFields{});
  writeFile("default.hou", houseFile("Full", {full, kRecordRoom}));
  FRMain& w = start();
  {
    DialogScript noPrompt;
    keys("666");
  }
  EXPECT_EQ(find<QLabel>(QStringLiteral("LBstatus"))->text(), "no record: the house is full (200000 records)");
  EXPECT_EQ(w.state().house.rooms[0].recordCount(), static_cast<std::size_t>(kMaxHouseRecords - 2));
}

TEST_F(WindowTest, APreviewClickListsThatRoomsRecords) {
  start();
  clickMainTab(2);
  auto& list = *find<QTreeView>(QStringLiteral("LVrecord"));
  const QAbstractItemModel& model = *list.model();
  QTest::mouseClick(find(QStringLiteral("PICpreview1")), Qt::RightButton);  // any button will do
  ASSERT_EQ(model.rowCount(), 2);
  EXPECT_EQ(row(list, 1), (QStringList{"Bob", "4", "00:12"}));
  EXPECT_EQ(caption("BTnumPiece"), "1/3");  // the click starts no room
  QTest::qWait(20);
  EXPECT_FALSE(list.horizontalScrollBar()->isVisible()) << "the three columns fit";
  EXPECT_GE(list.header()->sectionSize(1), list.fontMetrics().horizontalAdvance(QStringLiteral("123")));

  QTest::mouseClick(find(QStringLiteral("PICpreview5")), Qt::LeftButton);  // a slot past the house's rooms
  EXPECT_EQ(model.rowCount(), 0);
}

// A click on a header sorts the records by its column (moves and times as numbers); before any,
// they stand in the order made. The list names its room, and a record sorted elsewhere replays.
TEST_F(WindowTest, TheRecordListSortsByItsColumnsAndNamesItsRoom) {
  RoomText room = kRecordRoom;
  room.records = {{"bea", "10", "61:01", "rD"}, {"Al", "9", "9:59", "rD"}, {"Cy", "100", "10:00", "durD"}};
  writeFile("default.hou", houseFile("Sorted", {kPushRoom, room}));
  start();
  clickMainTab(2);
  auto& list = *find<QTreeView>(QStringLiteral("LVrecord"));
  QTest::mouseClick(find(QStringLiteral("PICpreview1")), Qt::LeftButton);
  EXPECT_EQ(text("LBlisted"), "Records of room 2");
  const auto column = [&](int c) {
    QStringList texts;
    for (int r = 0; r < list.model()->rowCount(); ++r) texts << list.model()->index(r, c).data().toString();
    return texts;
  };
  EXPECT_EQ(column(0), (QStringList{"bea", "Al", "Cy"})) << "the order made";
  for (int c = 0; c < 3; ++c) {
    EXPECT_EQ(list.model()->headerData(c, Qt::Horizontal).toString(), (QStringList{"Name", "Move", "Time"})[c]);
  }
  const auto clickHeader = [&](int c) {
    QHeaderView* header = list.header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(c) + header->sectionSize(c) / 2, header->height() / 2));
  };
  clickHeader(1);
  EXPECT_EQ(column(1), (QStringList{"9", "10", "100"}));
  clickHeader(2);
  EXPECT_EQ(column(2), (QStringList{"9:59", "10:00", "61:01"}));
  clickHeader(0);
  EXPECT_EQ(column(0), (QStringList{"Al", "bea", "Cy"})) << "whatever the case";

  // The last row is Cy's: its solution replays on the "Game" page.
  const QPoint at = list.visualRect(list.model()->index(2, 0)).center();
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);  // a double click is on the row pressed first
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
  EXPECT_TRUE(waitFor([&] { return caption("BTnumPiece") == "2/2" && moves() == 4; }));
}

// With the keyboard alone: the Room page, a preview reached by Tab and moved on by the arrows,
// its records listed by Enter and one replayed by Enter; the control with the focus is framed.
TEST_F(WindowTest, TheKeyboardReachesAPreviewItsRecordsAndAReplayAndTheFocusIsFramed) {
  start();
  key(Qt::Key_PageDown, Qt::ControlModifier);
  ASSERT_TRUE(shown(QStringLiteral("Onglet2")));
  const auto tabUntil = [&](const QString& name) {
    for (int k = 0;
         k < 40 && (QApplication::focusWidget() == nullptr || QApplication::focusWidget()->objectName() != name); ++k)
      key(Qt::Key_Tab, Qt::NoModifier);
    return QApplication::focusWidget() != nullptr && QApplication::focusWidget()->objectName() == name;
  };
  ASSERT_TRUE(tabUntil(QStringLiteral("PICpreview0")));
  QWidget* mark = find(QStringLiteral("focusMark"));
  EXPECT_TRUE(mark->isVisible());
  EXPECT_TRUE(mark->geometry().contains(find(QStringLiteral("PICpreview0"))->geometry()));
  key(Qt::Key_Right, Qt::NoModifier);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "PICpreview1");
  EXPECT_TRUE(mark->geometry().contains(find(QStringLiteral("PICpreview1"))->geometry()));
  key(Qt::Key_Return, Qt::NoModifier);
  EXPECT_EQ(text("LBlisted"), "Records of room 2");

  ASSERT_TRUE(tabUntil(QStringLiteral("LVrecord")));
  key(Qt::Key_Down, Qt::NoModifier);
  key(Qt::Key_Return, Qt::NoModifier);
  EXPECT_TRUE(shown(QStringLiteral("Onglet1")));
  EXPECT_EQ(caption("BTnumPiece"), "2/3");
  EXPECT_TRUE(waitFor([&] { return moves() > 0; })) << "the record replays";
}

}  // namespace
}  // namespace tarvo::test
