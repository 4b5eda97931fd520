// Saving the house to a file without ever destroying the file that was there.
#pragma once

#include <QString>

#include "rules/room.h"

namespace tarvo {

struct SaveOutcome {
  bool ok = true;
  int errorNumber = 0;  // the system's error number where there is one, else Qt's file error
  QString description;  // the system's description of the error
};

// Writes into a temporary file beside the target and renames it over the target.
SaveOutcome saveHouseFile(const QString& path, const HouseRecord& house);

}  // namespace tarvo
