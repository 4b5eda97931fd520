// Saving the house to a file without ever destroying the file that was there.
#include "house/house_save_qt.h"

#include <QFile>

#include "house/file_save.h"
#include "house/house_writer.h"
#include "roomtext/room_collection.h"

namespace tarvo {

SaveOutcome saveHouseFile(const QString& path, const HouseRecord& house) {
  const std::string fileName = QFile::encodeName(path).toStdString();
  if (isCollectionFileName(fileName)) {
    const SaveResult result = saveFileSafely(fileName, writeRoomCollection(house));
    return SaveOutcome{result.ok, result.errorNumber, QString::fromLocal8Bit(result.description)};
  }
  const std::string bytes = writeHouse(house);
  // A file the game cannot open again would take the place of one it can.
  if (const std::optional<std::string> problem = whyNotReadBack(house, bytes.size())) {
    return SaveOutcome{false, kSaveUnreadable, QString::fromStdString(*problem)};
  }
  const SaveResult result = saveFileSafely(fileName, bytes);
  return SaveOutcome{result.ok, result.errorNumber, QString::fromLocal8Bit(result.description)};
}

}  // namespace tarvo
