// A room to and from the text of the editor's text box: ten lines of ten symbols.
#include "roomtext/room_exchange.h"

#include "rules/room_text.h"
#include "rules/symbols.h"

namespace tarvo {

namespace {

// A byte that is no symbol, standing for a character the symbol table does not know.
constexpr char kUnknown = '?';

bool isContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// One line of text as row bytes: one byte a character, at most ten.
std::string rowOf(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  std::string row;
  for (char byte : line) {
    if (row.size() == kColumns) break;
    if (isContinuationByte(byte)) continue;
    row.push_back(static_cast<unsigned char>(byte) < 0x80 ? byte : kUnknown);
  }
  return row;
}

}  // namespace

std::string exportRoomText(const RoomRecord& room) {
  std::string text;
  text.reserve(kRows * (kColumns + 1));
  for (const std::string& row : buildRoomRows(room)) {
    text += row;
    text += '\n';
  }
  return text;
}

void importRoomText(RoomRecord& room, std::string_view text) {
  RowBuffer rows;
  for (std::string& row : rows) {
    if (text.empty()) break;
    const std::size_t end = text.find('\n');
    row = rowOf(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  room.goals = newList<std::int32_t>();
  parseRoomRows(room, rows);
}

}  // namespace tarvo
