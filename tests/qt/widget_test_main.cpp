// Runs the widget tests inside one application object, on the offscreen platform unless told
// otherwise, with the same font substitutes as the program, and a data folder of their own: no
// test reads or writes the player's progress.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "platform/look.h"

int main(int argc, char* argv[]) {
  // The tests never need a display, also when run by hand or listed at build time.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const QTemporaryDir data;
  qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
  qputenv("TARVO_NO_PROGRESS", "1");
  QApplication app(argc, argv);
  tarvo::look::installFontSubstitutes();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
