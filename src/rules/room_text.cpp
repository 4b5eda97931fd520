// Room text: ten rows of symbols and the forbidden place and couple lists, to and from a room.
#include "rules/room_text.h"

#include <cstdint>
#include <vector>

#include "rules/cp1252.h"
#include "rules/symbols.h"
#include "rules/text_numbers.h"

namespace tarvo {

void parseRoomRows(RoomRecord& room, const RowBuffer& rowBuffer) {
  room.cells.fill(OUTSIDE);
  room.goals->clear();
  for (int row = 0; row < kRows; ++row) {
    const std::string& text = rowBuffer[static_cast<std::size_t>(row)];
    for (int column = 0; column < kColumns; ++column) {
      char symbol = static_cast<std::size_t>(column) < text.size() ? text[static_cast<std::size_t>(column)] : symFloor;
      int cell = cellIndex(row, column);
      std::int32_t code = codeOfSymbol(symbol);
      room.cells[cell] = code;
      if (code != OUTSIDE && (code & GOAL) != 0) room.goals->push_back(cell);
      if (code != OUTSIDE && (code & MAN) != 0) room.man = cell;
    }
  }
}

namespace {

bool isBlankOnly(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

// Splits a list into its entries, each ended by ";". A remainder of one character (whatever
// it is: a lone ";" reads as an empty list) or of blanks only is ignored.
std::optional<ListError> splitEntries(std::string_view text, const char* listName, std::size_t capacity,
                                      std::vector<std::string_view>& entries) {
  while (text.size() > 1) {
    std::size_t end = text.find(';');
    if (end == std::string_view::npos) {
      if (isBlankOnly(text)) break;
      return ListError{std::string("the ") + listName + " ends with " + quotedValue(text) + ", which has no \";\""};
    }
    if (entries.size() == capacity) {
      return ListError{std::string("the ") + listName + " holds more than " + std::to_string(capacity) + " entries"};
    }
    entries.push_back(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  return std::nullopt;
}

// Any 32-bit value is kept, inside the room or not: the file is written back as it was read,
// and whatever marks a cell from a list checks the index against the cell array first.
std::optional<ListError> readCell(std::string_view entry, const char* listName, std::int32_t& cell) {
  std::optional<std::int64_t> value = parseDecimal(entry);
  if (!value) {
    return ListError{std::string("the ") + listName + " has " + quotedValue(entry) + " where a cell number belongs"};
  }
  cell = static_cast<std::int32_t>(*value);
  return std::nullopt;
}

}  // namespace

std::optional<ListError> parsePlaceList(RoomRecord& room, std::string_view placeListText) {
  const char* name = "forbidden place list";
  std::vector<std::string_view> entries;
  if (auto error = splitEntries(placeListText, name, kMaxPlaces, entries)) return error;
  std::array<std::int32_t, kMaxPlaces + 1> places = room.forbPlaces;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (auto error = readCell(entries[i], name, places[i + 1])) return error;
  }
  room.forbPlaces = places;
  room.forbPlaceCount = static_cast<std::int32_t>(entries.size());
  return std::nullopt;
}

std::optional<ListError> parseCoupleList(RoomRecord& room, std::string_view coupleListText) {
  const char* name = "forbidden couple list";
  std::vector<std::string_view> entries;
  if (auto error = splitEntries(coupleListText, name, kMaxCouples, entries)) return error;
  std::array<CouplePair, kMaxCouples + 1> couples = room.forbCouples;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    std::string_view entry = entries[i];
    std::size_t comma = entry.find(',');
    if (comma == std::string_view::npos) {
      return ListError{std::string("the ") + name + " has " + quotedValue(entry) +
                       ", which is not two cells joined by \",\""};
    }
    if (auto error = readCell(entry.substr(0, comma), name, couples[i + 1].cellA)) return error;
    if (auto error = readCell(entry.substr(comma + 1), name, couples[i + 1].cellB)) return error;
  }
  room.forbCouples = couples;
  room.forbCoupleCount = static_cast<std::int32_t>(entries.size());
  return std::nullopt;
}

RowBuffer buildRoomRows(const RoomRecord& room) {
  RowBuffer rowBuffer;
  for (int row = 0; row < kRows; ++row) {
    std::string& text = rowBuffer[static_cast<std::size_t>(row)];
    text.resize(kColumns);
    for (int column = 0; column < kColumns; ++column) {
      text[static_cast<std::size_t>(column)] = symbolForWriting(room.cells[cellIndex(row, column)]);
    }
  }
  return rowBuffer;
}

}  // namespace tarvo
