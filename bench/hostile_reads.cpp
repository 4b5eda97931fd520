// Hostile input through to what the player sees: collections opened at start-up and dropped on
// the window, a huge clipboard pasted into the editor, a title and a record name of 60 MiB shown
// in their lists, and tarvo_solve on hostile streams. Each case runs in a process of its own and
// prints one row: the seconds until the window showed what the input gave, the longest time the
// window did not answer meanwhile, and how much the peak memory grew over the idle window (or an
// idle tarvo_solve), beside its bound (4 times the input plus 32 MiB, at most 512 MiB). The
// program ends with 1 when a case passes a bound. It runs offscreen.
//
//   tarvo_hostile_bench [TARVO_SOLVE]    (default: tools/solver/tarvo_solve of the same build)
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QUrl>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "platform/picture_area.h"
#include "platform/tab_strip.h"
#include "window/frmain.h"

namespace {

using tarvo::FRMain;

constexpr long long kMiB = 1 << 20;

// A row of the table, as a child reports it.
struct Figures {
  double seconds = -1;     // until the window showed what the input gave
  long long pauseMs = -1;  // the longest the window did not answer
  long long grownKiB = 0;  // peak memory over the idle program
  std::string shown;       // what the window showed
};

long long statusKiB(const char* field) {
  std::ifstream status("/proc/self/status");
  for (std::string key; status >> key;) {
    long long value = 0;
    if (key == field && status >> value) return value;
    status.ignore(1 << 12, '\n');
  }
  return 0;
}

// The kernel's peak of the resident memory starts again from what is resident now.
void resetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

// Measures the longest gap between turns of the event loop.
class PauseWatch {
 public:
  PauseWatch() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { longest_ = std::max(longest_, clock_.restart()); });
    clock_.start();
    timer_.start(10);
  }
  long long longest() const { return std::max(longest_, clock_.elapsed()); }

 private:
  QTimer timer_;
  QElapsedTimer clock_;
  qint64 longest_ = 0;
};

// What the window shows once a read is over: the chooser, a message, or the caption of the house
// expected.
std::string shownNow(FRMain& window, const QString& houseExpected) {
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (!top->isVisible()) continue;
    if (top->objectName() == "CollectionChooser") {
      top->grab();  // painted: its rows laid out
      return "chooser of " + std::to_string(top->findChild<QTreeView*>("LVrooms")->model()->rowCount()) + " rooms";
    }
    if (auto* box = qobject_cast<QMessageBox*>(top))
      return "message: " + box->text().left(60).simplified().toStdString();
  }
  const QString caption = window.findChild<QPushButton*>("BTchoisiHouse")->text();
  return caption == houseExpected ? caption.toStdString() : std::string();
}

// Waits until the window shows what the read gave, at most `seconds`.
std::string waitForShown(FRMain& window, const QString& houseExpected, int seconds) {
  std::string shown;
  if (QTest::qWaitFor([&] { return !(shown = shownNow(window, houseExpected)).empty(); }, seconds * 1000)) {
    return shown;
  }
  return shown.empty() ? "nothing within " + std::to_string(seconds) + " s" : shown;
}

std::unique_ptr<FRMain> openWindow(const QString& folder, const QString& houseFile) {
  FRMain::Options options;
  options.programFolder = folder;
  options.houseFile = houseFile;
  auto window = std::make_unique<FRMain>(std::move(options));
  window->show();
  return window;
}

// The window with the bundled house, idle, every page built.
std::unique_ptr<FRMain> idleWindow(const QString& folder) {
  auto window = openWindow(folder, {});
  QTest::qWait(500);
  return window;
}

Figures atStart(const QString& folder, const QString& file) {
  Figures figures;
  QElapsedTimer clock;
  clock.start();
  PauseWatch pauses;
  auto window = openWindow(folder, file);
  figures.shown = waitForShown(*window, QString(), 120);
  figures.seconds = static_cast<double>(clock.elapsed()) / 1000;
  figures.pauseMs = pauses.longest();
  figures.grownKiB = statusKiB("VmHWM:");  // the idle window's peak is taken off by the parent
  return figures;
}

// Does `action` on the idle window and waits for what it shows; the growth is over the idle window.
Figures onIdleWindow(const QString& folder, const std::function<void(FRMain&)>& prepare,
                     const std::function<void(FRMain&)>& action, const std::function<std::string(FRMain&)>& shown) {
  auto window = idleWindow(folder);
  prepare(*window);
  QTest::qWait(100);
  const long long before = statusKiB("VmRSS:");
  resetPeak();
  Figures figures;
  QElapsedTimer clock;
  clock.start();
  PauseWatch pauses;
  action(*window);
  figures.shown = shown(*window);
  figures.seconds = static_cast<double>(clock.elapsed()) / 1000;
  figures.pauseMs = pauses.longest();
  figures.grownKiB = statusKiB("VmHWM:") - before;
  return figures;
}

