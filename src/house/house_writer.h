// Writing the house record as a house file.
#pragma once

#include <string>

#include "rules/room.h"

namespace tarvo {

// The house as the bytes of a house file (Windows-1252, CR LF lines), rooms 1..roomCount.
std::string writeHouse(const HouseRecord& house);

}  // namespace tarvo
