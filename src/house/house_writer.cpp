// Writing the house record as a house file.
#include "house/house_writer.h"

#include <algorithm>
#include <charconv>

#include "house/house_format.h"
#include "house/house_reader.h"
#include "rules/cp1252.h"
#include "rules/room_text.h"

namespace tarvo {

namespace {

using namespace house_format;

void appendNumber(std::string& out, std::int64_t value) {
  char digits[24];
  auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
}

void appendLine(std::string& out, std::string_view text) {
  out.append(text);
  out.append(kLineEnd);
}

void appendRoom(std::string& out, const RoomRecord& room, int position) {
  out.append(kSeparatorRun);
  out.append(kSeparatorRoom);
  appendNumber(out, position);
  appendLine(out, kSeparatorRun);
  for (const std::string& row : buildRoomRows(room)) appendLine(out, row);

  out.append(kPlacesLabel);
  for (int i = 1; i <= std::clamp(room.forbPlaceCount, 0, kMaxPlaces); ++i) {
    appendNumber(out, room.forbPlaces[static_cast<std::size_t>(i)]);
    out.push_back(';');
  }
  out.append(kLineEnd);
  out.append(kCouplesLabel);
  for (int i = 1; i <= std::clamp(room.forbCoupleCount, 0, kMaxCouples); ++i) {
    const CouplePair& couple = room.forbCouples[static_cast<std::size_t>(i)];
    appendNumber(out, couple.cellA);
    out.push_back(',');
    appendNumber(out, couple.cellB);
    out.push_back(';');
  }
  out.append(kLineEnd);

  std::size_t records = room.recordCount();
  out.append(kRecordCountLabel);
  appendNumber(out, static_cast<std::int64_t>(records));
  out.append(kLineEnd);
  for (std::size_t k = 0; k < records; ++k) {
    const RecordList::Record record = (*room.records)[k];
    for (std::string_view field : {record.name, record.moves, record.time, record.solution}) {
      appendUtf8AsCp1252(out, field);
      out.push_back('\t');
    }
    out.append(kLineEnd);
  }
}

std::size_t estimatedSize(const HouseRecord& house, int rooms) {
  std::size_t size = 256;
  for (int r = 0; r < rooms; ++r) {
    const RoomRecord& room = house.rooms[static_cast<std::size_t>(r)];
    size += 400;
    size += room.records->textSize() + room.recordCount() * 6;
  }
  return size;
}

}  // namespace

std::string writeHouse(const HouseRecord& house) {
  const int rooms = std::clamp(house.roomCount, 0, kMaxRooms);
  std::string out;
  out.reserve(estimatedSize(house, rooms));
  appendLine(out, kHeader);
  out.append(kVersionLabel);
  appendNumber(out, kVersionMajor);
  out.push_back('.');
  appendNumber(out, kVersionMinor);
  out.append(kLineEnd);
  out.append(kNameLabel);
  appendUtf8AsCp1252(out, house.houseName);
  out.append(kLineEnd);
  out.append(kRoomCountLabel);
  appendNumber(out, rooms);
  out.append(kLineEnd);
  for (int r = 0; r < rooms; ++r) appendRoom(out, house.rooms[static_cast<std::size_t>(r)], r);
  return out;
}

std::optional<std::string> whyNotReadBack(const HouseRecord& house, std::size_t writtenBytes) {
  const std::string unreadable = ", so it was not saved: it could not be opened again";
  const std::int64_t records = house.recordCount();
  if (records > kMaxHouseRecords) {
    return "the house holds " + std::to_string(records) + " records, more than the " +
           std::to_string(kMaxHouseRecords) + " a house file may hold" + unreadable;
  }
  if (writtenBytes > kMaxHouseFileBytes) {
    return "the house takes " + std::to_string(writtenBytes) + " bytes, more than the " +
           std::to_string(kMaxHouseFileBytes >> 20) + " MiB a house file may take" + unreadable;
  }
  return std::nullopt;
}

}  // namespace tarvo
