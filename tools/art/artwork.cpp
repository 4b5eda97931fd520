// Writes the game's artwork files (both sprite sheets, the page background and the About
// window's pictures and the program's icon in several sizes) into a folder.
#include "art/artwork.h"

#include "art/about_art.h"
#include "art/app_icon.h"
#include "art/background.h"
#include "art/gif_writer.h"
#include "art/indexed_image.h"
#include "art/sheets.h"

#include <QDir>
#include <QImage>
#include <QSaveFile>

#include <stdexcept>

namespace art {
namespace {

// Opens a QSaveFile, lets write fill it, commits it; reports the first failure.
template <typename Write>
bool saveFile(const QString& path, QString& error, Write write) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return false;
  }
  if (!write(file) || !file.commit()) {
    error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return false;
  }
  return true;
}

bool savePng(const QImage& image, const QString& path, QString& error) {
  return saveFile(path, error, [&image](QSaveFile& file) { return image.save(&file, "PNG"); });
}

bool saveGif(const QImage& image, const QString& path, QString& error) {
  std::vector<std::uint8_t> bytes;
  try {
    bytes = encodeGif(indexColours(image));
  } catch (const std::invalid_argument& problem) {
    error = QStringLiteral("cannot encode %1: %2").arg(path, QString::fromUtf8(problem.what()));
    return false;
  }
  return saveFile(path, error, [&bytes](QSaveFile& file) {
    const auto length = static_cast<qint64>(bytes.size());
    return file.write(reinterpret_cast<const char*>(bytes.data()), length) == length;
  });
}

}  // namespace

bool writeArtwork(const QString& folder, QString& error) {
  const QDir dir(folder);
  if (!dir.mkpath(QStringLiteral("."))) {
    error = QStringLiteral("cannot create the folder %1").arg(folder);
    return false;
  }
  for (const int size : appIconSizes) {
    if (!savePng(makeAppIcon(size), dir.filePath(QStringLiteral("icon%1.png").arg(size)), error)) return false;
  }
  return savePng(makeSpriteSheet(32), dir.filePath(QString::fromLatin1(largeSheetFile)), error) &&
         savePng(makeSpriteSheet(8), dir.filePath(QString::fromLatin1(smallSheetFile)), error) &&
         saveGif(makeBackground(), dir.filePath(QString::fromLatin1(backgroundFile)), error) &&
         savePng(makeAboutFilm(), dir.filePath(QString::fromLatin1(aboutFilmFile)), error) &&
         savePng(makeAboutTitle(), dir.filePath(QString::fromLatin1(aboutTitleFile)), error) &&
         savePng(makeLinkPointer(), dir.filePath(QString::fromLatin1(linkPointerFile)), error);
}

}  // namespace art
