// The plain-text room collection: what the reader takes, where it places a room, why it
// refuses one, and the writer's text read back.
#include "roomtext/room_collection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "house/house_reader.h"
#include "room_builder.h"
#include "roomtext/house_files.h"
#include "rules/room_text.h"

namespace tarvo {
namespace {

// The placed cells as ten rows: "-" outside, " " floor.
std::vector<std::string> placedRows(const CollectionRoom& room) {
  RoomRecord record;
  for (int cell = 0; cell < kPlayableCells; ++cell) record.cells[cell] = room.cells[static_cast<std::size_t>(cell)];
  const RowBuffer rows = buildRoomRows(record);
  return {rows.begin(), rows.end()};
}

int firstSymbolCell(const RoomRecord& room) {
  int cell = 0;
  while (cell < kPlayableCells && (room.cells[cell] == OUTSIDE || room.cells[cell] == FLOOR)) ++cell;
  return cell;
}

// Every room the collection reader keeps of the text, whole.
std::vector<CollectionRoom> readRoomCollection(std::string_view text) {
  const RoomCollection collection(text);
  std::vector<CollectionRoom> rooms;
  for (std::size_t k = 0; k < collection.size(); ++k) rooms.push_back(collection.room(k));
  return rooms;
}

// Each room's title, or with kProblems why it cannot be taken ("" when it can).
constexpr bool kProblems = true;
std::vector<std::string> titles(const std::vector<CollectionRoom>& rooms, bool problems = false) {
  std::vector<std::string> result;
  for (const CollectionRoom& room : rooms) result.push_back(problems ? describeProblem(room) : room.title);
  return result;
}

TEST(RoomCollection, TitlesCommentsAndLineEnds) {
  const std::vector<CollectionRoom> rooms = readRoomCollection(
      "; My collection\r\nAuthor: someone\r\n\r\n"
      ";  First  \r\n####\r\n#@$.#\r\n#####\r\n\r\n"
      "#####\n#.$@#\n#####\n"
      "Title: Third\n#####\n#.$@#\n#####\n"
      "Title: Fourth\nAuthor: me\n#####\n#.$@#\n#####");
  EXPECT_EQ(titles(rooms), (std::vector<std::string>{"First", "Room 2", "Third", "Room 4"}));
  ASSERT_EQ(rooms.size(), 4u);
  // A CR is no cell: the first room is five columns, not six.
  EXPECT_EQ(rooms[0].columns, 5);
  EXPECT_EQ(rooms[0].rows, 3);
  EXPECT_EQ(titles(rooms, kProblems), (std::vector<std::string>{"", "", "", ""}));
}

TEST(RoomCollection, RunLengthsBarsAndBlankMarginsGiveTheSameCentredRoom) {
  const std::vector<std::string> expected = {"----------", "----------", "----------", "--#####---", "--#@$.#---",
                                             "--#####---", "----------", "----------", "----------", "----------"};
  const std::vector<CollectionRoom> rooms = readRoomCollection(
      "#####\n#@$.#\n#####\n"
      "\n"
      "  --  5#\n  __  #@$.#  \n      5#\n"
      "\n"
      "5#|#@$.#|5#|\n"
      "\n"
      "--1#3#0$1#|--#@$.#|--5#");  // a run of none is nothing
  ASSERT_EQ(rooms.size(), 4u);
  for (const CollectionRoom& room : rooms) EXPECT_EQ(placedRows(room), expected) << room.title;
}

TEST(RoomCollection, OddSizesLeaveTheSpareRowBelowAndBlanksTheEdgeReachesAreOutside) {
  const std::vector<CollectionRoom> rooms = readRoomCollection(
      "#########\n"
      "#@$.    #\n"
      "#   #   #\n"
      " ## #####\n"
      "  # #\n"
      "  ###\n");
  ASSERT_EQ(rooms.size(), 1u);
  EXPECT_EQ(placedRows(rooms[0]),
            (std::vector<std::string>{"----------", "----------", "#########-", "#@$.    #-", "#   #   #-",
                                      "-## #####-", "--# #-----", "--###-----", "----------", "----------"}));
}

TEST(RoomCollection, SeveralRoomsInOneLineAndWhatEndsARoom) {
  const std::vector<CollectionRoom> rooms =
      readRoomCollection("5#|#@$.#|5#||5#|#.$@#|5#|   ||4#|#@*#|4#\n5#\n; named\n5#\n#@$.#\n5#");
  EXPECT_EQ(titles(rooms), (std::vector<std::string>{"Room 1", "Room 2", "Room 3", "named"}));
  // The line after the third room in the line is a room line of its own, and still part of it.
  EXPECT_EQ(rooms[2].rows, 4);
  // Blank rows between bars after the last row of a room are margin.
  EXPECT_EQ(rooms[1].rows, 3);
  // A digit run before "|" or at the end makes the line no room line.
  EXPECT_TRUE(readRoomCollection("5#|#@$.#|5|\n12\n;x").empty());
  // The first room alone, whatever follows it.
  CollectionRoom first;
  EXPECT_FALSE(readFirstRoom("hello\n\nworld", first));
  ASSERT_TRUE(readFirstRoom("hello\n5#|#@$.#|5#||3#|#@#|3#", first));
  EXPECT_TRUE(first.title == "Room 1" && first.columns == 5);
}

TEST(RoomCollection, ReasonsARoomCannotBeTaken) {
  const std::vector<CollectionRoom> rooms = readRoomCollection(
      "11#\n#@$.      #\n11#\n\n"                // 11 columns
      "#\n#\n#\n#\n#\n#\n#\n#\n#\n#\n#@$.#\n\n"  // 11 rows
      "5#\n#@$.#\n# #\n\n"                       // open: the man walks out below
      "5#\n#$$.#\n5#\n\n"                        // no man
      "5#\n#@@.#\n#$ $#\n5#\n\n"                 // two men
      "5#\n#@$ #\n5#\n\n"                        // no goal
      "5#\n#@$.#\n#  .#\n5#\n\n"                 // fewer boxes than goals
      "6#\n#@$$.#\n6#\n\n"                       // spare boxes are fine
      "99999999#\n#@$.#\n");
  EXPECT_EQ(titles(rooms, kProblems),
            (std::vector<std::string>{"too large: 11 x 3", "too large: 5 x 11", "open", "no man", "2 men", "no goal",
                                      "fewer boxes than goals", "", "too large: 99999999 x 2"}));
  EXPECT_EQ(rooms[0].boxes, 1);
  EXPECT_EQ(rooms[0].goals, 1);
  // The gap in the open room's wall is outside: the edge reaches it from below.
  EXPECT_EQ(placedRows(rooms[2])[5], "--#-#-----");
}

// Every room of the houses we ship and test with, written and read back: the same walls,
// boxes, goals and man, shifted as a whole, and it can still be taken.
TEST(RoomCollection, WrittenRoomsReadBack) {
  for (const char* path : {TARVO_ASSETS "/default.hou", TARVO_FIXTURES "/sixteen_rooms.hou"}) {
    HouseRecord house;
    ASSERT_TRUE(readHouseFile(path, house).ok()) << path;
    const std::string text = writeRoomCollection(house);
    EXPECT_EQ(text.rfind("; " + house.houseName + "\n\n; Room 1\n", 0), 0u);
    const std::vector<CollectionRoom> back = readRoomCollection(text);
    ASSERT_EQ(back.size(), static_cast<std::size_t>(house.roomCount)) << path;
    for (int n = 1; n <= house.roomCount; ++n) {
      const RoomRecord& room = *house.roomNumber(n);
      const CollectionRoom& read = back[static_cast<std::size_t>(n - 1)];
      EXPECT_EQ(read.title, "Room " + std::to_string(n));
      const RoomRecord again = roomOfCollection(read);
      const int shift = firstSymbolCell(again) - firstSymbolCell(room);
      for (int cell = 0; cell < kPlayableCells; ++cell) {
        const std::int32_t code = room.cells[cell] == OUTSIDE ? FLOOR : room.cells[cell] & ~MARK;
        if (code == FLOOR) continue;
        ASSERT_EQ(again.cells.at(cell + shift), code) << path << " room " << n << test::roomText(again);
      }
      std::vector<std::int32_t> goals = *room.goals;
      for (std::int32_t& goal : goals) goal += shift;
      EXPECT_EQ(*again.goals, goals);
      EXPECT_EQ(again.man, room.man + shift);
    }
  }
}

// A row of blanks between two "|" is a row of the room it is in; an empty row ("||"), a blank
// line or a row of blanks at a line's end still ends a room.
TEST(RoomCollection, BlankRowsBetweenBarsStayInTheirRoom) {
  struct Row {
    const char* text;
    std::vector<std::int64_t> rows;  // of each room read
  };
  const Row table[] = {
      {"5#|- |5#", {3}},        {"5#|#@$.#|  |__|#.$ #|5#", {6}},
      {"5#|-|\n5#", {3}},      // the blank row ends one line, the room goes on in the next
      {"5#|-||5#", {1, 1}},    // an empty row ends the room; its blank rows were margin
      {"-|5#|#@$.#|5#", {3}},  // a blank row before the first row is margin
      {"5#|#@$.#|5#|-", {3}},  // and after the last one
      {"5#\n-\n5#", {1, 1}},   // a line of blanks ends a room
      {"5#|- |5#||5#", {3, 1}},
  };
  for (const Row& row : table) {
    std::vector<std::int64_t> rows;
    for (const CollectionRoom& room : readRoomCollection(row.text)) rows.push_back(room.rows);
    EXPECT_EQ(rows, row.rows) << row.text;
  }
}

// A room made anywhere (the editor paints any cell) is written so that it reads back as one room
// on the same symbols, up to a shift, blanks the edge reaches becoming outside; a room without
// any symbol is written as its title alone and reads back as no room.
TEST(RoomCollection, AnyRoomWrittenReadsBackWholeUpToAShift) {
  std::mt19937 random(7);
  const std::int32_t codes[] = {OUTSIDE, FLOOR, FLOOR, FLOOR, WALL, GOAL, BOX, BOX + GOAL, MAN, MAN + GOAL};
  for (int trial = 0; trial < 2000; ++trial) {
    RoomRecord room = emptyRoom();
    // A few symbols in a random box of the board, blank rows and columns between them likely.
    const int top = static_cast<int>(random() % 10), left = static_cast<int>(random() % 10);
    const int height = 1 + static_cast<int>(random() % (10 - top)),
              width = 1 + static_cast<int>(random() % (10 - left));
    for (int cell = 0; cell < kPlayableCells; ++cell) room.cells[cell] = random() % 2 == 0 ? OUTSIDE : FLOOR;
    for (int k = static_cast<int>(random() % 6); k > 0; --k) {
      const int cell = cellIndex(top + static_cast<int>(random() % height), left + static_cast<int>(random() % width));
      room.cells[cell] = codes[random() % std::size(codes)];
    }
    const std::string text = writeCollectionRoom(room, "t");
    const std::vector<CollectionRoom> back = readRoomCollection(text);
    const int symbols = static_cast<int>(
        std::count_if(&room.cells[0], &room.cells[0] + kPlayableCells, [](std::int32_t code) { return code > FLOOR; }));
    ASSERT_EQ(back.size(), symbols > 0 ? 1u : 0u) << text;
    if (symbols == 0) continue;
    const RoomRecord again = roomOfCollection(back[0]);
    const int shift = firstSymbolCell(again) - firstSymbolCell(room);
    for (int cell = 0; cell < kPlayableCells; ++cell) {
      const bool blank = room.cells[cell] <= FLOOR;
      const std::int32_t read = again.cells.at(cell + shift);
      ASSERT_TRUE(blank ? read <= FLOOR : read == room.cells[cell]) << "cell " << cell << text << test::roomText(again);
    }
  }
}

TEST(RoomCollection, AStreamToldARoomTooLargeAsSoonAsItPassesTenRowsAndGoesOnAfterIt) {
  RoomCollectionReader::Options options;
  options.tooLargeEarly = true;
  RoomCollectionReader reader(options);
  for (int row = 0; row < 10; ++row) reader.readLine("##########");
  EXPECT_TRUE(reader.rooms().empty());
  reader.readLine("##########");
  ASSERT_EQ(reader.rooms().size(), 1u);
  EXPECT_EQ(describeProblem(reader.rooms()[0]), "too large: more than 10 rows");
  reader.rooms().clear();
  for (int row = 0; row < 100000; ++row) reader.readLine("#@$.#");
  EXPECT_TRUE(reader.rooms().empty()) << "the rest of the room is skipped";
  reader.readLine("");
  reader.readLine("; next");
  for (const char* row : {"5#", "#@$.#", "5#"}) reader.readLine(row);
  reader.end();
  ASSERT_EQ(reader.rooms().size(), 1u);
  EXPECT_TRUE(reader.rooms()[0].title == "next" && reader.rooms()[0].canBeTaken());

  // Read whole, the same room is measured to its end.
  EXPECT_EQ(titles(readRoomCollection(std::string(11, '#') + "\n" + std::string(30, '\n') + "#\n#\n"), kProblems),
            (std::vector<std::string>{"too large: 11 x 1", "no man"}));
}

// A collection keeps at most a million rooms, so a file of tiny rooms stays within a few times
// its size; titles are cut at a thousand characters.
TEST(RoomCollection, KeepsAMillionRoomsAndTitlesOfAThousandCharacters) {
  std::string tiny;
  for (std::size_t k = 0; k <= kMostCollectionRooms; ++k) tiny += "#\n\n";
  const RoomCollection many(tiny);
  EXPECT_EQ(many.size(), kMostCollectionRooms);
  EXPECT_TRUE(many.cut());
  EXPECT_FALSE(RoomCollection(tiny.substr(0, 3 * kMostCollectionRooms)).cut());

  std::string longTitle = "; ";
  for (int k = 0; k < 1500; ++k) longTitle += "\xC3\xA9";  // "é", two bytes
  const RoomCollection titled(longTitle + "\n5#\n#@$.#\n5#\n");
  ASSERT_EQ(titled.size(), 1u);
  EXPECT_EQ(titled.title(0), longTitle.substr(2, 2 * kLongestTitle));
  EXPECT_EQ(titled.room(0).title, titled.title(0));
  EXPECT_TRUE(titled.summary(0).titled);
}

// A save writes what the name says, and only a name without a known extension takes the type
// chosen in the dialog.
TEST(HouseFiles, TheNameOrElseTheChosenTypeDecidesWhatASaveWrites) {
  const std::tuple<const char*, SavedAs, SavedAs> table[] = {
      {"rooms.txt", SavedAs::House, SavedAs::Collection},       {"ROOMS.TXT", SavedAs::House, SavedAs::Collection},
      {"house.hou", SavedAs::Collection, SavedAs::House},       {"house.HOU", SavedAs::Collection, SavedAs::House},
      {"t1", SavedAs::Collection, SavedAs::Collection},         {"t1", SavedAs::House, SavedAs::House},
      {"notes.text", SavedAs::Collection, SavedAs::Collection},
  };
  for (const auto& [name, chosen, written] : table) EXPECT_EQ(savedAsOfName(name, chosen), written) << name;
}

}  // namespace
}  // namespace tarvo
