// Collections of rooms in plain text, many to a file: the lenient reader and the plain writer.
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "house/house_reader.h"
#include "rules/room.h"

namespace tarvo {

// Why a room read from a collection cannot become a room of a house, first reason first.
enum class RoomProblem : std::uint8_t {
  None,
  TooLarge,  // more than ten rows or columns once blank margins are cut
  NoMan,
  SeveralMen,
  NoGoal,
  FewerBoxes,  // fewer boxes than goals
  Open,        // the man reaches the edge of the board
};

// One room of a collection. Counts are of symbols, so they are known for a room too large
// to place; the cells are placed on the board only when the room fits.
struct CollectionRoom {
  std::string title;
  bool titled = false;    // the text gave the title; else it is "Room N" by the room's place
  std::int64_t rows = 0;  // after cutting blank margins
  std::int64_t columns = 0;
  std::int64_t boxes = 0;  // "$" and "*"
  std::int64_t goals = 0;  // ".", "*" and "+"
  std::int64_t men = 0;    // "@" and "+"
  RoomProblem problem = RoomProblem::None;
  // The board's cell codes (OUTSIDE, floor, wall, goal, box, man), centred; all OUTSIDE for a
  // room that does not fit.
  std::array<std::int8_t, kPlayableCells> cells{};

  bool canBeTaken() const { return problem == RoomProblem::None; }
};

// "too large: 12 x 9" (columns x rows), "no man", "2 men", "no goal", "fewer boxes than
// goals", "open"; empty for a room that can be taken.
std::string describeProblem(const CollectionRoom& room);

// Reads every room of the text. A room line holds only the symbols # . $ * @ +, blanks
// (space, "-", "_"), digit runs that repeat the symbol after them, and "|", which ends a row;
// it holds at least one symbol. A room is a run of such rows; an empty row, a row of blanks
// only or any other line ends it. Its title is the last non-empty line since the previous
// room when that line starts with ";" or "Title:", else "Room N" by its place. Lines end at LF,
// a CR before it dropped. Run lengths are measured, never expanded, so a run of 99999999 costs
// no more than a run of 3.
std::vector<CollectionRoom> readRoomCollection(std::string_view text);

// The same reader fed a line at a time, for text that comes in pieces (a stream): a room is
// complete, and joins rooms(), once the line after it is read or end() is called.
class RoomCollectionReader {
 public:
  explicit RoomCollectionReader(std::size_t mostRooms = std::numeric_limits<std::size_t>::max())
      : mostRooms_(mostRooms) {}

  // One line without its LF; a CR ending it is dropped. Lines after the last room wanted are ignored.
  void readLine(std::string_view line);
  // The end of the text: completes the room the last lines began.
  void end();
  // The rooms completed and not yet taken away; the caller may take them.
  std::vector<CollectionRoom>& rooms() { return rooms_; }
  // Whether the most rooms wanted have been read.
  bool full() const { return roomsEnded_ >= mostRooms_; }

 private:
  // A run of one symbol on a row, by its columns counted from the row's start.
  struct Run {
    std::int64_t start;
    std::int64_t length;
    char symbol;
  };

  void readRow(std::string_view row);
  void startRoom();
  void endRoom();

  std::size_t mostRooms_;
  std::size_t roomsEnded_ = 0;
  std::vector<CollectionRoom> rooms_;
  std::string titleLine_;  // the last line that may title the next room
  std::string title_;
  bool titled_ = false;
  std::int64_t roomNumber_ = 0;
  std::vector<Run> runs_;               // the open room's runs, row after row
  std::vector<std::size_t> rowStarts_;  // where each of its rows starts in runs_
};

// The largest collection read: some 600,000 rooms of a common size.
inline constexpr std::size_t kMaxCollectionFileBytes = std::size_t{64} << 20;

// The same from a file: only a regular file of at most kMaxCollectionFileBytes is read. A file
// without any room is refused; the rooms are left alone on any failure.
HouseReadResult readRoomCollectionFile(const std::string& path, std::vector<CollectionRoom>& rooms);

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
// floor and outside cells both written as spaces, trailing spaces left off, LF line ends. A
// room without any symbol gives the title line alone. Marks are not written.
std::string writeCollectionRoom(const RoomRecord& room, std::string_view title);

// The house's rooms 1..roomCount as a collection: "; house name", a blank line, then each
// room titled "Room N", a blank line between rooms. Records and help lists are not written.
std::string writeRoomCollection(const HouseRecord& house);

// Whether the collection becomes a house as it stands: every room can be taken and there are
// at most kMaxRooms of them.
bool takesWholeCollection(const std::vector<CollectionRoom>& rooms);

// The rooms a choice starts from: the first kMaxRooms that can be taken, by their places.
std::vector<std::size_t> firstRoomsToTake(const std::vector<CollectionRoom>& rooms);

// The rooms as a new house: the name given, no records, room 1 current. Precondition: 1 to
// kMaxRooms rooms, each of which fits.
HouseRecord houseOfCollection(const std::vector<const CollectionRoom*>& rooms, const std::string& name);

}  // namespace tarvo
