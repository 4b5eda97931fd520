// How fast the real widgets answer on the largest inputs a player gives them: the chooser of a
// collection of 100,000 rooms, the record list of a room with 100,000 records, and a paste of
// 10 MB into the import box followed by the import. Each figure is the median of a few runs
// (5 unless a number is given), printed with the bound it should stay under; the program ends
// with 1 when a median passes its bound, and with 2 when a run did not do the work it times.
// It runs offscreen unless QT_QPA_PLATFORM says otherwise.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "house/house_writer.h"
#include "platform/look.h"
#include "platform/sprite_sheets.h"
#include "platform/tab_strip.h"
#include "roomtext/room_collection.h"
#include "window/collection_chooser.h"
#include "window/frmain.h"

namespace {

using tarvo::FRMain;

constexpr int kRooms = 100'000;
constexpr int kRecords = 100'000;
constexpr int kPastedCharacters = 10 << 20;
constexpr int kImportBoxCharacters = 65'536;

[[noreturn]] void fail(const std::string& why) {
  std::fprintf(stderr, "tarvo_widget_bench: %s\n", why.c_str());
  std::exit(2);
}

qint64 median(int runs, const std::function<qint64()>& run) {
  std::vector<qint64> times;
  for (int k = 0; k < runs; ++k) times.push_back(run());
  std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
  return times[static_cast<std::size_t>(runs / 2)];
}

// Prints the figure and says whether it is within its bound.
bool report(const std::string& what, qint64 ms, qint64 bound) {
  std::printf("%s in %lld ms (bound %lld ms)\n", what.c_str(), static_cast<long long>(ms),
              static_cast<long long>(bound));
  std::fflush(stdout);
  return ms <= bound;
}

// The window's controls by their names; the pages other than "Game" are built after the first
// frame, so a control may take a moment to exist.
template <typename Widget = QWidget>
Widget* find(const QWidget& window, const char* name) {
  Widget* widget = nullptr;
  const bool found =
      QTest::qWaitFor([&] { return (widget = window.findChild<Widget*>(QString::fromLatin1(name))) != nullptr; }, 2000);
  if (!found) fail(std::string("the window has no control ") + name);
  return widget;
}

void clickTab(const QWidget& window, const char* strip, int index) {
  QTabBar* bar = find<tarvo::TabStrip>(window, strip)->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

// Room 1 small with no records, room 2 small with kRecords records: the house the window opens.
std::string houseOfManyRecords() {
  const tarvo::RoomCollection rooms("5#|#@$.#|5#||6#|#@$ .#|6#");
  tarvo::HouseRecord house = tarvo::houseOfCollection(rooms, {0, 1}, "Many records");
  for (int k = 0; k < kRecords; ++k) {
    house.rooms[1].records->add(tarvo::RecordFields{"Player " + std::to_string(k), "123", "01:02", "r"});
  }
  return tarvo::writeHouse(house);
}

// From the collection read to the chooser shown with its first rows drawn; every seventh room
// is open, so the first rows are of both kinds.
qint64 chooserShown(const std::shared_ptr<const tarvo::RoomCollection>& rooms, const tarvo::SpriteSheets& sheets,
                    QWidget& window) {
  QElapsedTimer timer;
  timer.start();
  tarvo::CollectionChooser chooser(rooms, sheets, QStringLiteral("big.txt"), &window);
  chooser.show();
  if (!QTest::qWaitForWindowExposed(&chooser)) fail("the chooser never showed");
  QApplication::processEvents();
  return timer.elapsed();
}

// From the click on the preview of room 2 to its records listed and painted, the list showing
// room 1's (none) before.
qint64 recordsListed(const QWidget& window) {
  const QAbstractItemModel& listed = *find<QTreeView>(window, "LVrecord")->model();
  QTest::mouseClick(find(window, "PICpreview0"), Qt::LeftButton);
  QTest::qWait(0);
  QElapsedTimer timer;
  timer.start();
  QTest::mouseClick(find(window, "PICpreview1"), Qt::LeftButton);
  QTest::qWait(0);
  const qint64 ms = timer.elapsed();
  if (listed.rowCount() != kRecords) fail("the record list shows " + std::to_string(listed.rowCount()) + " rows");
  return ms;
}

// From Ctrl+V of the clipboard's 10 MB line into the import box to the box painted, and then the
// import of what the box holds.
qint64 pastedAndImported(const QWidget& window) {
  auto* box = find<QPlainTextEdit>(window, "TXTimport");
  box->setPlainText(QStringLiteral("@"));
  box->moveCursor(QTextCursor::End);
  QTest::qWait(0);
  QElapsedTimer timer;
  timer.start();
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  QTest::qWait(0);
  QTest::mouseClick(find<QPushButton>(window, "BTimport"), Qt::LeftButton);
  QTest::qWait(0);
  const qint64 ms = timer.elapsed();
  const auto held = box->toPlainText().size();
  if (held != kImportBoxCharacters) fail("the import box holds " + std::to_string(held) + " characters");
  return ms;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  tarvo::look::installFontSubstitutes();
  const QStringList arguments = QApplication::arguments();
  const int runs = arguments.size() > 1 ? arguments[1].toInt() : 5;
  if (runs < 1) fail("usage: tarvo_widget_bench [RUNS]");
  std::printf("medians of %d runs on the %s platform\n", runs, qPrintable(QApplication::platformName()));

  QTemporaryDir folder;
  QFile house(folder.filePath(QStringLiteral("default.hou")));
  const std::string bytes = houseOfManyRecords();
  if (!folder.isValid() || !house.open(QIODevice::WriteOnly) ||
      house.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
    fail("cannot write the house in a temporary folder");
  }
  house.close();
  FRMain::Options options;
  options.programFolder = folder.path();
  FRMain window(std::move(options));
  window.show();
  window.activateWindow();
  if (!QTest::qWaitForWindowActive(&window)) fail("the window never showed");

  bool within = true;
  {
    std::string text;
    for (int k = 0; k < kRooms; ++k) text += k % 7 == 0 ? "#@$.#\n\n" : "5#\n#@$.#\n5#\n\n";
    const auto rooms = std::make_shared<const tarvo::RoomCollection>(text);
    const tarvo::SpriteSheets sheets;
    const qint64 ms = median(runs, [&] { return chooserShown(rooms, sheets, window); });
    within &= report("chooser of " + std::to_string(rooms->size()) + " rooms shown", ms, 300);
  }

  clickTab(window, "LesOnglets", 1);  // "Room"
  within &= report(std::to_string(kRecords) + " records listed on a preview click",
                   median(runs, [&] { return recordsListed(window); }), 200);

  clickTab(window, "LesOnglets", 2);  // "Option", then its import and export page
  clickTab(window, "LesOnglets3", 1);
  QApplication::clipboard()->setText(QString(kPastedCharacters, QLatin1Char('#')));
  within &= report("paste of " + std::to_string(kPastedCharacters) + " characters cut and imported",
                   median(runs, [&] { return pastedAndImported(window); }), 1000);
  return within ? 0 : 1;
}
