// The window's zoom: every control at a whole multiple of its place and font, the pictures crisp,
// the mouse on the right cell, the keys bounded, the dialogs along, and 1x again as never zoomed.
#include <QInputDialog>
#include <QMap>

#include "about/about_box_qt.h"
#include "window/collection_chooser.h"
#include "window_harness.h"

namespace tarvo::test {
namespace {

class ZoomTest : public WindowTest {
 protected:
  // Every named control of the window with all its pages built: its place in the window and its
  // font's size.
  struct Look {
    QRect place;
    qreal fontSize;  // in pixels or in points, as the font was given
  };
  QMap<QString, Look> looks() const {
    for (int page = 2; page <= 3; ++page) tabs(QStringLiteral("LesOnglets"))->setCurrentIndex(page - 1);
    tabs(QStringLiteral("LesOnglets"))->setCurrentIndex(0);
    QMap<QString, Look> all;
    for (const QWidget* control : window->findChildren<QWidget*>()) {
      const QString name = control->objectName();
      // Qt's own parts and those hidden for good (a tab bar's scroll buttons) are left out.
      if (name.isEmpty() || name.startsWith(QStringLiteral("qt_")) || name == QStringLiteral("focusMark") ||
          (control->isHidden() && control->parentWidget() != window.get())) {
        continue;
      }
      const QFont font = control->font();
      all.insert(name, {QRect(control->mapTo(window.get(), QPoint(0, 0)), control->size()),
                        font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF()});
    }
    return all;
  }

  // The widths of the tabs of every strip: each its text's and the style's space around it.
  std::vector<int> tabWidths() const {
    std::vector<int> widths;
    for (const TabStrip* strip : window->findChildren<TabStrip*>()) {
      for (int tab = 0; tab < strip->tabBar()->count(); ++tab) widths.push_back(strip->tabBar()->tabRect(tab).width());
    }
    return widths;
  }

