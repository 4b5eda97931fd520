// The main window on a folder of house files written by the test, with a clock the test moves,
// and the means to click its tabs, read its board and answer its dialogs.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "house/house_writer.h"
#include "platform/picture_area.h"
#include "platform/tab_strip.h"
#include "room_builder.h"
#include "window/edit_page.h"
#include "window/frmain.h"
#include "window/help_page.h"

// Readable failure messages for Qt's strings.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QRect& rect, std::ostream* out) {
  *out << rect.x() << ',' << rect.y() << ' ' << rect.width() << 'x' << rect.height();
}
inline void PrintTo(const QStringList& texts, std::ostream* out) {
  *out << '{' << texts.join(QStringLiteral("\", \"")).prepend('"').append('"').toStdString() << '}';
}

namespace tarvo::test {

struct RoomText {
  std::vector<std::string> rows;      // up to ten rows of up to ten symbols; the rest is outside
  std::string places;                 // "24;35;"
  std::string couples;                // "24,34;"
  std::vector<RecordFields> records;  // {"Ann", "5", "00:07", "rD"}
};

// A house file of these rooms, as the game writes one.
inline QByteArray houseFile(const std::string& name, const std::vector<RoomText>& rooms) {
  HouseRecord house = emptyHouse();
  house.houseName = name;
  house.roomCount = static_cast<int>(rooms.size());
  for (std::size_t r = 0; r < rooms.size(); ++r) {
    RoomRecord& room = house.rooms[r] = roomFromRows(rooms[r].rows, rooms[r].places, rooms[r].couples);
    for (const RecordFields& record : rooms[r].records) room.records->add(record);
  }
  return QByteArray::fromStdString(writeHouse(house));
}

// Room 1: the man at 22, a box at 24 and its goal at 26, so "r R R" solves it. The couples
// (24,34) and (25,35) put a mark on 34 at the start; the first push moves it to 35.
inline const RoomText kPushRoom{
    {"----------", "-#######--", "-#@ $ .#--", "-#     #--", "-#######--"}, "", "24,34;25,35;", {}};
// Room 2: the man at 23, the box at 34 over its goal at 44; two records.
inline const RoomText kRecordRoom{{"----------", "--####----", "--#@ #----", "--# $#----", "--# .#----", "--####----"},
                                  "",
                                  "",
                                  {{"Ann", "2", "00:07", "rD"}, {"Bob", "4", "00:12", "durD"}}};
// Room 3: the man at 22 beside the box at 23, the goal at 25.
inline const RoomText kShortRoom{{"----------", "-######---", "-#@$ .#---", "-######---"}, "", "", {}};

inline QByteArray threeRoomHouse() { return houseFile("Three Rooms", {kPushRoom, kRecordRoom, kShortRoom}); }

// Answers, in order, the modal dialogs that the next action opens. Each step waits for a modal
// widget of its type and must close it; a dialog nobody expected is closed and reported, so a
// failing test never hangs on exec().
class DialogScript {
 public:
  DialogScript() {
    poll_.setInterval(10);
    QObject::connect(&poll_, &QTimer::timeout, [this] { step(); });
    poll_.start();
    waiting_.start();
  }
  ~DialogScript() { EXPECT_TRUE(steps_.empty()) << steps_.size() << " expected dialog(s) never opened"; }

  template <typename Dialog>
  DialogScript& then(std::function<void(Dialog*)> handler) {
    steps_.push_back([handler](QWidget* widget) {
      auto* dialog = qobject_cast<Dialog*>(widget);
      if (dialog != nullptr) handler(dialog);
      return dialog != nullptr;
    });
    return *this;
  }

  bool finished() const { return steps_.empty(); }

