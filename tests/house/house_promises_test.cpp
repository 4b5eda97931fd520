// What reading and saving a house file promises, a row each: every count that is no count is
// refused on its line, negative record counts count as none (never as room for more), a read
// starts the house at room 1, and a save works whatever the file's name may be.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "house/file_save.h"
#include "house/house_reader.h"
#include "house/house_writer.h"
#include "room_builder.h"
#include "scratch_folder.h"

namespace tarvo::test {
namespace {

using Status = HouseReadResult::Status;

// The example house's lines, CR LF after each when joined.
Texts exampleLines() {
  Texts lines;
  std::istringstream bytes(fileBytes(std::string(TARVO_FIXTURES) + "/easy_one.hou"));
  for (std::string line; std::getline(bytes, line);) lines.push_back(line.substr(0, line.size() - 1));
  return lines;
}

std::string joined(const Texts& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

// A house of two example rooms with these record counts, each followed by as many record lines
// as it says (none for a count below one).
std::string twoRooms(const std::string& first, std::int64_t firstLines, const std::string& second,
                     std::int64_t secondLines) {
  const Texts room = exampleLines();
  Texts lines(room.begin(), room.begin() + 4);
  lines[3] = "NUMBER OF ROOM:2";
  for (const auto& [count, records] : {std::pair{first, firstLines}, std::pair{second, secondLines}}) {
    lines.insert(lines.end(), room.begin() + 4, room.begin() + 17);
    lines.push_back("NUMBER OF RECCORD:" + count);
    lines.resize(lines.size() + static_cast<std::size_t>(std::max<std::int64_t>(records, 0)), "a\t1\t00:01\tr");
  }
  return joined(lines);
}

TEST(HousePromises, ACountThatIsNoWholeNumberOrOutOfItsRangeIsRefusedOnItsLine) {
  const struct {
    std::size_t line;
    const char* text;
    const char* problem;  // what the message says, in part
  } table[] = {
      {4, "NUMBER OF ROOM:", "is not a whole number"},         {4, "NUMBER OF ROOM: ", "is not a whole number"},
      {4, "NUMBER OF ROOM:x", "is not a whole number"},        {4, "NUMBER OF ROOM:1.5", "is not a whole number"},
      {4, "NUMBER OF ROOM:0", "a house holds 1 to 16 rooms"},  {4, "NUMBER OF ROOM:-1", "a house holds 1 to 16 rooms"},
      {4, "NUMBER OF ROOM:17", "a house holds 1 to 16 rooms"}, {18, "NUMBER OF RECCORD:", "is not a whole number"},
      {18, "NUMBER OF RECCORD:one", "is not a whole number"},  {18, "NUMBER OF RECCORD:2x", "is not a whole number"},
  };
  for (const auto& row : table) {
    Texts lines = exampleLines();
    lines[row.line - 1] = row.text;
    HouseRecord house;
    const HouseReadResult result = readHouse(joined(lines), house);
    EXPECT_EQ(result.status, Status::Invalid) << row.text;
    EXPECT_EQ(result.line, static_cast<int>(row.line)) << row.text;
    EXPECT_NE(result.problem.find(row.problem), std::string::npos) << row.text << ": " << result.problem;
  }

  // A whole number however it is written: blanks around it, a sign, leading zeros.
  for (const char* text : {"NUMBER OF ROOM: 1 ", "NUMBER OF ROOM:+1", "NUMBER OF ROOM:01", "NUMBER OF ROOM:+0001"}) {
    Texts lines = exampleLines();
    lines[3] = text;
    HouseRecord house;
    EXPECT_EQ(readHouse(joined(lines), house).status, Status::Ok) << text;
    EXPECT_EQ(house.roomCount, 1) << text;
  }
}

TEST(HousePromises, ANegativeRecordCountIsNoRecordAndLeavesNoRoomForMore) {
  HouseRecord house;
  ASSERT_TRUE(readHouse(twoRooms("-5", 0, "1", 1), house).ok());
  EXPECT_EQ(house.rooms[0].recordCount(), 0u);
  EXPECT_EQ(house.rooms[1].recordCount(), 1u);
  // The bound is the house's: a room before with a negative count adds nothing to it.
  EXPECT_TRUE(readHouse(twoRooms("-1000", 0, std::to_string(kMaxHouseRecords), kMaxHouseRecords), house).ok());
  const HouseReadResult over =
      readHouse(twoRooms("-1000", 0, std::to_string(kMaxHouseRecords + 1), kMaxHouseRecords + 1), house);
  EXPECT_EQ(over.status, Status::Invalid);
  EXPECT_NE(over.problem.find("a house holds at most"), std::string::npos) << over.problem;
}

TEST(HousePromises, AReadStartsTheHouseAtRoomOneWhateverRoomWasPlayed) {
  HouseRecord house;
  ASSERT_TRUE(readHouse(fileBytes(std::string(TARVO_FIXTURES) + "/sixteen_rooms.hou"), house).ok());
  house.currentRoom = 9;
  ASSERT_TRUE(readHouse(fileBytes(std::string(TARVO_FIXTURES) + "/sixteen_rooms.hou"), house).ok());
  EXPECT_EQ(house.currentRoom, 1);
  house.currentRoom = 12;
  ASSERT_TRUE(readHouse(joined(exampleLines()), house).ok());
  EXPECT_EQ(house.currentRoom, 1);
  EXPECT_EQ(house.roomCount, 1);
}

// The longest name a folder takes (255 bytes), in any characters: the save works and leaves no
// other file.
TEST(HousePromises, ASaveWorksUnderTheLongestNameAFolderTakes) {
  const ScratchFolder folder;
  HouseRecord house;
  ASSERT_TRUE(readHouse(joined(exampleLines()), house).ok());
  const std::string bytes = writeHouse(house);
  std::string accented = "a";  // and 125 "é" of two bytes each
  for (int k = 0; k < 125; ++k) accented += "\xC3\xA9";
  for (const std::string& fitting : {std::string(251, 'a') + ".hou", accented + ".hou"}) {
    ASSERT_EQ(fitting.size(), 255u);
    const std::string path = folder.file(fitting);
    for (int save = 0; save < 2; ++save) {  // a new file, then over it
      const SaveResult saved = saveFileSafely(path, bytes);
      ASSERT_TRUE(saved.ok) << saved.description;
      EXPECT_EQ(fileBytes(path), bytes);
    }
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) ++files;
    EXPECT_EQ(files, 1u) << "no temporary file is left";
    std::filesystem::remove(path);
  }
}

}  // namespace
}  // namespace tarvo::test
