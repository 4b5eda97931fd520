// A room to and from the text of the editor's text box: ten lines of ten symbols.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "rules/room.h"

namespace tarvo {

// Ten lines of exactly ten symbols, each ended by a line feed; a marked cell is written as the
// same cell unmarked.
std::string exportRoomText(const RoomRecord& room);

// What an import read, rows counted from 1 as the player sees them.
struct ImportReport {
  std::vector<int> emptyRows;     // no character: all floor
  std::vector<int> cutRows;       // more than ten characters
  std::int64_t linesIgnored = 0;  // after the tenth
};

// Reads UTF-8 text into the room's cells, goals and man, as the user sees it: lines end at LF
// and a CR ending a line is dropped; each character is one cell, and one that is no symbol is
// an outside cell; a short line, an empty line and a missing line end in floor; characters
// after the tenth and lines after the tenth are ignored. The forbidden lists and records stay.
// The room gets a goal list of its own, so a house room that shared the old one keeps it.
ImportReport importRoomText(RoomRecord& room, std::string_view text);

// The report for the status line: "imported rows 1-10; rows 2-10 empty (floor); row 1 cut to
// 10 cells; 3 lines after the tenth ignored".
std::string describeImport(const ImportReport& report);

}  // namespace tarvo
