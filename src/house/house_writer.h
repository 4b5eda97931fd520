// Writing the house record as a house file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "rules/room.h"

namespace tarvo {

// The house as the bytes of a house file (Windows-1252, CR LF lines), rooms 1..roomCount.
std::string writeHouse(const HouseRecord& house);

// Why the reader would refuse the house once written in `writtenBytes` bytes (more records than
// kMaxHouseRecords in all, or a file larger than kMaxHouseFileBytes), as the end of a sentence
// saying that it was not saved; nothing when it reads back.
std::optional<std::string> whyNotReadBack(const HouseRecord& house, std::size_t writtenBytes);

}  // namespace tarvo
