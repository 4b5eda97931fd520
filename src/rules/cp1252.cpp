// Windows-1252 on disk, UTF-8 inside: lossless for every byte.
#include "rules/cp1252.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace tarvo {

namespace {

// Code points of bytes 0x80..0x9F; the unassigned ones keep their own value.
constexpr std::array<char32_t, 32> kHighControls = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t codePointOfByte(unsigned char byte) {
  return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : char32_t{byte};
}

// Every code point of the table lies below 0x10000: one to three UTF-8 bytes.
constexpr std::size_t utf8Length(char32_t cp) { return cp < 0x80 ? 1 : cp < 0x800 ? 2 : 3; }

// Writes the UTF-8 bytes of `cp` at `at` and returns the end.
constexpr char* putUtf8(char* at, char32_t cp) {
  if (cp < 0x80) {
    *at++ = static_cast<char>(cp);
  } else if (cp < 0x800) {
    *at++ = static_cast<char>(0xC0 | (cp >> 6));
    *at++ = static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    *at++ = static_cast<char>(0xE0 | (cp >> 12));
    *at++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    *at++ = static_cast<char>(0x80 | (cp & 0x3F));
  }
  return at;
}

// The UTF-8 bytes of each byte from 0x80 up, three written whatever the length.
struct Utf8Bytes {
  char bytes[3];
  std::uint8_t length;
};
constexpr std::array<Utf8Bytes, 128> kHighBytes = [] {
  std::array<Utf8Bytes, 128> table{};
  for (std::size_t k = 0; k < table.size(); ++k) {
    const char32_t cp = codePointOfByte(static_cast<unsigned char>(0x80 + k));
    putUtf8(table[k].bytes, cp);
    table[k].length = static_cast<std::uint8_t>(utf8Length(cp));
  }
  return table;
}();

int byteOfCodePoint(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == cp) return static_cast<int>(0x80 + i);
  }
  return '?';
}

}  // namespace

// Word by word: record fields are mostly ASCII and this check runs on every field of every
// record a house holds.
bool isAscii(std::string_view text) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080u;
  const char* at = text.data();
  const std::size_t size = text.size();
  if (size < 8) {
    unsigned any = 0;
    for (std::size_t i = 0; i < size; ++i) any |= static_cast<unsigned char>(at[i]);
    return (any & 0x80u) == 0;
  }
  auto word = [at](std::size_t i) {
    std::uint64_t value;
    std::memcpy(&value, at + i, sizeof value);
    return value;
  };
  std::uint64_t any = 0;
  for (std::size_t i = 0; i + 8 <= size; i += 8) any |= word(i);
  // The last eight bytes, overlapping what was read, instead of a byte-by-byte tail.
  any |= word(size - 8);
  return (any & kHighBits) == 0;
}

char* putCp1252AsUtf8(char* out, std::string_view bytes) {
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      *out++ = c;
    } else {
      const Utf8Bytes& utf8 = kHighBytes[byte - 0x80];
      out[0] = utf8.bytes[0];
      out[1] = utf8.bytes[1];
      out[2] = utf8.bytes[2];
      out += utf8.length;
    }
  }
  return out;
}

void appendCp1252AsUtf8(std::string& out, std::string_view bytes) {
  if (isAscii(bytes)) {
    out.append(bytes);
    return;
  }
  // Sized once, then written in place: a byte at a time through push_back costs more than
  // the conversion itself.
  std::size_t length = 0;
  for (char c : bytes) length += utf8Length(codePointOfByte(static_cast<unsigned char>(c)));
  const std::size_t start = out.size();
  out.resize(start + length);
  putCp1252AsUtf8(out.data() + start, bytes);
}

std::string cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  appendCp1252AsUtf8(out, bytes);
  return out;
}

void appendUtf8AsCp1252(std::string& out, std::string_view utf8) {
  if (isAscii(utf8)) {
    out.append(utf8);
    return;
  }
  std::size_t i = 0;
  while (i < utf8.size()) {
    auto lead = static_cast<unsigned char>(utf8[i]);
    int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    char32_t cp = length == 1 ? lead : length == 2 ? (lead & 0x1F) : length == 3 ? (lead & 0x0F) : (lead & 0x07);
    bool valid = length > 0 && i + static_cast<std::size_t>(length) <= utf8.size();
    for (int k = 1; valid && k < length; ++k) {
      auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
      valid = (next & 0xC0) == 0x80;
      cp = (cp << 6) | (next & 0x3F);
    }
    // An overlong form or a surrogate would smuggle in a byte the text never had (a line end
    // inside a name): it is as broken as a cut sequence.
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    valid = valid && cp >= kSmallest[length] && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
    if (!valid) {
      out.push_back('?');
      ++i;
      continue;
    }
    out.push_back(static_cast<char>(byteOfCodePoint(cp)));
    i += static_cast<std::size_t>(length);
  }
}

std::string shownValue(std::string_view bytes) {
  // One byte is one character in this code page, so any cut falls between characters.
  std::string out = cp1252ToUtf8(bytes.substr(0, kShownCharacters));
  if (bytes.size() > kShownCharacters) out += "\u2026";
  return out;
}

std::string quotedValue(std::string_view bytes) { return '"' + shownValue(bytes) + '"'; }

bool isHoldableCharacter(std::string_view character) {
  if (character.empty()) return false;
  const auto lead = static_cast<unsigned char>(character[0]);
  if (lead < 0x20 || lead == 0x7F) return false;
  // U+0080 to U+009F: the C1 controls, which the five unassigned bytes stand for on disk.
  if (lead == 0xC2 && character.size() == 2 && static_cast<unsigned char>(character[1]) < 0xA0) return false;
  std::string bytes;
  appendUtf8AsCp1252(bytes, character);
  return cp1252ToUtf8(bytes) == character;
}

std::string replaceUnholdable(std::string_view utf8, char replacement) {
  std::string result;
  for (std::size_t i = 0; i < utf8.size();) {
    // One character: a lead byte of a sequence and the continuation bytes after it, or a single
    // byte (an ASCII character, or a continuation byte without a lead, which is broken alone).
    std::size_t end = i + 1;
    if (static_cast<unsigned char>(utf8[i]) >= 0xC0) {
      while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) ++end;
    }
    const std::string_view character = utf8.substr(i, end - i);
    if (isHoldableCharacter(character)) {
      result += character;
    } else {
      result += replacement;
    }
    i = end;
  }
  return result;
}

}  // namespace tarvo
