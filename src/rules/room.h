// The room and house records, the play counters, and the small cell operations on a room.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "rules/cell.h"
#include "rules/records.h"

namespace tarvo {

// 120 cell codes addressed by index -10..109; rows -1 and 10 always hold OUTSIDE so that
// a step or push examined from any playable cell stays inside the array.
class CellArray {
 public:
  CellArray() { codes_.fill(OUTSIDE); }
  // Precondition: isInCellArray(index).
  std::int32_t& operator[](int index) { return codes_[static_cast<std::size_t>(index - kFirstCell)]; }
  std::int32_t operator[](int index) const { return codes_[static_cast<std::size_t>(index - kFirstCell)]; }
  // Out-of-array indexes read as OUTSIDE, which no operation ever changes.
  std::int32_t at(std::int64_t index) const {
    return isInCellArray(index) ? (*this)[static_cast<int>(index)] : OUTSIDE;
  }
  void fill(std::int32_t code) { codes_.fill(code); }
  bool operator==(const CellArray&) const = default;

 private:
  std::array<std::int32_t, kLastCell - kFirstCell + 1> codes_{};
};

struct CouplePair {
  std::int32_t cellA = 0;
  std::int32_t cellB = 0;
  bool operator==(const CouplePair&) const = default;
};

inline constexpr int kMaxPlaces = 80;
inline constexpr int kMaxCouples = 40;
inline constexpr int kMaxRooms = 16;

// The most records a house may hold, in one room or spread over several: far more than players
// make (each is a finished game), and what keeps a file of tiny record lines from filling the
// memory. A record takes 32 bytes of field ends besides its fields' text, so the bound takes
// 6.4 MB with lines of three TABs; the text takes at most three times the file's bytes (a byte
// of the file's code page is at most three in UTF-8). The reader refuses a file past it, so nothing may make a house
// hold more.
inline constexpr std::int64_t kMaxHouseRecords = 200000;

template <typename T>
using SharedList = std::shared_ptr<std::vector<T>>;

template <typename T>
SharedList<T> newList() {
  return std::make_shared<std::vector<T>>();
}

// One room. Copying a RoomRecord copies cells, man and the forbidden arrays, and shares the
// goal list and the records with the source, so a record made on the working copy reaches the
// house at once.
struct RoomRecord {
  CellArray cells;
  SharedList<std::int32_t> goals = newList<std::int32_t>();
  std::int32_t man = 0;
  std::array<std::int32_t, kMaxPlaces + 1> forbPlaces{};  // positions 1..forbPlaceCount
  std::int32_t forbPlaceCount = 0;
  std::array<CouplePair, kMaxCouples + 1> forbCouples{};  // positions 1..forbCoupleCount
  std::int32_t forbCoupleCount = 0;
  std::shared_ptr<RecordList> records = std::make_shared<RecordList>();

  // Gives the room a new, empty goal list and record list (no copy made earlier sees them).
  void giveFreshLists();
  std::size_t recordCount() const { return records->size(); }
};

struct HouseRecord {
  std::string houseName;  // UTF-8
  std::int32_t roomCount = 1;
  std::int32_t currentRoom = 1;  // 1-based; room n is rooms[n - 1]
  std::array<RoomRecord, kMaxRooms> rooms;

  // The slot of room number n (1-based), or nullptr when n names no slot.
  RoomRecord* roomNumber(std::int32_t n);
  const RoomRecord* roomNumber(std::int32_t n) const;
  // The whole records of rooms 1..roomCount, which a house file holds.
  std::int64_t recordCount() const;
};

// Times are integer milliseconds of a monotonic clock.
struct PlayCounters {
  std::int32_t moveCount = 0;
  std::string moveHistory;
  std::int64_t startTime = 0;
  std::int64_t endTime = 0;
};

bool isBox(const RoomRecord& room, int cell);
// Adds MARK to an even code (a wall becomes 3); marked and OUTSIDE cells stay as they are.
void setMark(RoomRecord& room, int cell);
// Removes MARK from a marked code.
void clearMark(RoomRecord& room, int cell);
void clearAllMarks(RoomRecord& room);
// Takes every box and the man off cells 0..99 (the man only where `man` names his cell).
void removeBoxesAndMan(RoomRecord& room);
std::int32_t countBoxesOnGoals(const RoomRecord& room);
std::int32_t goalCount(const RoomRecord& room);

// The `man` of a room without one.
inline constexpr std::int32_t kNoMan = -1;

// A room ready to be designed: outside cells in the border rows, walls around a floor, no man.
RoomRecord emptyRoom();

// A house of one room, every one of its 16 places an empty room.
HouseRecord emptyHouse();

}  // namespace tarvo
