// Windows-1252 on disk, UTF-8 inside: lossless for every byte.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvo {

// No byte above 0x7F: the text is the same in both encodings.
bool isAscii(std::string_view text);

// Every byte maps to one code point; the five bytes the code page leaves unassigned map to
// the C1 control of the same value, so any file reads and writes back to the same bytes.
void appendCp1252AsUtf8(std::string& out, std::string_view bytes);
// The most UTF-8 bytes that `size` bytes of the code page become.
constexpr std::size_t utf8Bound(std::size_t size) { return 3 * size; }
// Writes the bytes as UTF-8 at `out`, which has room for utf8Bound(bytes.size()) bytes, and
// returns the end of what it wrote.
char* putCp1252AsUtf8(char* out, std::string_view bytes);
std::string cp1252ToUtf8(std::string_view bytes);

// A character the code page cannot hold (or a broken UTF-8 sequence) is written as "?".
void appendUtf8AsCp1252(std::string& out, std::string_view utf8);

// Whether one character, as its UTF-8 bytes, is one a house file's name line can hold: a letter
// or sign of the code page, no control character (C0, DEL or C1) and no broken sequence.
bool isHoldableCharacter(std::string_view character);

// The text with each character that a house file's name line cannot hold replaced by
// `replacement`.
std::string replaceUnholdable(std::string_view utf8, char replacement);

// A value from a file as a message shows it: in UTF-8, at most kShownCharacters characters
// of it, followed by "…" when it was cut. A file can hold a line of many megabytes, which no
// message box should try to lay out.
inline constexpr std::size_t kShownCharacters = 60;
std::string shownValue(std::string_view bytes);
// The same between double quotes.
std::string quotedValue(std::string_view bytes);

}  // namespace tarvo