void drop(FRMain& window, const QString& path) {
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path)});
  QDragEnterEvent enter({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &enter);
  QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &dropped);
}

void clickTab(FRMain& window, const char* strip, int index) {
  QTabBar* bar = window.findChild<tarvo::TabStrip*>(strip)->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

// Runs `run` in a child process and brings its figures back through a pipe.
Figures inChild(const std::function<Figures()>& run) {
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) std::exit(2);
  std::fflush(stdout);
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipeEnds[0]);
    const Figures figures = run();
    const std::string line = std::to_string(figures.seconds) + "\t" + std::to_string(figures.pauseMs) + "\t" +
                             std::to_string(figures.grownKiB) + "\t" + figures.shown + "\n";
    if (::write(pipeEnds[1], line.data(), line.size()) < 0) std::_Exit(3);
    std::_Exit(0);
  }
  ::close(pipeEnds[1]);
  std::string line;
  char buffer[4096];
  for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
    line.append(buffer, static_cast<std::size_t>(n));
  ::close(pipeEnds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  Figures figures;
  if (line.empty()) {
    figures.shown = "the case ended without figures";
    return figures;
  }
  std::size_t at = 0;
  const auto field = [&] {
    const std::size_t tab = line.find('\t', at);
    std::string text = line.substr(at, tab - at);
    at = tab + 1;
    return text;
  };
  figures.seconds = std::stod(field());
  figures.pauseMs = std::stoll(field());
  figures.grownKiB = std::stoll(field());
  figures.shown = line.substr(at, line.size() - at - 1);
  return figures;
}

// The peak memory of the shell command's processes, in KiB, and its seconds.
Figures shellRun(const std::string& command) {
  return inChild([command] {
    Figures figures;
    QElapsedTimer clock;
    clock.start();
    const int status = std::system(command.c_str());
    figures.seconds = static_cast<double>(clock.elapsed()) / 1000;
    struct rusage usage {};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    figures.grownKiB = usage.ru_maxrss;
    figures.shown = "exit " + std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    return figures;
  });
}

bool within = true;

void row(const std::string& what, long long inputBytes, const Figures& figures) {
  const long long bound = std::min(4 * inputBytes / 1024 + 32 * 1024, 512 * 1024LL);
  const bool ok = figures.grownKiB <= bound && figures.pauseMs <= 1000;
  within = within && ok;
  std::printf("%-44s %8.2f %9s %8lld %8lld  %s%s\n", what.c_str(), figures.seconds,
              figures.pauseMs < 0 ? "-" : std::to_string(figures.pauseMs).c_str(), figures.grownKiB / 1024,
              bound / 1024, figures.shown.substr(0, 70).c_str(), ok ? "" : "  [past its bound]");
  std::fflush(stdout);
}

