// Texts of any length shown in a list, on a button or in a tooltip: cut to the characters that
// fit, never inside a character, and marked as cut.
#include <gtest/gtest.h>

#include "platform/look.h"

namespace tarvo {
namespace {

TEST(ShownText, IsCutToWholeCharactersAndMarkedWhenCut) {
  const struct {
    const char* text;
    int most;
    const char* shown;
  } table[] = {
      {"abc", 3, "abc"},
      {"abcd", 3, "abc\u2026"},
      {"", 3, ""},
      {"ab\u00E9\u00E9", 3, "ab\u00E9\u2026"},  // two bytes a character
      {"ab\U0001F600c", 3, "ab\u2026"},         // a character of two UTF-16 units is not halved
      {"ab\U0001F600", 4, "ab\U0001F600"},      // and kept whole when it fits
      {"\U0001F600\U0001F600\U0001F600", 2, "\U0001F600\u2026"},
  };
  for (const auto& row : table) {
    EXPECT_EQ(look::shownText(row.text, row.most), QString::fromUtf8(row.shown)) << row.text << " " << row.most;
  }
}

}  // namespace
}  // namespace tarvo
