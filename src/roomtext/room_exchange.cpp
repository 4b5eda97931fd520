// A room to and from the text of the editor's text box: ten lines of ten symbols.
#include "roomtext/room_exchange.h"

#include <algorithm>

#include "rules/room_text.h"
#include "rules/symbols.h"

namespace tarvo {

namespace {

// A byte that is no symbol, standing for a character the symbol table does not know.
constexpr char kUnknown = '?';

bool isContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// One line of text as row bytes: one byte a character, at most ten. `cut` tells whether
// characters were left over.
std::string rowOf(std::string_view line, bool& cut) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  std::string row;
  cut = false;
  for (char byte : line) {
    if (isContinuationByte(byte)) continue;
    if (row.size() == kColumns) {
      cut = true;
      break;
    }
    row.push_back(static_cast<unsigned char>(byte) < 0x80 ? byte : kUnknown);
  }
  return row;
}

// "row 4" or "rows 2-10" or "rows 1, 3, 5-7".
std::string rowsText(const std::vector<int>& rows) {
  std::string text = rows.size() == 1 ? "row " : "rows ";
  for (std::size_t k = 0; k < rows.size();) {
    std::size_t last = k;
    while (last + 1 < rows.size() && rows[last + 1] == rows[last] + 1) ++last;
    if (k > 0) text += ", ";
    text += std::to_string(rows[k]);
    if (last > k) text.append("-").append(std::to_string(rows[last]));
    k = last + 1;
  }
  return text;
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

ImportReport importRoomText(RoomRecord& room, std::string_view text) {
  ImportReport report;
  RowBuffer rows;
  for (int number = 1; number <= kRows; ++number) {
    std::string& row = rows[static_cast<std::size_t>(number - 1)];
    bool cut = false;
    if (!text.empty()) {
      const std::size_t end = text.find('\n');
      row = rowOf(text.substr(0, end), cut);
      text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    if (row.empty()) report.emptyRows.push_back(number);
    if (cut) report.cutRows.push_back(number);
  }
  // What is left are the lines after the tenth, each ended by a line feed but the last maybe.
  if (!text.empty()) report.linesIgnored = std::count(text.begin(), text.end(), '\n') + (text.back() != '\n' ? 1 : 0);
  room.goals = newList<std::int32_t>();
  parseRoomRows(room, rows);
  return report;
}

std::string describeImport(const ImportReport& report) {
  std::string text = "imported rows 1-" + std::to_string(kRows);
  if (!report.emptyRows.empty()) text += "; " + rowsText(report.emptyRows) + " empty (floor)";
  if (!report.cutRows.empty())
    text += "; " + rowsText(report.cutRows) + " cut to " + std::to_string(kColumns) + " cells";
  if (report.linesIgnored > 0) {
    text += "; " + std::to_string(report.linesIgnored) + (report.linesIgnored == 1 ? " line" : " lines") +
            " after the tenth ignored";
  }
  return text;
}

}  // namespace tarvo
