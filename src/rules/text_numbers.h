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

// A count read with the rules of parseDecimal, except that a number of any length is still a
// number: one beyond 32 bits comes out as kCountBeyondRange (or its negative), so a caller
// can say that it is too large rather than that it is no number.
inline constexpr std::int64_t kCountBeyondRange = std::int64_t{1} << 32;
std::optional<std::int64_t> parseCount(std::string_view text);

}  // namespace tarvo
