// Names as a house file holds them: Western European letters and signs are kept, every other
// character (outside the code page, a control, a broken sequence) is not; a byte in a message is
// shown as typed only when it is a printable character; long values are cut in messages; the
// record's texts.
#include <gtest/gtest.h>

#include <string>

#include "rules/completion.h"
#include "rules/cp1252.h"
#include "rules/symbols.h"

namespace tarvo {
namespace {

TEST(NamePromises, ANameKeepsTheLettersAndSignsAHouseFileHoldsAndNothingElse) {
  const struct {
    const char* typed;
    const char* kept;
  } table[] = {
      {"Anne", "Anne"},
      {"Zo\u00eb \u00c6r\u00f8 Stra\u00dfe", "Zo\u00eb \u00c6r\u00f8 Stra\u00dfe"},
      {"\u20ac \u0152 \u017d \u2018x\u2019 \u201cy\u201d \u2013 \u2014 \u2122 \u00a0\u00ff",
       "\u20ac \u0152 \u017d \u2018x\u2019 \u201cy\u201d \u2013 \u2014 \u2122 \u00a0\u00ff"},
      {"snow \u2603 man", "snow _ man"},  // outside the code page
      {"\u65e5\u672c", "__"},             // one mark for each character, not each byte
      {"smile \U0001F600", "smile _"},    // four bytes, one character
      {"tab\there", "tab_here"},          // controls
      {"line\nend\r", "line_end_"},
      {"del\x7f", "del_"},
      {"bell\x07", "bell_"},
      {"c1 \xc2\x81\xc2\x9f", "c1 __"},  // the controls the code page's free bytes stand for
      {"broken \xe2\x82", "broken _"},   // a sequence cut short
      {"lone \x80 byte", "lone _ byte"},
      {"", ""},
  };
  for (const auto& row : table) {
    EXPECT_EQ(replaceUnholdable(row.typed, '_'), row.kept) << row.typed;
    // What is kept is written to the file and read back as it was.
    std::string bytes;
    appendUtf8AsCp1252(bytes, row.kept);
    EXPECT_EQ(cp1252ToUtf8(bytes), row.kept);
  }
  EXPECT_TRUE(isHoldableCharacter("\u00e9"));
  EXPECT_FALSE(isHoldableCharacter("\x7f"));
  EXPECT_FALSE(isHoldableCharacter(""));
}

TEST(NamePromises, AByteIsShownAsTypedOnlyWhenItIsAPrintableCharacter) {
  const struct {
    char byte;
    const char* shown;
  } table[] = {
      {'x', "'x'"},        {' ', "' '"},          {'~', "'~'"},          {'\x7f', "byte 0x7F"}, {'\x01', "byte 0x01"},
      {'\t', "byte 0x09"}, {'\x80', "byte 0x80"}, {'\xff', "byte 0xFF"}, {'\0', "byte 0x00"},
  };
  for (const auto& row : table) EXPECT_EQ(shownByte(row.byte), row.shown) << int(row.byte);
}

TEST(NamePromises, AValueInAMessageIsCutAfterSixtyCharactersAndEveryByteReadsBack) {
  EXPECT_EQ(shownValue("short"), "short");
  EXPECT_EQ(quotedValue("short"), "\"short\"");
  EXPECT_EQ(shownValue(std::string(60, 'a')), std::string(60, 'a'));
  EXPECT_EQ(shownValue(std::string(61, 'a')), std::string(60, 'a') + "\u2026");
  // One byte of the file is one character, whatever it is: the cut never splits one.
  EXPECT_EQ(shownValue(std::string(59, 'a') + "\xe9\xe9"), std::string(59, 'a') + "\u00e9\u2026");
  std::string every;
  for (int byte = 0; byte < 256; ++byte) every += static_cast<char>(byte);
  std::string back;
  appendUtf8AsCp1252(back, cp1252ToUtf8(every));
  EXPECT_EQ(back, every) << "every byte of a file reads and writes back the same";
}

TEST(NamePromises, ARecordsTimeAndNameAreWrittenAsTheFileHoldsThem) {
  const struct {
    std::int64_t ms;
    const char* shown;
  } times[] = {{0, "00:00"},         {999, "00:00"},       {1000, "00:01"},       {59'999, "00:59"}, {60'000, "01:00"},
               {3'599'000, "59:59"}, {3'600'000, "60:00"}, {6'000'000, "100:00"}, {-5, "00:00"}};
  for (const auto& row : times) EXPECT_EQ(formatElapsed(row.ms), row.shown) << row.ms;
  EXPECT_EQ(recordName("Ann\tLee\r\nB"), "Ann Lee  B") << "a TAB or line end would break the record's line";
  EXPECT_EQ(recordName("Ann"), "Ann");
}

}  // namespace
}  // namespace tarvo
