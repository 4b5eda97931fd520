// Starts the program: the main window opens on room 1 of the house beside the executable.
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QMessageBox>

#include <cstdio>
#include <string>
#include <vector>

#include "launch/command_line.h"
#include "platform/desktop_identity.h"
#include "platform/look.h"
#include "window/frmain.h"
#include "window/player_progress.h"

namespace {

// With TARVO_REPORT_MESSAGES=1 the program prints "message: " and the text of every message
// box it shows on one line, its paragraphs joined by " / ", so that a benchmark of broken house
// files can tell what the user saw.
class MessageReport : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      if (auto* box = qobject_cast<QMessageBox*>(watched)) {
        QString text = box->text();
        text.replace(QStringLiteral("\n\n"), QStringLiteral(" / ")).replace(QLatin1Char('\n'), QLatin1Char(' '));
        std::printf("message: %s\n", text.toUtf8().constData());
        std::fflush(stdout);
      }
    }
    return false;
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  // Read before the application object exists, so that --help and --version need no display.
  const tarvo::CommandLine line = tarvo::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  switch (line.action) {
    case tarvo::CommandLine::Action::Help: std::fputs(tarvo::usageText().c_str(), stdout); return 0;
    case tarvo::CommandLine::Action::Version: std::fputs(tarvo::versionText().c_str(), stdout); return 0;
    case tarvo::CommandLine::Action::UsageError:
      std::fprintf(stderr, "tarvoplim: %s\n\n%s", line.problem.c_str(), tarvo::usageText().c_str());
      return 2;
    case tarvo::CommandLine::Action::Play: break;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tarvo Plim"));
  QApplication::setApplicationVersion(
      QStringLiteral("%1.%2.%3").arg(TARVO_VERSION_MAJOR).arg(TARVO_VERSION_MINOR).arg(TARVO_VERSION_PATCH));
  tarvo::look::installFontSubstitutes();
  tarvo::introduceToDesktop();
  tarvo::FRMain::Options options;
  options.programFolder = QCoreApplication::applicationDirPath();
  options.houseFile = QFile::decodeName(line.houseFile.c_str());
  options.zoom = line.zoom;
  options.progressFile = tarvo::PlayerProgress::defaultFile();
  tarvo::FRMain window(std::move(options));
  // With TARVO_REPORT_READY=1 the program prints "ready" once the board has first been painted,
  // so that a start-up benchmark can time it from outside. The window icon comes then too: the
  // icon theme's lookup and the icon's pictures take longer than all that the first frame needs.
  const bool reportReady = qEnvironmentVariableIntValue("TARVO_REPORT_READY") == 1;
  QObject::connect(&window, &tarvo::FRMain::firstFrameShown, [reportReady] {
    if (reportReady) {
      std::puts("ready");
      std::fflush(stdout);
    }
    tarvo::giveWindowsTheIcon();
  });
  MessageReport messageReport;
  if (qEnvironmentVariableIntValue("TARVO_REPORT_MESSAGES") == 1) app.installEventFilter(&messageReport);
  window.show();
  // Takes the keyboard at once, even on a display without a window manager to give it.
  window.activateWindow();
  return QApplication::exec();
}
