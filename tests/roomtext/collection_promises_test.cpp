// What a collection of rooms in plain text promises its reader, a row each: the symbols, run
// lengths, "|" rows, what ends a room, titles, the size that fits, every reason a room cannot be
// taken, when the rooms become a house at once, the house made of them, the paste into the
// editor, and the writer's text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "room_builder.h"
#include "roomtext/house_files.h"
#include "roomtext/room_collection.h"
#include "scratch_folder.h"

namespace tarvo {
namespace {

// "5x3 1/1 ok" for each room of the text: columns x rows, boxes/goals, and why it cannot be
// taken ("ok" when it can), then its title when asked.
std::string described(std::string_view text, bool withTitles = false) {
  const RoomCollection rooms(text);
  std::string all;
  for (std::size_t k = 0; k < rooms.size(); ++k) {
    const CollectionRoom room = rooms.room(k);
    if (!all.empty()) all += "; ";
    all += std::to_string(room.columns) + "x" + std::to_string(room.rows) + " " + std::to_string(room.boxes) + "/" +
           std::to_string(room.goals) + " " + (room.canBeTaken() ? "ok" : describeProblem(room));
    if (withTitles) all += " \"" + room.title + "\"";
  }
  return all;
}

std::string rows(int count, const std::string& row) {
  std::string text;
  for (int k = 0; k < count; ++k) text += row + "\n";
  return text;
}

TEST(CollectionPromises, EachSymbolRunBarAndBlankReadsAsTheReadmeSays) {
  const struct {
    const char* text;
    const char* rooms;
  } table[] = {
      {"#####\n#@$.#\n#####", "5x3 1/1 ok"},
      {"#####\n#+$ #\n#####", "5x3 1/1 ok"},                // "+": the man on a goal
      {"######\n#@*$.#\n######", "6x3 2/2 ok"},             // "*": a box on a goal
      {"#####\n#@$.#\n#-#-#\n#_#_#\n#####", "5x5 1/1 ok"},  // "-" and "_" are blanks
      {"5#\n#@$.#\n5#", "5x3 1/1 ok"},                      // a number repeats the symbol after it
      {"2#3#\n#@$.#\n1#1#1#2#", "5x3 1/1 ok"},
      {"5#|#@$.#|5#", "5x3 1/1 ok"},      // "|" ends a row
      {"5#|\n#@$.#|\n5#", "5x3 1/1 ok"},  // a row ended by "|" does not go on below
      {"5#|#@$.#|5#|", "5x3 1/1 ok"},
      {"5#\n#@$.#\n5#\n\n5#\n#.$@#\n5#", "5x3 1/1 ok; 5x3 1/1 ok"},      // an empty line ends a room
      {"5#\n#@$.#\n5#\n  - \n5#\n#.$@#\n5#", "5x3 1/1 ok; 5x3 1/1 ok"},  // so does a line of blanks
      {"5#|#@$.#|5#||5#|#.$@#|5#", "5x3 1/1 ok; 5x3 1/1 ok"},            // and an empty row
      {"5#|#@$.#|-|5#", "5x4 1/1 open"},                              // a blank row between bars is a row of the room
      {"5#\n#@$.#\nnot a room\n5#", "5x2 1/1 open; 5x1 0/0 no man"},  // any other line ends it too
      {"", ""},
      {"just words\nand more\n", ""},
      {"\n\n   \n", ""},
  };
  for (const auto& row : table) EXPECT_EQ(described(row.text), row.rooms) << row.text;
}

TEST(CollectionPromises, ARoomFitsWithinTenByTenOnceItsBlankMarginsAreCut) {
  const std::string tenWide = "10#\n#@$.     #\n10#";
  const std::string tenHigh = "5#\n#@$.#\n" + rows(7, "#   #") + "5#";
  const struct {
    std::string text;
    const char* rooms;
  } table[] = {
      {tenWide, "10x3 1/1 ok"},
      {tenHigh, "5x10 1/1 ok"},
      {"    10#\n    #@$.     #\n    10#   \n\n", "10x3 1/1 ok"},
      {"-|-|" + std::string("10#|#@$.     #|10#|-|-"), "10x3 1/1 ok"},
      {"11#\n#@$.      #\n11#", "11x3 1/1 too large: 11 x 3"},
      {tenHigh + "\n#   #", "5x11 1/1 too large: 5 x 11"},
      {"12#\n" + rows(8, "#@$.#") + "#", "12x10 8/8 too large: 12 x 10"},
  };
  for (const auto& row : table) EXPECT_EQ(described(row.text), row.rooms) << row.text;
}

TEST(CollectionPromises, EveryReasonARoomCannotBeTakenAndNoOtherRoomRefused) {
  const struct {
    const char* text;
    const char* rooms;
  } table[] = {
      {"5#\n#@$.#\n# ###", "5x3 1/1 open"},                 // the man walks out through the gap
      {"#####\n#@$.#\n## ##\n#   #\n#####", "5x5 1/1 ok"},  // a gap into more of the room
      {"5#\n#$$.#\n5#", "5x3 2/1 no man"},
      {"5#\n#@@.#\n#$ $#\n5#", "5x4 2/1 2 men"},
      {"5#\n#@+.#\n#$$$#\n5#", "5x4 3/2 2 men"},
      {"5#\n#@$ #\n5#", "5x3 1/0 no goal"},
      {"5#\n#@$.#\n#  .#\n5#", "5x4 1/2 fewer boxes than goals"},
      {"6#\n#@$$.#\n6#", "6x3 2/1 ok"},  // spare boxes are fine
      {"7#\n#@$.$.#\n7#", "7x3 2/2 ok"},
  };
  for (const auto& row : table) EXPECT_EQ(described(row.text), row.rooms) << row.text;
}

TEST(CollectionPromises, ATitleIsTheSemicolonOrTitleLineJustBeforeTheRoom) {
  EXPECT_EQ(described("; First\n5#|#@$.#|5#\n\nTitle: Second\n5#|#@$.#|5#\n\n5#|#@$.#|5#", true),
            "5x3 1/1 ok \"First\"; 5x3 1/1 ok \"Second\"; 5x3 1/1 ok \"Room 3\"");
  // Another line between the title and the room: the title no longer names it.
  EXPECT_EQ(described("; Collection\nAuthor: someone\n5#|#@$.#|5#", true), "5x3 1/1 ok \"Room 1\"");
  EXPECT_EQ(described("; Collection\n\n; Own\n5#|#@$.#|5#", true), "5x3 1/1 ok \"Own\"");
}

// Rooms that can all be played, at most a house's worth, are the house at once; otherwise the
// chooser starts from the first sixteen that can be taken.
TEST(CollectionPromises, AtMostSixteenRoomsThatCanAllBePlayedAreTheHouseAtOnce) {
  const std::string good = "5#|#@$.#|5#\n\n";
  const std::string open = "5#|#@$.#|# ###\n\n";
  std::string sixteen;
  for (int k = 0; k < 16; ++k) sixteen += good;
  EXPECT_TRUE(takesWholeCollection(RoomCollection("5#|#@$.#|5#")));
  EXPECT_TRUE(takesWholeCollection(RoomCollection(sixteen)));
  EXPECT_FALSE(takesWholeCollection(RoomCollection(sixteen + good)));
  EXPECT_FALSE(takesWholeCollection(RoomCollection(good + open)));

  const RoomCollection twenty(open + sixteen + open + good + good);
  std::vector<std::size_t> expected;
  for (std::size_t k = 1; k <= 16; ++k) expected.push_back(k);
  EXPECT_EQ(firstRoomsToTake(twenty), expected);
  EXPECT_EQ(firstRoomsToTake(RoomCollection(open + good + open)), std::vector<std::size_t>{1});
}

TEST(CollectionPromises, TheHouseOfChosenRoomsIsNamedAfterTheFileWithoutRecordsInTheOrderChosen) {
  const RoomCollection rooms("; a\n5#|#@$.#|5#\n\n; b\n6#|#@$ .#|6#\n\n; c\n7#|#@$  .#|7#");
  const HouseRecord house = houseOfChosenRooms(rooms, {2, 0}, "Caf\u00e9 \u2603 rooms");
  EXPECT_EQ(house.houseName, "Caf\u00e9 _ rooms") << "a character a house file cannot hold becomes \"_\"";
  EXPECT_EQ(house.roomCount, 2);
  EXPECT_EQ(house.currentRoom, 1);
  EXPECT_EQ(house.rooms[0].man, roomOfCollection(rooms.room(2)).man);
  EXPECT_EQ(house.rooms[1].man, roomOfCollection(rooms.room(0)).man);
  EXPECT_EQ(house.recordCount(), 0);
}

TEST(CollectionPromises, AFileWithoutAnyRoomIsRefusedWithItsReason) {
  const test::ScratchFolder folder;
  for (const char* text : {"", "; only a title\n", "words\n\n   \n"}) {
    const std::string path = folder.file("none.txt");
    std::ofstream(path, std::ios::binary) << text;
    std::shared_ptr<const RoomCollection> rooms;
    const HouseReadResult result = readRoomCollectionFile(path, rooms);
    EXPECT_FALSE(result.ok()) << text;
    EXPECT_NE(result.describe().find("no room"), std::string::npos) << result.describe();
    EXPECT_EQ(rooms, nullptr);
  }
}

// The editor takes the first room of a paste even when it cannot be played yet, to be mended
// there; only a room too large for the board, or no room, is refused.
TEST(CollectionPromises, APasteTakesAFlawedRoomForMendingButNotOneTooLarge) {
  const struct {
    const char* text;
    bool taken;
    const char* report;
  } table[] = {
      {"5#|#@$.#|5#", true, "pasted \"Room 1\", 5 x 3"},
      {"; mine\n5#|#@$ #|5#", true, "pasted \"mine\", 5 x 3 (no goal)"},
      {"5#|#@$.#|# ###", true, "pasted \"Room 1\", 5 x 3 (open)"},
      {"11#|#@$.      #|11#", false, "nothing pasted: \"Room 1\" is too large: 11 x 3"},
      {"hello", false, "nothing pasted: the clipboard holds no room"},
  };
  for (const auto& row : table) {
    RoomRecord room = test::roomFromRows({"###", "#@#", "###"});
    const std::int32_t manBefore = room.man;
    EXPECT_EQ(pasteRoomText(room, row.text), row.report);
    EXPECT_EQ(room.man != manBefore, row.taken) << row.text;
  }
}

// Floor and outside are both written as spaces, never "-", but for a row of no symbol inside
// the room, which stands between bars.
TEST(CollectionPromises, TheWriterWritesBlanksAsSpacesAndReadsBackTheSameRoom) {
  const RoomRecord room = test::roomFromRows({"----------", "--#####---", "--#@$.#---", "--#- -#---", "--#####---"});
  EXPECT_EQ(writeCollectionRoom(room, "t"), "; t\n#####\n#@$.#\n#   #\n#####\n");
  const RoomRecord gapped = test::roomFromRows({"#####", "#@$.#", "-----", "#####"});
  EXPECT_EQ(writeCollectionRoom(gapped, "g"), "; g\n#####|#@$.#|-|#####\n");
  EXPECT_EQ(described(writeCollectionRoom(gapped, "g")), "5x4 1/1 open");
  EXPECT_EQ(writeCollectionRoom(test::roomFromRows({}), "empty"), "; empty\n");
}

}  // namespace
}  // namespace tarvo
