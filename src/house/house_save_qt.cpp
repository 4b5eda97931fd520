// Saving the house to a file without ever destroying the file that was there.
#include "house/house_save_qt.h"

#include <QSaveFile>

#include <cerrno>
#include <cstring>

#include "house/house_writer.h"

namespace tarvo {

namespace {

SaveOutcome failure(const QSaveFile& file, int systemError) {
  if (systemError != 0) return {false, systemError, QString::fromLocal8Bit(std::strerror(systemError))};
  return {false, static_cast<int>(file.error()), file.errorString()};
}

}  // namespace

SaveOutcome saveHouseFile(const QString& path, const HouseRecord& house) {
  const std::string bytes = writeHouse(house);
  QSaveFile file(path);
  // Qt reports the system's text but not its number: take errno right after each call.
  errno = 0;
  if (!file.open(QIODevice::WriteOnly)) return failure(file, errno);
  errno = 0;
  if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
    int error = errno;
    file.cancelWriting();
    return failure(file, error);
  }
  // The bytes sit in Qt's buffer until here. A disk that fills up takes part of them without an
  // error, and commit() would then rename the cut file over the target: flush and check first.
  errno = 0;
  if (!file.flush()) {
    int error = errno;
    file.cancelWriting();
    return failure(file, error);
  }
  errno = 0;
  if (!file.commit()) return failure(file, errno);
  return {};
}

}  // namespace tarvo
