// The lenient reader of room collection text, fed a line at a time: it keeps the open room in a
// compact form, bounded whatever the text, and hands each room over whole once it ends.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

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

// The longest title kept, in characters: a longer title is cut there, so a line of megabytes
// never sits in a room. A character of UTF-8 takes at most four bytes.
inline constexpr std::size_t kLongestTitle = 1000;
inline constexpr std::size_t kLongestTitleBytes = 4 * kLongestTitle + 16;

// Where a room without a title line has its title: nowhere.
inline constexpr std::size_t kNoTitle = std::numeric_limits<std::size_t>::max();

// One room of a collection. Counts are of symbols, so they are known for a room too large
// to place; the cells are placed on the board only when the room fits.
struct CollectionRoom {
  std::string title;      // at most kLongestTitle characters
  bool titled = false;    // the text gave the title; else it is "Room N" by the room's place
  std::int64_t rows = 0;  // after cutting blank margins
  std::int64_t columns = 0;
  std::int64_t boxes = 0;  // "$" and "*"
  std::int64_t goals = 0;  // ".", "*" and "+"
  std::int64_t men = 0;    // "@" and "+"
  // False for a room handed over as too large before its end: its size and counts are then
  // those of its first rows.
  bool measured = true;
  RoomProblem problem = RoomProblem::None;
  // The board's cell codes (OUTSIDE, floor, wall, goal, box, man), centred; all OUTSIDE for a
  // room that does not fit.
  std::array<std::int8_t, kPlayableCells> cells{};
  // Where its first row and its title line start in the text, as the reader was told where each
  // line starts; kNoTitle when no line titles it.
  std::size_t textStart = 0;
  std::size_t titleStart = kNoTitle;

  bool canBeTaken() const { return problem == RoomProblem::None; }
};

// The title a line gives the room after it: the rest of a line starting with ";" or "Title:" (in
// any case), blanks trimmed, at most kLongestTitle characters; empty for any other line. Only
// the first kLongestTitleBytes bytes of the line are looked at.
std::string titleOfLine(std::string_view line);

// "too large: 12 x 9" (columns x rows; "too large: more than 10 rows" for a room handed over
// before its end), "no man", "2 men", "no goal", "fewer boxes than goals", "open"; empty for a
// room that can be taken.
std::string describeProblem(const CollectionRoom& room);

// Reads rooms from lines of text. A room line holds only the symbols # . $ * @ +, blanks
// (space, "-", "_"), digit runs that repeat the symbol after them, and "|", which ends a row; it
// holds at least one symbol. A room is a run of such rows; an empty line, a line of blanks only,
// any other line, or an empty row on a line ("||") ends it, while a row of blanks between two
// "|" inside a room is a blank row of it. Its title is the last non-empty line since the
// previous room when that line starts with ";" or "Title:", else "Room N" by its place. A CR
// ending a line is dropped. Run lengths are measured, never expanded, and a room known to be
// too large keeps no cells, so the memory a room takes is bounded whatever the text.
class RoomCollectionReader {
 public:
  struct Options {
    std::size_t mostRooms = std::numeric_limits<std::size_t>::max();  // lines after these are ignored
    // A room hands itself over as too large as soon as it passes ten rows (its further rows are
    // then skipped to its end), for a stream that may never end it.
    bool tooLargeEarly = false;
  };

  RoomCollectionReader() : RoomCollectionReader(Options{}) {}
  explicit RoomCollectionReader(Options options) : options_(options) {}

  // One line without its LF; `lineStart` is where it starts in the whole text, for the rooms'
  // textStart and titleStart.
  void readLine(std::string_view line, std::size_t lineStart = 0);
  // The end of the text: completes the room the last lines began.
  void end();
  // The rooms completed and not yet taken away; the caller may take them.
  std::vector<CollectionRoom>& rooms() { return rooms_; }
  // Whether the most rooms wanted have been read.
  bool full() const { return roomsEnded_ >= options_.mostRooms; }

 private:
  // A run of one symbol on a row, by its columns counted from the row's start.
  struct Run {
    std::int64_t start;
    std::int64_t length;
    char symbol;
  };

  // One row of a room line; `barFollows` when a "|" ends it.
  void readRow(std::string_view row, std::size_t rowStart, bool barFollows);
  void startRoom(std::size_t rowStart);
  // Notes that the open room passed ten rows or columns: it keeps no more cells.
  void becomeTooLarge();
  void endRoom();

  Options options_;
  std::size_t roomsEnded_ = 0;
  std::vector<CollectionRoom> rooms_;
  std::string titleLine_;  // the first bytes of the last line that may title the next room
  std::size_t titleLineStart_ = kNoTitle;
  std::int64_t roomNumber_ = 0;
  bool skipping_ = false;  // the rows left of a room handed over early

  // The open room: its counts and extent, and, while it may fit, its runs row after row.
  CollectionRoom open_;
  bool isOpen_ = false;
  bool tooLarge_ = false;
  int blankRows_ = 0;      // blank rows between "|" not yet followed by a row of symbols
  std::int64_t left_ = 0;  // the columns its symbols take, counted from their rows' start
  std::int64_t right_ = 0;
  std::vector<Run> runs_;
  std::vector<std::size_t> rowStarts_;  // where each row starts in runs_
};

}  // namespace tarvo
