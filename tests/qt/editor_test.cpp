// The editor on the real widgets: palette and canvas under each mouse button, the room choice,
// the store with its preview, a shift, export and import, and the room check on the worker
// thread.
#include <QClipboard>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSignalSpy>

#include "platform/solver_run.h"
#include "room_builder.h"
#include "window_harness.h"

namespace tarvo::test {
namespace {

class EditorTest : public WindowTest {
 protected:
  FRMain& openEditor() {
    FRMain& w = start();
    clickMainTab(3);
    return w;
  }

  // The centre of a canvas cell, in the widget's own pixels.
  static QPoint cell(int index) { return {(index % 10) * 32 + 16, (index / 10) * 32 + 16}; }

  void press(QWidget* widget, Qt::MouseButton button, QPoint at) { QTest::mousePress(widget, button, {}, at); }
  // A drag step: a move with `held` buttons down, as a real drag reports it.
  void drag(QWidget* widget, Qt::MouseButtons held, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
  }
  void release(const QString& name, Qt::MouseButton which) { QTest::mouseClick(button(name), which); }

  const CellArray& cells() const { return edited().cells; }
  QImage largeTile(std::int32_t code) const {
    const Tile tile = *tileOf(code);
    return QImage(QStringLiteral(":/art/sprites32.png")).copy(tile.column * 32, tile.row * 32, 32, 32);
  }
};

TEST_F(EditorTest, ThePaletteGivesEachButtonItsCodeAndTheCanvasPaintsWithIt) {
  openEditor();
  auto* palette = find<QLabel>(QStringLiteral("PICsprites"));
  PictureArea& canvas = picture("PICedit");
  press(palette, Qt::LeftButton, slot(3, 0));   // goal
  press(palette, Qt::RightButton, slot(2, 2));  // box
  press(palette, Qt::RightButton, slot(0, 1));  // a blank slot keeps the box
  press(palette, Qt::MiddleButton, slot(1, 0));
  EXPECT_EQ(find<QLabel>(QStringLiteral("PICsprite1"))->pixmap().toImage(),
            largeTile(GOAL).convertToFormat(QImage::Format_RGB32));

  canvas.resetPaintedRegion();
  press(&canvas, Qt::RightButton, cell(33));
  drag(&canvas, Qt::LeftButton, cell(36));
  drag(&canvas, Qt::LeftButton | Qt::RightButton, cell(35));  // two buttons paint nothing
  drag(&canvas, Qt::LeftButton, {330, 100});                  // past the right edge
  EXPECT_EQ(cells()[33], BOX);
  EXPECT_EQ(cells()[36], GOAL);
  EXPECT_EQ(cells()[35], FLOOR);
  EXPECT_EQ(canvas.paintedRegion(), tiles({33, 36})) << "single tiles, not the whole room";
  EXPECT_EQ(tileImage(canvas, 33), largeTile(BOX).convertToFormat(tileImage(canvas, 33).format()));

  // The man is placed by a press, never by a drag; another frame shown, nothing paints.
  press(palette, Qt::LeftButton, slot(2, 1));
  drag(&canvas, Qt::LeftButton, cell(34));
  EXPECT_EQ(edited().man, 22);
  press(&canvas, Qt::LeftButton, cell(32));
  EXPECT_EQ(edited().man, 32);
  clickTab(tabs("LesOnglets3"), 2);
  press(&canvas, Qt::LeftButton, cell(35));
  EXPECT_EQ(cells()[35], FLOOR);
}

TEST_F(EditorTest, EachMouseButtonOnTheRoomButtonsChoosesCountsOrReloads) {
  FRMain& w = openEditor();
  const HouseRecord& house = w.state().house;
  // The core checks the wrap and the bounds of the count; here each button reaches its command.
  release("BTeditPlus", Qt::LeftButton);
  EXPECT_EQ(caption("BTeditNum"), "2");
  EXPECT_EQ(edited().man, house.rooms[1].man);
  release("BTeditMoins", Qt::LeftButton);
  release("BTeditMoins", Qt::LeftButton);
  EXPECT_EQ(caption("BTeditNum"), "3");
  release("BTeditPlus", Qt::RightButton);
  EXPECT_EQ(house.roomCount, 4);
  release("BTeditMoins", Qt::RightButton);
  EXPECT_EQ(house.roomCount, 3);
  // Any other button reloads the room: unstored painting is gone.
  press(find<QLabel>(QStringLiteral("PICsprites")), Qt::LeftButton, slot(1, 0));
  press(&picture("PICedit"), Qt::LeftButton, cell(23));
  ASSERT_EQ(cells()[23], WALL);
  release("BTeditMoins", Qt::MiddleButton);
  EXPECT_EQ(cells()[23], BOX);
  EXPECT_EQ(caption("BTnumPiece"), "1/3") << "the Game page follows when it is shown";
  clickMainTab(1);
  EXPECT_EQ(caption("BTnumPiece"), "3/3");
}

// tarvo_widget_bench times the paste and the import.
TEST_F(EditorTest, AHugePasteIsCutToWhatTheImportBoxHolds) {
  openEditor();
  clickTab(tabs("LesOnglets3"), 1);
  auto* box = find<QPlainTextEdit>(QStringLiteral("TXTimport"));
  box->setPlainText(QStringLiteral("@"));
  box->moveCursor(QTextCursor::End);
  QApplication::clipboard()->setText(QString(10 << 20, QLatin1Char('#')));  // 10 MB on one line
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  const QString note = text("editStatus");
  click("BTimport");
  EXPECT_EQ(note, "the paste of 10,485,760 characters was cut to 65,535: the box holds 65,536");
  EXPECT_EQ(box->toPlainText().size(), 65536);
  EXPECT_EQ(edited().man, 0);
  EXPECT_EQ(cells()[9], WALL);

  // Ctrl+V on the page reads no more of the clipboard than the box would hold.
  box->clearFocus();
  QTest::keyClick(&picture("PICedit"), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(text("editStatus"),
            "nothing pasted: \"Room 1\" is too large: 65536 x 1 (of the clipboard's 10,485,760 "
            "characters, the first 65,536 were read)");

  // A character of two UTF-16 units where the box is full goes whole or not at all.
  box->setPlainText(QString(65534, QLatin1Char('#')));
  box->moveCursor(QTextCursor::End);
  QApplication::clipboard()->setText(QString::fromUtf8("#\U0001F600#"));
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box->toPlainText(), QString(65535, QLatin1Char('#')));
}

// Unstored work never reaches the house: the page walk checks that after every step.
TEST_F(EditorTest, ExportImportAndAShiftStayOnThePageAndAStoreShowsInThePreview) {
  FRMain& w = openEditor();
  click("BTexport");
  auto* box = find<QPlainTextEdit>(QStringLiteral("TXTimport"));
  EXPECT_EQ(box->toPlainText().toStdString().substr(22, 11), "-#@ $ .#--\n");
  box->setPlainText(QStringLiteral("#####\n#@$.#\n#####"));
  click("BTimport");
  EXPECT_EQ(cells()[12], BOX);
  EXPECT_EQ(text("editStatus"), "imported rows 1-10; rows 4-10 empty (floor)");
  clickMainTab(1);
  clickMainTab(3);  // the editor takes the stored room afresh

  // A goal on 36 and a box on 33, a shift right and back left, then the store: the preview
  // shows the room at once.
  auto* palette = find<QLabel>(QStringLiteral("PICsprites"));
  press(palette, Qt::LeftButton, slot(3, 0));
  press(palette, Qt::RightButton, slot(2, 2));
  press(&picture("PICedit"), Qt::LeftButton, cell(36));
  press(&picture("PICedit"), Qt::RightButton, cell(33));
  clickTab(tabs("LesOnglets3"), 2);
  click("BTright");
  EXPECT_EQ(edited().man, 23);
  click("BTleft");
  click("BTeditSave");
  EXPECT_EQ(*w.state().house.rooms[0].goals, (Codes{26, 36}));
  const QImage preview = picture("PICpreview0").picture().toImage();
  const QImage small(QStringLiteral(":/art/sprites8.png"));
  EXPECT_EQ(preview.copy(6 * 8, 3 * 8, 8, 8), small.copy(3 * 8, 0, 8, 8).convertToFormat(preview.format()));
}

// A store that would drop records asks first, Cancel the default: Cancel stores nothing and says
// so, Store drops them and says how many went.
TEST_F(EditorTest, AStoreThatDropsRecordsAsksAndCancelStoresNothing) {
  FRMain& w = openEditor();
  release("BTeditPlus", Qt::LeftButton);  // room 2: "rD" and "durD"
  press(find<QLabel>(QStringLiteral("PICsprites")), Qt::LeftButton, slot(1, 0));
  press(&picture("PICedit"), Qt::LeftButton, cell(33));  // a wall where "durD" steps
  for (const bool store : {false, true}) {
    QString asked;
    answering<QMessageBox>(
        [&](QMessageBox* box) {
          asked = box->text();
          EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Cancel));
          for (QAbstractButton* answer : box->buttons()) {
            if ((answer->text() == QStringLiteral("Store")) == store) answer->click();
          }
        },
        [&] { click("BTeditSave"); });
    EXPECT_EQ(asked, "Room 2 has 1 record that does not solve the changed room. Store it and drop it?");
    EXPECT_EQ(w.state().house.rooms[1].recordCount(), store ? 1u : 2u);
    EXPECT_EQ(w.state().house.rooms[1].cells[33], store ? WALL : FLOOR);
    EXPECT_EQ(text("editStatus"),
              store ? "room 2 stored: 1 man, 1 box, 1 goal; 1 record kept, 1 dropped" : "nothing stored");
  }
}

