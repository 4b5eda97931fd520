// Rooms as text for the tests: build a room from a few rows, start a game on it, show a room
// as text in failure messages, and read its cells and lists at a glance.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "rules/play.h"
#include "rules/room_text.h"

namespace tarvo {

inline void PrintTo(const CouplePair& c, std::ostream* out) { *out << "(" << c.cellA << ", " << c.cellB << ")"; }

namespace test {

using Codes = std::vector<std::int32_t>;
using Texts = std::vector<std::string>;

// A room from up to ten rows, with the forbidden place and couple lists as a house file holds
// them. Unlike a house file, missing rows and the right-hand end of short rows are outside
// cells, so a test writes only the part of the room it needs.
inline RoomRecord roomFromRows(const Texts& rows, std::string_view placeList = "", std::string_view coupleList = "") {
  RowBuffer buffer;
  for (std::size_t k = 0; k < buffer.size(); ++k) {
    buffer[k] = k < rows.size() ? rows[k] : "";
    buffer[k].resize(kColumns, '-');
  }
  RoomRecord room;
  parseRoomRows(room, buffer);
  EXPECT_FALSE(parsePlaceList(room, placeList) || parseCoupleList(room, coupleList)) << placeList << coupleList;
  return room;
}

inline Codes markedCells(const RoomRecord& room) {
  Codes marked;
  for (int cell = kFirstCell; cell <= kLastCell; ++cell) {
    if (isMarkedCode(room.cells[cell])) marked.push_back(cell);
  }
  return marked;
}

// The rows between bars, then the marked cells, which the rows cannot show.
inline std::string roomText(const RoomRecord& room) {
  std::string text = "\n";
  for (const std::string& row : buildRoomRows(room)) text += "|" + row + "|\n";
  for (int cell : markedCells(room)) text += "marked " + std::to_string(cell) + "\n";
  return text;
}

inline Codes codes(const RoomRecord& room, int first, int count) {
  Codes result;
  for (int cell = first; cell < first + count; ++cell) result.push_back(room.cells[cell]);
  return result;
}

inline Codes places(const RoomRecord& r) { return {&r.forbPlaces[1], &r.forbPlaces[1] + r.forbPlaceCount}; }
inline std::vector<CouplePair> couples(const RoomRecord& r) {
  return {&r.forbCouples[1], &r.forbCouples[1] + r.forbCoupleCount};
}

// One "name|moves|time|solution" text per record.
inline Texts records(const RoomRecord& r) {
  Texts result;
  for (std::size_t k = 0; k < r.recordCount(); ++k) {
    const RecordList::Record record = (*r.records)[k];
    result.push_back(std::string(record.name) + "|" + std::string(record.moves) + "|" + std::string(record.time) + "|" +
                     std::string(record.solution));
  }
  return result;
}

// A game on `room`, stored as room `number` of an otherwise empty house, made current and started.
inline GameState gameOn(const RoomRecord& room, int number = 1) {
  GameState state;
  state.house = emptyHouse();
  state.house.roomCount = number;
  state.house.currentRoom = number;
  *state.house.roomNumber(number) = room;
  startRoom(state, 0);
  return state;
}

}  // namespace test
}  // namespace tarvo
