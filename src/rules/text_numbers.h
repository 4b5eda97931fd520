// Decimal numbers in the texts of room lists and house files.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tarvo {

// The text without blanks at either end.
std::string_view trimBlanks(std::string_view text);

// An optional sign and decimal digits, blanks around them allowed. Values beyond 32 bits are
// refused rather than wrapped.
std::optional<std::int64_t> parseDecimal(std::string_view text);

}  // namespace tarvo