void writeRepeated(const QString& path, const QByteArray& piece, long long bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) std::exit(2);
  QByteArray block;
  while (block.size() < (1 << 20)) block += piece;
  for (long long written = 0; written + block.size() <= bytes; written += block.size()) file.write(block);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  const std::string program = argv[0];
  const std::string solve =
      argc > 1 ? argv[1] : program.substr(0, program.rfind('/') + 1) + "../tools/solver/tarvo_solve";
  QTemporaryDir scratch;
  const QString folder =
      QDir::cleanPath(QFileInfo(QString::fromStdString(program)).absoluteDir().filePath(QStringLiteral("../app")));
  const auto in = [&](const char* name) { return scratch.filePath(QString::fromLatin1(name)); };

  // The inputs.
  writeRepeated(in("tiny_rooms.txt"), "#\n\n", 64 * kMiB);
  writeRepeated(in("one_line.txt"), QByteArray(4096, '#'), 64 * kMiB);
  writeRepeated(in("valid_rooms.txt"), "5#|#@$.#|5#\n\n", 45 * kMiB);
  {
    QFile file(in("long_title.txt"));
    file.open(QIODevice::WriteOnly);
    file.write("; ");
    file.write(QByteArray(60 * kMiB, 'x'));
    file.write("\n5#|#@$.#|5#\n");
    for (int k = 0; k < 20; ++k) file.write("\n5#|#@$.#|5#\n");
  }
  {
    // A house whose one record has a name of 60 MiB.
    QFile file(in("long_record_name.hou"));
    file.open(QIODevice::WriteOnly);
    file.write("HOUSE FILE FOR TARVO PLIM\r\nVersion:1.0\r\nHOUSE's NAME:Long name\r\nNUMBER OF ROOM:1\r\n");
    file.write("======================================= ROOM 0=======================================\r\n");
    for (const char* r : {"----------", "-#####----", "-#@$.#----", "-#####----", "----------", "----------",
                          "----------", "----------", "----------", "----------"}) {
      file.write(r);
      file.write("\r\n");
    }
    file.write("FORBBIDEN PLACE:\r\nFORBBIDEN COUPLE:\r\nNUMBER OF RECCORD:1\r\n");
    file.write(QByteArray(60 * kMiB, 'N'));
    file.write("\t2\t00:01\trR\t\r\n");
  }

  QApplication app(argc, argv);
  std::printf("%-44s %8s %9s %8s %8s  %s\n", "input", "seconds", "pause ms", "grew MiB", "bound", "shown");

  // The idle window, whose peak the cases at start-up are measured over.
  const Figures idle = inChild([&] {
    Figures figures;
    auto window = idleWindow(folder);
    figures.grownKiB = statusKiB("VmHWM:");
    figures.shown = "idle";
    return figures;
  });
  const auto startCase = [&](const char* what, const QString& file) {
    Figures figures = inChild([&] { return atStart(folder, file); });
    figures.grownKiB -= idle.grownKiB;
    row(what, QFile(file).size(), figures);
  };
  startCase("64 MiB of tiny rooms, at start", in("tiny_rooms.txt"));
  startCase("one line of 64 MiB, at start", in("one_line.txt"));
  startCase("3.5 million valid rooms, at start", in("valid_rooms.txt"));

  const auto dropCase = [&](const char* what, const QString& file) {
    row(what, QFile(file).size(), inChild([&] {
          return onIdleWindow(
              folder, [](FRMain&) {}, [&](FRMain& window) { drop(window, file); },
              [](FRMain& window) { return waitForShown(window, QString(), 120); });
        }));
  };
  dropCase("64 MiB of tiny rooms, dropped", in("tiny_rooms.txt"));
  dropCase("a title of 60 MiB, dropped", in("long_title.txt"));

  const long long clipboardBytes = 100 * kMiB;
  row("Ctrl+V of 100 MB on one line", clipboardBytes, inChild([&] {
        return onIdleWindow(
            folder,
            [&](FRMain& window) {
              clickTab(window, "LesOnglets", 2);
              QApplication::clipboard()->setText(QString(static_cast<qsizetype>(clipboardBytes), QLatin1Char('#')));
            },
            [](FRMain& window) {
              QTest::keyClick(window.findChild<tarvo::PictureArea*>("PICedit"), Qt::Key_V, Qt::ControlModifier);
            },
            [](FRMain& window) {
              return "status: " + window.findChild<QLabel*>("editStatus")->text().left(50).toStdString();
            });
      }));

  row("a record name of 60 MiB, listed", 60 * kMiB, inChild([&] {
        return onIdleWindow(
            folder,
            [&](FRMain& window) {
              drop(window, in("long_record_name.hou"));
              QTest::qWait(2000);
              clickTab(window, "LesOnglets", 1);
            },
            [](FRMain& window) {
              QTest::mouseClick(window.findChild<tarvo::PictureArea*>("PICpreview0"), Qt::LeftButton);
              window.grab();
            },
            [](FRMain& window) {
              const QTreeView* list = window.findChild<QTreeView*>("LVrecord");
              return std::to_string(list->model()->rowCount()) + " record listed, " +
                     std::to_string(list->model()->index(0, 0).data().toString().size()) + " characters shown";
            });
      }));

  // tarvo_solve on streams, over an idle tarvo_solve.
  const Figures idleSolve = shellRun("'" + solve + "' </dev/null >/dev/null 2>&1");
  const auto solveCase = [&](const char* what, long long inputBytes, const std::string& command) {
    Figures figures = shellRun(command + " | '" + solve + "' >/dev/null 2>&1");
    figures.grownKiB -= idleSolve.grownKiB;
    row(what, inputBytes, figures);
  };
  solveCase("tarvo_solve: an endless room (5 million rows)", 55 * kMiB, "yes '##########' | head -n 5000000");
  solveCase("tarvo_solve: 64 MiB of tiny rooms", 64 * kMiB, "cat '" + in("tiny_rooms.txt").toStdString() + "'");
  return within ? 0 : 1;
}
