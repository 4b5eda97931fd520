// tarvo_art: draws the game's sprite sheets and page background into the folder given.
#include "art/artwork.h"

#include <QString>

#include <cstdio>
#include <stdexcept>

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: tarvo_art OUTDIR\n");
    return 2;
  }
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