  void ctrl(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier); }
};

TEST_F(ZoomTest, EveryControlTakesTwiceItsPlaceAndFontAndTheBoardIsDrawnCrisp) {
  start();
  const QSize size1x = window->size();
  const QMap<QString, Look> at1x = looks();
  const std::vector<int> tabs1x = tabWidths();
  window.reset();

  zoom = 2;
  mostZoom = 3;
  start();
  EXPECT_EQ(window->size(), size1x * 2);
  const QMap<QString, Look> at2x = looks();
  ASSERT_EQ(at2x.keys(), at1x.keys());
  ASSERT_GE(at1x.size(), 60) << "the controls of every page";
  for (const QString& name : at1x.keys()) {
    const QRect place = at1x[name].place;
    EXPECT_EQ(at2x[name].place, QRect(place.topLeft() * 2, place.size() * 2)) << name.toStdString();
    EXPECT_EQ(at2x[name].fontSize, at1x[name].fontSize * 2) << name.toStdString();
  }
  // A text at twice the size may be a pixel or two off twice its width; the space around it is not.
  const std::vector<int> tabs2x = tabWidths();
  ASSERT_EQ(tabs2x.size(), tabs1x.size());
  for (std::size_t k = 0; k < tabs1x.size(); ++k) EXPECT_NEAR(tabs2x[k], tabs1x[k] * 2, 4) << "tab " << k;

  // Each picture pixel a 2 x 2 square, nothing blended between tiles.
  ASSERT_EQ(board().size(), QSize(640, 640));
  const QImage shown = board().grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage drawn = board().picture().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shown, drawn.scaled(drawn.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

TEST_F(ZoomTest, TheMouseHitsTheCellUnderItOnTheBoardTheCanvasThePaletteAndTheHelpBoard) {
  zoom = 2;
  mostZoom = 2;
  start();
  const auto at2x = [](QPoint point) { return point * 2; };
  QTest::mouseClick(&board(), Qt::LeftButton, {}, at2x(tile(32).center()));
  EXPECT_TRUE(waitFor([&] { return man() == 32; })) << "the man walks to the cell clicked";

  clickMainTab(3);
  QTest::mousePress(find<QLabel>(QStringLiteral("PICsprites")), Qt::LeftButton, {}, at2x(slot(3, 0)));  // goal
  QTest::mousePress(&picture(QStringLiteral("PICedit")), Qt::LeftButton, {}, at2x(tile(36).center()));
  EXPECT_EQ(edited().cells[36], GOAL);
  EXPECT_EQ(edited().cells[35], FLOOR);

  clickTab(tabs(QStringLiteral("LesOnglets2")), 1);
  clickNode(helpTree().topLevelItem(0)->child(0));  // the single places
  const int before = helpWork().room.forbPlaceCount;
  QTest::mouseClick(&picture(QStringLiteral("PIChelp")), Qt::LeftButton, {}, at2x(tile(23).center()));
  ASSERT_EQ(helpWork().room.forbPlaceCount, before + 1);
  EXPECT_EQ(helpWork().room.forbPlaces[static_cast<std::size_t>(before + 1)], 23);
}

TEST_F(ZoomTest, TheKeysStepBetweenOneAndTheLargestZoomAndCtrl0BringsBackTheWindowNeverZoomed) {
  // The window never zoomed, on each page.
  const auto pages = [&] {
    std::vector<QImage> shots;
    for (int page : {2, 3, 1}) {
      clickMainTab(page);
      shots.push_back(window->grab().toImage());
    }
    clickTab(tabs(QStringLiteral("LesOnglets2")), 1);
    clickMainTab(3);
    shots.push_back(window->grab().toImage());
    clickTab(tabs(QStringLiteral("LesOnglets2")), 0);
    clickMainTab(1);
    return shots;
  };
  start();
  const QSize size1x = window->size();
  const std::vector<QImage> never = pages();
  window.reset();

  mostZoom = 3;
  start();
  const std::vector<std::pair<Qt::Key, int>> steps = {{Qt::Key_Plus, 2},  {Qt::Key_Equal, 3}, {Qt::Key_Plus, 3},
                                                      {Qt::Key_Minus, 2}, {Qt::Key_0, 1},     {Qt::Key_Minus, 1},
                                                      {Qt::Key_Equal, 2}};
  for (const auto& [key, factor] : steps) {
    ctrl(key);
    EXPECT_EQ(window->size(), size1x * factor) << "after Ctrl+" << QKeySequence(key).toString().toStdString();
  }
  EXPECT_EQ(man(), window->state().house.rooms[0].man) << "no zoom key moves the man";
  pages();  // every page built and shown at 2x
  ctrl(Qt::Key_0);
  const std::vector<QImage> back = pages();
  const char* names[] = {"Room", "Option: Edit", "Game", "Option: Help Info"};
  for (std::size_t k = 0; k < never.size(); ++k) EXPECT_TRUE(back[k] == never[k]) << names[k];
}

TEST_F(ZoomTest, TheAboutBoxTheNamePromptTheChooserAndTheMessagesOpenAtTheWindowsZoom) {
  writeFile("default.hou", houseFile("Won", {kShortRoom}));
  QByteArray rooms;  // more than a house holds: the chooser opens
  for (int k = 0; k < 17; ++k) rooms += "#####\n#@$.#\n#####\n\n";
  writeFile("rooms.txt", rooms);
  struct Look {
    QSize size;
    qreal fontSize;
  };
  // Each dialog as it opens over the window started at `factor`.
  const auto dialogs = [&](int factor) {
    zoom = factor;
    mostZoom = factor;
    start();
    std::vector<Look> seen;
    const auto note = [&](QWidget* dialog) {
      seen.push_back({dialog->size(), dialog->font().pointSizeF()});
      static_cast<QDialog*>(dialog)->reject();
    };
    answering<FRMabout>(note, [&] { clickMainTab(4); });
    clickMainTab(1);
    answering<QInputDialog>(note, [&] { keys("66"); });
    // The record just made is not on disk: the drop asks first.
    DialogScript drop;
    drop.then<QMessageBox>([&](QMessageBox* question) {
          seen.push_back({question->size(), question->font().pointSizeF()});
          for (QAbstractButton* answer : question->buttons()) {
            if (answer->text() == QStringLiteral("Open")) answer->click();
          }
        })
        .then<CollectionChooser>(note);
    EXPECT_TRUE(dropFile(QStringLiteral("rooms.txt")));
    EXPECT_TRUE(waitFor([&] { return drop.finished(); }));
    window.reset();
    return seen;
  };
  const std::vector<Look> at1x = dialogs(1);
  const std::vector<Look> at2x = dialogs(2);
  ASSERT_EQ(at1x.size(), 4U);
  ASSERT_EQ(at2x.size(), 4U);
  const char* names[] = {"About", "name prompt", "question", "chooser"};
  for (std::size_t k = 0; k < at1x.size(); ++k) {
    EXPECT_EQ(at2x[k].fontSize, at1x[k].fontSize * 2) << names[k];
    // The About box and the chooser have sizes of their own; the others fit their text.
    if (k == 0 || k == 3) {
      EXPECT_EQ(at2x[k].size, at1x[k].size * 2) << names[k];
    }
  }
}

}  // namespace
}  // namespace tarvo::test
