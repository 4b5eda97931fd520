// Collections of rooms in plain text, many to a file: a collection read and kept for choosing,
// the first room of a text, the plain writer, and the house made of chosen rooms.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "house/house_reader.h"
#include "house/read_watch.h"
#include "roomtext/collection_reader.h"
#include "rules/room.h"

namespace tarvo {

// The most rooms a collection keeps: more than any chooser is scrolled through, and what keeps
// a file of tiny rooms within a few times its size in memory.
inline constexpr std::size_t kMostCollectionRooms = 1'000'000;

// A room of a kept collection as the list of rooms shows it, in 32 bytes: its counts saturate
// at kMostCount, which a room too large to play reaches only with a run of billions.
struct RoomSummary {
  static constexpr std::uint32_t kMostCount = 0xFFFFFFFFu;
  std::uint32_t textStart = 0;  // where its first row starts in the text
  std::uint32_t titleStart = 0xFFFFFFFFu;
  std::uint32_t rows = 0;
  std::uint32_t columns = 0;
  std::uint32_t boxes = 0;
  std::uint32_t goals = 0;
  std::uint32_t men = 0;
  RoomProblem problem = RoomProblem::None;
  bool titled = false;

  bool canBeTaken() const { return problem == RoomProblem::None; }
};

// A collection read and kept: its text and a summary of each room, in the order of the text;
// a room's cells are read again from the text when they are asked for. At most
// kMostCollectionRooms rooms are kept; the text after them is not read.
class RoomCollection {
 public:
  // Reads the text, which the collection keeps. Precondition: the text is shorter than 4 GiB.
  // A watch, when given, follows the read and may stop it (then stopped() says so).
  explicit RoomCollection(std::string_view text);
  RoomCollection(std::unique_ptr<char[]> text, std::size_t size, ReadWatch* watch = nullptr);

  std::size_t size() const { return rooms_.size(); }
  bool empty() const { return rooms_.empty(); }
  // Whether the text holds rooms after the last one kept.
  bool cut() const { return cut_; }
  // Whether the watch stopped the read before the end.
  bool stopped() const { return stopped_; }
  const RoomSummary& summary(std::size_t k) const { return rooms_[k]; }
  // Room k's title: its title line's, or "Room N" by its place.
  std::string title(std::size_t k) const;
  // Room k whole: its title, counts, problem and cells.
  CollectionRoom room(std::size_t k) const;
  // "too large: 12 x 9", as describeProblem says it of the whole room.
  std::string describeProblem(std::size_t k) const;

 private:
  void read(ReadWatch* watch);

  std::unique_ptr<char[]> text_;
  std::size_t textSize_ = 0;
  std::deque<RoomSummary> rooms_;
  bool cut_ = false;
  bool stopped_ = false;
};

// The largest collection read: some 600,000 rooms of a common size.
inline constexpr std::size_t kMaxCollectionFileBytes = std::size_t{64} << 20;

// The collection of a file: only a regular file of at most kMaxCollectionFileBytes is read. A
// file without any room is refused; `rooms` is left alone on any failure.
HouseReadResult readRoomCollectionFile(const std::string& path, std::shared_ptr<const RoomCollection>& rooms,
                                       ReadWatch* watch = nullptr);

// Whether a file name names a collection rather than a house file: it ends in ".txt", in any case.
bool isCollectionFileName(std::string_view name);

// The first room of the text only (the clipboard); false when the text holds none.
bool readFirstRoom(std::string_view text, CollectionRoom& room);

// A room that fits as a room of a house: its cells, its goals in cell order and its man, read
// as the editor's store reads them. Precondition: room.problem != RoomProblem::TooLarge.
RoomRecord roomOfCollection(const CollectionRoom& room);

// Puts the first room of the text into `room` as an import of the editor's text box does: cells,
// a goal list of its own and the man change; the forbidden lists and records stay. A text
// without a room, or whose first room is too large, leaves the room as it was. Returns what
// was read or why nothing was, for the status line.
std::string pasteRoomText(RoomRecord& room, std::string_view text);

// "; title" then the room's rows and columns from the first to the last that holds a symbol,
// floor and outside cells both written as spaces, trailing spaces left off, LF line ends; a room
// with a row of no symbol between two that have some stands on one line, its rows ended by "|"
// and that row written "-", so that it reads back whole. A room without any symbol gives the
// title line alone, which reads back as no room. Marks are not written.
std::string writeCollectionRoom(const RoomRecord& room, std::string_view title);

// The house's rooms 1..roomCount as a collection: "; house name", a blank line, then each
// room titled "Room N", a blank line between rooms. Records and help lists are not written.
std::string writeRoomCollection(const HouseRecord& house);

// Whether the collection becomes a house as it stands: every room can be taken and there are
// at most kMaxRooms of them.
bool takesWholeCollection(const RoomCollection& rooms);

// The rooms a choice starts from: the first kMaxRooms that can be taken, by their places.
std::vector<std::size_t> firstRoomsToTake(const RoomCollection& rooms);

// The rooms at `places` as a new house, in that order: the name given, no records, room 1
// current. Precondition: 1 to kMaxRooms places, each naming a room that can be taken.
HouseRecord houseOfCollection(const RoomCollection& rooms, const std::vector<std::size_t>& places,
                              const std::string& name);

}  // namespace tarvo
