// Saving the house to a file without ever destroying the file that was there.
#include "house/house_save_qt.h"

#include <QFile>

#include "house/file_save.h"
#include "house/house_writer.h"

namespace tarvo {

SaveOutcome saveHouseFile(const QString& path, const HouseRecord& house) {
  const std::string bytes = writeHouse(house);
  // A file the game cannot open again would take the place of one it can.
  if (const std::optional<std::string> problem = whyNotReadBack(house, bytes.size())) {
    return SaveOutcome{false, kSaveUnreadable, QString::fromStdString(*problem)};
  }
  const SaveResult result = saveFileSafely(QFile::encodeName(path).toStdString(), bytes);
  return SaveOutcome{result.ok, result.errorNumber, QString::fromLocal8Bit(result.description)};
}

}  // namespace tarvo
