// tarvo_art: draws the game's sprite sheets, page background and About window pictures into
// the folder given.
#include "art/artwork.h"

#include <QGuiApplication>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <stdexcept>

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: tarvo_art OUTDIR\n");
    return 2;
  }
  // The About title draws text, which needs the fonts a QGuiApplication loads. The tool
  // never opens a window, so it asks for no display unless told otherwise.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const QGuiApplication application(argc, argv);
  QString error;
  try {
    if (!art::writeArtwork(QString::fromLocal8Bit(argv[1]), error)) {
      std::fprintf(stderr, "tarvo_art: %s\n", error.toLocal8Bit().constData());
      return 1;
    }
  } catch (const std::logic_error& fault) {
    // A fault in the artwork source (a bad sprite map, two codes sharing a tile but
    // drawn differently): say what it is and fail the build instead of aborting.
    std::fprintf(stderr, "tarvo_art: %s\n", fault.what());
    return 1;
  }
  return 0;
}
