// Saving the house to a file without ever destroying the file that was there.
#pragma once

#include <QString>

#include "rules/room.h"

namespace tarvo {

struct SaveOutcome {
  bool ok = true;
  int errorNumber = 0;  // errno where the system gave one, else a number above 1000 (file_save.h)
  QString description;  // what failed, where and why, as a sentence for the user
};

// Writes the house with saveFileSafely: a temporary file beside the target, renamed over it;
// only a regular file (or a link to one) is replaced. A house the reader would refuse is not
// written at all (kSaveUnreadable). A name ending in ".txt" gets the house's rooms as a room
// collection instead, through the same safe save.
SaveOutcome saveHouseFile(const QString& path, const HouseRecord& house);

}  // namespace tarvo