 private:
  void step() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible() || modal == handled_) return;
    if (!steps_.empty() && steps_.front()(modal)) {
      steps_.pop_front();
      handled_ = modal;
      waiting_.restart();
    } else if (waiting_.elapsed() > 5000) {
      const auto* box = qobject_cast<QMessageBox*>(modal);
      ADD_FAILURE() << "an unexpected dialog opened: " << modal->metaObject()->className() << " \""
                    << modal->windowTitle().toStdString() << "\" " << (box != nullptr ? box->text().toStdString() : "");
      modal->close();
    }
  }

  QTimer poll_;
  QElapsedTimer waiting_;
  QPointer<QWidget> handled_;
  std::deque<std::function<bool(QWidget*)>> steps_;
};

// Types the path into the dialog's file name box, as a player would, and accepts.
inline std::function<void(QFileDialog*)> chooseFile(const QString& path, const QString& title) {
  return [path, title](QFileDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), title);
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    // The file offered from the last use stays selected in the list unless the name box has
    // the focus, which an offscreen window never gets: drop it first.
    for (auto* view : dialog->findChildren<QAbstractItemView*>()) view->clearSelection();
    name->setText(path);
    static_cast<QDialog*>(dialog)->accept();  // QFileDialog's own accept() is protected
  };
}

// The width a dialog needs to show its whole title under a window manager: the title in the
// application font and the title bar's own buttons.
inline int titleWidth(const QString& title) {
  return QFontMetrics(QApplication::font()).horizontalAdvance(title) + 120;
}

