// Decimal numbers in the texts of room lists and house files.
#include "rules/text_numbers.h"

namespace tarvo {

std::string_view trimBlanks(std::string_view text) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::optional<std::int64_t> parseCount(std::string_view text) {
  text = trimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  // Past 32 bits the value stops growing, but every character is still looked at: a long
  // run of digits with a letter at its end is no number at all.
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    if (value < kCountBeyondRange) value = value * 10 + (c - '0');
  }
  value = negative ? -value : value;
  if (value > INT32_MAX) return kCountBeyondRange;
  if (value < INT32_MIN) return -kCountBeyondRange;
  return value;
}

std::optional<std::int64_t> parseDecimal(std::string_view text) {
  std::optional<std::int64_t> value = parseCount(text);
  if (value && (*value == kCountBeyondRange || *value == -kCountBeyondRange)) return std::nullopt;
  return value;
}

}  // namespace tarvo
