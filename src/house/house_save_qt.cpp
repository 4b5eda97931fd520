// Saving the house to a file without ever destroying the file that was there.
#include "house/house_save_qt.h"

#include <QFile>

#include "house/file_save.h"
#include "house/house_writer.h"

namespace tarvo {

SaveOutcome saveHouseFile(const QString& path, const HouseRecord& house) {
  const SaveResult result = saveFileSafely(QFile::encodeName(path).toStdString(), writeHouse(house));
  return SaveOutcome{result.ok, result.errorNumber, QString::fromLocal8Bit(result.description)};
}

}  // namespace tarvo
