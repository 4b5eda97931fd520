// Room text: ten rows of symbols and the forbidden place and couple lists, to and from a room.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "rules/room.h"

namespace tarvo {

// Ten rows of room text, one byte per column. A row shorter than ten bytes reads as floor on
// its right; bytes past the tenth are not read.
using RowBuffer = std::array<std::string, kRows>;

// Sets every cell from the rows (all 120 to OUTSIDE first), refills the room's goal list in
// place (copies sharing it see the new goals) and sets `man` at the last man met. Bytes are
// read as they stand, so a non-ASCII byte is one outside cell and never shifts a column.
void parseRoomRows(RoomRecord& room, const RowBuffer& rowBuffer);

// Why a place or couple list was refused.
struct ListError {
  std::string problem;
};

// Reads "23;24;35;" into forbPlaces/forbPlaceCount. Each entry is a 32-bit integer (blanks
// around it allowed) ended by ";"; it is kept even when it names no cell of the room, so
// users of the list check it against the cell array. A remainder of one character after the
// last ";" (or of blanks only) is ignored, so "24;7" reads 24 and ";" reads no entry. On
// error the room is left as it was; the message quotes the file's text, cut short.
std::optional<ListError> parsePlaceList(RoomRecord& room, std::string_view placeListText);

// Reads "23,34;45,46;" into forbCouples/forbCoupleCount, with the rules of parsePlaceList.
std::optional<ListError> parseCoupleList(RoomRecord& room, std::string_view coupleListText);

// The room's cells as ten rows of exactly ten symbols.
RowBuffer buildRoomRows(const RoomRecord& room);

}  // namespace tarvo
