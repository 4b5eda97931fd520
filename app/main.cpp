// Starts the program: the main window opens on room 1 of the house beside the executable.
#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>

#include "platform/look.h"
#include "window/frmain.h"

namespace {

// With TARVO_REPORT_READY=1 the program prints "ready" once the board has first been painted,
// so that a start-up benchmark can time it from outside.
class ReadyReport : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      // After this paint and the flush to the screen that follows it.
      QTimer::singleShot(0, [] {
        std::puts("ready");
        std::fflush(stdout);
      });
    }
    return false;
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tarvo Plim"));
  QApplication::setApplicationVersion(QStringLiteral("1.0.0"));
  tarvo::look::installFontSubstitutes();
  tarvo::FRMain window({QCoreApplication::applicationDirPath(), {}});
  ReadyReport readyReport;
  if (qEnvironmentVariableIntValue("TARVO_REPORT_READY") == 1) {
    if (QWidget* board = window.findChild<QWidget*>(QStringLiteral("PICroom"))) board->installEventFilter(&readyReport);
  }
  window.show();
  return QApplication::exec();
}
