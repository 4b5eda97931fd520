// Fuzz target: any bytes through the house reader. A failed read must leave the house as it
// was; a house that reads must write out, read back to the same house and write the same
// bytes again (so "Save to disk" after opening a file never drifts).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "house/house_format.h"
#include "house/house_reader.h"
#include "house/house_writer.h"
#include "rules/room.h"

namespace {

using namespace tarvo;
using fuzz::require;

// A house with content in rooms, lists and records, standing for the one in memory when the
// user opens a file: a failed read has to leave all of it alone.
HouseRecord houseInMemory() {
  HouseRecord house = emptyHouse();
  house.houseName = "Before";
  house.roomCount = 2;
  house.currentRoom = 2;
  for (RoomRecord& room : house.rooms) {
    room.cells[cellIndex(4, 4)] = MAN;
    room.man = cellIndex(4, 4);
    room.cells[cellIndex(5, 5)] = BOX + GOAL;
    room.goals->push_back(cellIndex(5, 5));
    room.forbPlaces[1] = 33;
    room.forbPlaceCount = 1;
    room.forbCouples[1] = CouplePair{44, 45};
    room.forbCoupleCount = 1;
    room.records->add(RecordFields{"Zo\xC3\xA9", "3", "00:04", "rdL"});
  }
  return house;
}

bool sameListObjects(const RoomRecord& a, const RoomRecord& b) { return a.goals == b.goals && a.records == b.records; }

bool sharesAnyList(const RoomRecord& a, const RoomRecord& b) { return a.goals == b.goals || a.records == b.records; }

// What the reader promises about any house it accepts.
void checkReadHouse(const HouseRecord& house, const HouseRecord& before) {
  require(house.roomCount >= 1 && house.roomCount <= kMaxRooms, "room count outside 1..16 after a read");
  require(house.currentRoom == 1, "room 1 is not current after a read");
  for (std::size_t r = 0; r < house.rooms.size(); ++r) {
    const RoomRecord& room = house.rooms[r];
    require(!sharesAnyList(room, before.rooms[r]), "a room kept a list of the house read over");
    require(fuzz::borderIsOutside(room), "a border cell is not outside after a read");
    require(room.forbPlaceCount >= 0 && room.forbPlaceCount <= kMaxPlaces, "place count outside 0..80");
    require(room.forbCoupleCount >= 0 && room.forbCoupleCount <= kMaxCouples, "couple count outside 0..40");
    const std::size_t records = room.recordCount();
    if (static_cast<std::int32_t>(r) >= house.roomCount) {
      require(records == 0 && room.cells == before.rooms[r].cells, "a room past the count was changed");
    }
  }
}

// Everything the file carries for one room, as the writer and reader agree on it.
bool sameRoom(const RoomRecord& a, const RoomRecord& b) {
  if (!(a.cells == b.cells) || *a.goals != *b.goals) return false;
  // A room without a man keeps whatever `man` it had, which the file does not carry.
  const bool aHasMan = isPlayableCell(a.man) && isManCode(a.cells[a.man]);
  const bool bHasMan = isPlayableCell(b.man) && isManCode(b.cells[b.man]);
  if (aHasMan != bHasMan || (aHasMan && a.man != b.man)) return false;
  if (a.forbPlaceCount != b.forbPlaceCount || a.forbCoupleCount != b.forbCoupleCount) return false;
  for (int i = 1; i <= a.forbPlaceCount; ++i) {
    if (a.forbPlaces[static_cast<std::size_t>(i)] != b.forbPlaces[static_cast<std::size_t>(i)]) return false;
  }
  for (int i = 1; i <= a.forbCoupleCount; ++i) {
    if (!(a.forbCouples[static_cast<std::size_t>(i)] == b.forbCouples[static_cast<std::size_t>(i)])) return false;
  }
  return *a.records == *b.records;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const fuzz::MemoryBound memory(size);

  HouseRecord house = houseInMemory();
  const HouseRecord before = house;  // shares the lists, so list identity can be checked
  const std::string beforeBytes = writeHouse(house);

  const HouseReadResult result = readHouse(bytes, house);
  if (!result.ok()) {
    require(!result.problem.empty(), "a failed read gives no reason");
    require(result.status != HouseReadResult::Status::CannotOpen, "reading bytes claims a file could not open");
    if (result.status == HouseReadResult::Status::NotAHouse) {
      std::string_view first = bytes.substr(0, bytes.find('\n'));
      if (!first.empty() && first.back() == '\r') first.remove_suffix(1);
      require(first != house_format::kHeader, "a file with the header line was refused as not a house");
    }
    require(writeHouse(house) == beforeBytes, "a failed read changed the house");
    require(house.currentRoom == before.currentRoom, "a failed read changed the current room");
    for (std::size_t r = 0; r < house.rooms.size(); ++r) {
      require(sameListObjects(house.rooms[r], before.rooms[r]), "a failed read replaced a room's lists");
      require(sameRoom(house.rooms[r], before.rooms[r]), "a failed read changed a room");
    }
    return 0;
  }
  checkReadHouse(house, before);

  // Save, open the saved file, save again: the house and the bytes must come back the same.
  const std::string written = writeHouse(house);
  HouseRecord reread = houseInMemory();
  const HouseReadResult again = readHouse(written, reread);
  if (!again.ok()) {
    std::fprintf(stderr, "%s\n", again.describe().c_str());
    fuzz::fail("the written house does not read back");
  }
  require(reread.houseName == house.houseName, "the house name changed on the way through a file");
  require(reread.roomCount == house.roomCount, "the room count changed on the way through a file");
  for (int r = 0; r < house.roomCount; ++r) {
    require(sameRoom(reread.rooms[static_cast<std::size_t>(r)], house.rooms[static_cast<std::size_t>(r)]),
            "a room changed on the way through a file");
  }
  require(writeHouse(reread) == written, "writing the read-back house gives other bytes");
  return 0;
}
