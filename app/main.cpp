// Starts the program: the main window opens on room 1 of the house beside the executable.
#include <QApplication>

#include "platform/look.h"
#include "window/frmain.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tarvo Plim"));
  QApplication::setApplicationVersion(QStringLiteral("1.0.0"));
  tarvo::look::installFontSubstitutes();
  tarvo::FRMain window({QCoreApplication::applicationDirPath(), {}});
  window.show();
  return QApplication::exec();
}
