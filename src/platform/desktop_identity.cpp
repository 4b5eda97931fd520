// How the running program introduces itself to the desktop: its desktop entry and its icon.
#include "platform/desktop_identity.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

namespace tarvo {

void introduceToDesktop() { QGuiApplication::setDesktopFileName(QStringLiteral(TARVO_APP_ID)); }

void giveWindowsTheIcon() {
  const QString id = QStringLiteral(TARVO_APP_ID);
  // Every size the art tool draws; the theme's icon wins when it is installed.
  QIcon builtIn;
  for (const QString& file : QDir(QStringLiteral(":/icon")).entryList(QDir::Files))
    builtIn.addFile(QStringLiteral(":/icon/") + file);
  QApplication::setWindowIcon(QIcon::fromTheme(id, builtIn));
}

}  // namespace tarvo