// In room 2 the box sits in a corner.
class RoomCheckTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    const RoomText stuck{
        {"----------", "-#####----", "-#$  #----", "-#  @#----", "-#  .#----", "-#####----"}, "", "", {}};
    writeFile("default.hou", houseFile("Checks", {kPushRoom, stuck}));
  }
  SolverRun* run() const { return find<SolverRun>(QStringLiteral("checkRun")); }

  // Presses "Check" and waits for the search to answer.
  QString checked() {
    QSignalSpy answered(run(), &SolverRun::finished);
    click("BTcheck");
    EXPECT_EQ(caption("BTcheck"), "Cancel");
    EXPECT_TRUE(answered.wait(10000)) << text("editStatus").toStdString();
    EXPECT_EQ(caption("BTcheck"), "Check");
    return text("editStatus");
  }
};

TEST_F(RoomCheckTest, CheckAnswersForTheRoomOnTheStatusLineAndAnEditOrLeavingThePageCancelsIt) {
  openEditor();
  expectOverlapsNothing(button("BTcheck"));
  expectOverlapsNothing(find<QLabel>(QStringLiteral("editStatus")));
  EXPECT_EQ(checked(), "1 man, 1 box, 1 goal, closed: solvable in 2 pushes, 3 moves");
  release("BTeditPlus", Qt::LeftButton);
  EXPECT_EQ(text("editStatus"), "") << "the answer was for another room";
  EXPECT_EQ(checked(), "1 man, 1 box, 1 goal, closed: not solvable");

  release("BTeditMoins", Qt::LeftButton);
  QSignalSpy answered(run(), &SolverRun::finished);
  press(find<QLabel>(QStringLiteral("PICsprites")), Qt::LeftButton, slot(1, 0));
  click("BTcheck");
  ASSERT_EQ(caption("BTcheck"), "Cancel");
  press(&picture("PICedit"), Qt::LeftButton, cell(33));
  EXPECT_EQ(caption("BTcheck"), "Check");
  EXPECT_EQ(text("editStatus"), "1 man, 1 box, 1 goal, closed: check cancelled: the room changed");
  EXPECT_FALSE(answered.wait(200)) << "no answer comes for the room that was";

  click("BTcheck");
  clickTab(tabs("LesOnglets2"), 1);
  clickTab(tabs("LesOnglets2"), 0);
  EXPECT_FALSE(run()->running());
  EXPECT_EQ(caption("BTcheck"), "Check");
  click("BTcheck");
  clickMainTab(1);  // the Game page, where play starts the room afresh
  EXPECT_FALSE(run()->running());
  EXPECT_FALSE(answered.wait(200));
}

}  // namespace
}  // namespace tarvo::test
