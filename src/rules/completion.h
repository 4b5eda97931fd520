// The completion test and the texts a completion leaves in a record.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "rules/room.h"

namespace tarvo {

// Every goal holds a box. A room without goals is never complete.
bool isComplete(const RoomRecord& room);

// Elapsed milliseconds as "nn:ss": minutes (at least two digits, past 59 after an hour) and
// two-digit seconds.
std::string formatElapsed(std::int64_t milliseconds);

// A name fit for a record line: TAB, CR and LF would break the file and become blanks.
std::string recordName(std::string_view typed);

}  // namespace tarvo