// A control added to a page of fixed places covers no other control of that page.
inline void expectOverlapsNothing(const QWidget* control) {
  for (const QObject* child : control->parentWidget()->children()) {
    const auto* sibling = qobject_cast<const QWidget*>(child);
    if (sibling != nullptr && sibling != control && !sibling->isWindow()) {
      EXPECT_FALSE(sibling->geometry().intersects(control->geometry()))
          << control->objectName().toStdString() << " covers " << sibling->metaObject()->className() << " "
          << sibling->objectName().toStdString();
    }
  }
}

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    writeFile("default.hou", threeRoomHouse());
  }

  // Opens the window on the folder, shown and exposed as a player sees it.
  FRMain& start() {
    FRMain::Options options;
    options.programFolder = folder.path();
    options.clock = [this] { return clockMs; };
    options.budget = budget;
    options.zoom = zoom;
    options.mostZoom = mostZoom;
    options.progressFile = progressFile;
    window = std::make_unique<FRMain>(std::move(options));
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return *window;
  }

  QString path(const QString& name) const { return folder.filePath(name); }

  void writeFile(const QString& name, const QByteArray& bytes) {
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  QByteArray readFile(const QString& name) const {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  // The window's controls by the names they carry; those of the pages built after the first frame
  // are waited for.
  template <typename Widget = QWidget>
  Widget* find(const QString& name) const {
    Widget* widget = nullptr;
    const bool found = QTest::qWaitFor([&] { return (widget = window->findChild<Widget*>(name)) != nullptr; }, 2000);
    EXPECT_TRUE(found) << "no control " << name.toStdString();
    return widget;
  }
  QPushButton* button(const QString& name) const { return find<QPushButton>(name); }
  QString caption(const QString& name) const { return button(name)->text(); }
  QString text(const QString& label) const { return find<QLabel>(label)->text(); }
  PictureArea& picture(const QString& name) const { return *find<PictureArea>(name); }
  PictureArea& board() const { return picture(QStringLiteral("PICroom")); }
  QTabBar* tabs(const QString& strip) const { return find<TabStrip>(strip)->tabBar(); }
  bool shown(const QString& page) const { return find(page)->isVisible(); }

  void clickTab(QTabBar* strip, int index) {
    QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(index).center());
  }
  void clickMainTab(int page) { clickTab(tabs(QStringLiteral("LesOnglets")), page - 1); }
  void click(const QString& name) { QTest::mouseClick(button(name), Qt::LeftButton); }

  // A key as the keypad sends it with Num Lock on unless told otherwise, to whatever has the
  // keyboard focus, as a player's key goes.
  void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::KeypadModifier) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : window.get(), key, modifiers);
  }

  // Keypad digits, one key each: "66" is two steps right.
  void keys(const std::string& digits) {
    for (char digit : digits) key(Qt::Key(Qt::Key_0 + digit - '0'));
  }

  // Drags the file of that name onto the window and drops it, as a file manager does. False when
  // the window refuses the drag. The file opens once the drop is over.
  bool dropFile(const QString& name) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path(name))});
    QDragEnterEvent enter({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &dropped);
    return true;
  }

  // The editor's room as "<==" writes it into the import box, from the "Import" frame.
  QString exported() {
    clickTab(tabs(QStringLiteral("LesOnglets3")), 1);
    click(QStringLiteral("BTexport"));
    return find<QPlainTextEdit>(QStringLiteral("TXTimport"))->toPlainText();
  }

  // Does `action`, giving the one dialog of type Dialog that it opens to `answer`.
  template <typename Dialog>
  void answering(std::function<void(Dialog*)> answer, const std::function<void()>& action) {
    DialogScript script;
    script.then<Dialog>(std::move(answer));
    action();
  }
  static void reject(QDialog* dialog) { dialog->reject(); }

  // Lets the one-second clock tick now.
  void tick() {
    auto* timer = find<QTimer>(QStringLiteral("TimerMain"));
    timer->setInterval(0);
    QTest::qWait(20);
    timer->setInterval(1000);
  }

  // The editor's room, as painted and not stored yet, the help page's room, and the centre of a
  // slot of the editor's palette.
  const WorkingRoom& editorWork() const { return find<EditPage>(QStringLiteral("Onglet2_1"))->workingRoom(); }
  const RoomRecord& edited() const { return editorWork().room; }
  const WorkingRoom& helpWork() const { return find<HelpPage>(QStringLiteral("Onglet2_2"))->workingRoom(); }
  static QPoint slot(int column, int row) { return {2 + column * 32 + 16, 2 + row * 32 + 16}; }

  // The help page's tree, a click on one of its nodes, and a press on its board.
  QTreeWidget& helpTree() const { return *find<QTreeWidget>(QStringLiteral("TVhelp")); }
  void clickNode(QTreeWidgetItem* node) {
    if (node->parent() != nullptr) node->parent()->setExpanded(true);
    QTest::mouseClick(helpTree().viewport(), Qt::LeftButton, {}, helpTree().visualItemRect(node).center());
  }
  void pressHelpCell(int cell, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(&picture(QStringLiteral("PIChelp")), button, {}, tile(cell).center());
  }

  int man() const { return window->state().curRoom.man; }
  int moves() const { return window->state().counters.moveCount; }
  bool waitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, 5000); }

  // The board rectangle of a cell at 32 pixels.
  static QRect tile(int cell) { return {(cell % 10) * 32, (cell / 10) * 32, 32, 32}; }
  static QRegion tiles(std::initializer_list<int> cells) {
    QRegion region;
    for (int cell : cells) region += tile(cell);
    return region;
  }
  static QImage tileImage(const PictureArea& area, int cell) { return area.picture().toImage().copy(tile(cell)); }

  // The message box the window shows without blocking, once it is on screen.
  QMessageBox* shownMessage() {
    QMessageBox* shown = nullptr;
    const bool found = QTest::qWaitFor(
        [&] {
          for (QMessageBox* box : window->findChildren<QMessageBox*>()) {
            if (box->isVisible()) shown = box;
          }
          return shown != nullptr;
        },
        2000);
    return found ? shown : nullptr;
  }

  QTemporaryDir folder;
  std::int64_t clockMs = 5'000'000;
  std::optional<solver::Budget> budget;  // the solver's bounds; the window's own when empty
  int zoom = 1;                          // the zoom the window starts at
  std::optional<int> mostZoom;           // the largest zoom; the screen's when empty
  QString progressFile;                  // the player's progress store; none when empty
  std::unique_ptr<FRMain> window;
};

}  // namespace tarvo::test
