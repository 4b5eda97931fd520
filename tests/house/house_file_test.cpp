// House files: reading them into the house, refusing broken ones, writing them back, and saving
// them safely.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <tuple>

#include "house/dialog_filter.h"
#include "house/file_bytes.h"
#include "house/file_save.h"
#include "house/house_reader.h"
#include "house/house_writer.h"
#include "room_builder.h"
#include "rules/cp1252.h"
#include "scratch_folder.h"

namespace tarvo::test {
namespace {

using Status = HouseReadResult::Status;

std::string fixturePath(const char* name) { return std::string(TARVO_FIXTURES) + "/" + name; }

std::string fixtureBytes(const char* name) { return fileBytes(fixturePath(name)); }

std::string joined(const Texts& lines, const char* lineEnd = "\r\n") {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + lineEnd;
  return bytes;
}

// The example house, line by line, with line `number` (1-based) replaced when one is given.
Texts example(std::size_t number = 0, const std::string& text = "") {
  Texts lines;
  std::istringstream bytes(fixtureBytes("easy_one.hou"));
  for (std::string line; std::getline(bytes, line);) lines.push_back(line.substr(0, line.size() - 1));
  if (number > 0) lines[number - 1] = text;
  return lines;
}

// The first `count` lines of the example house, CR LF after each.
std::string exampleHead(std::size_t count) {
  const Texts lines = example();
  return joined({lines.begin(), lines.begin() + static_cast<long>(count)});
}

std::string repeated(std::string_view text, std::size_t times) {
  std::string out;
  while (times-- > 0) out += text;
  return out;
}

// A file of `size` zero bytes that takes no room on disk.
bool makeSparseFile(const std::string& path, std::int64_t size) {
  std::error_code error;
  std::ofstream{path};
  std::filesystem::resize_file(path, static_cast<std::uintmax_t>(size), error);
  return !error;
}

HouseRecord readOrFail(const std::string& bytes) {
  HouseRecord house;
  HouseReadResult result = readHouse(bytes, house);
  EXPECT_TRUE(result.ok()) << result.describe() << "\n" << bytes;
  return house;
}

// The first room of the example house with line `number` replaced by `text`.
RoomRecord exampleRoom(std::size_t number, const std::string& text) {
  return readOrFail(joined(example(number, text))).rooms[0];
}

// Everything a refused file must leave as it was: the values, and the very list objects.
std::string fingerprint(const HouseRecord& house) {
  std::ostringstream out;
  out << writeHouse(house) << house.currentRoom;
  for (const RoomRecord& r : house.rooms) {
    out << roomText(r) << r.man << r.goals << r.records;
  }
  return out.str();
}

TEST(HouseReader, TheExampleHousesReadToTheirValuesAndWriteBackTheSameBytesWhateverTheirLineEnds) {
  HouseRecord house;
  ASSERT_TRUE(readHouseFile(fixturePath("easy_one.hou"), house).ok());
  const RoomRecord& room = house.rooms[0];
  EXPECT_EQ(house.houseName, "Easy One");
  EXPECT_EQ(room.man, 22);
  EXPECT_EQ(*room.goals, Codes{44});
  EXPECT_EQ(places(room), Codes{24});
  EXPECT_EQ(couples(room), (std::vector<CouplePair>{{32, 42}}));
  EXPECT_EQ(records(room), Texts{"Ann|5|00:07|rDldR"});
  const std::string whole = fixtureBytes("easy_one.hou");  // "...rDldR\t\r\n"
  EXPECT_EQ(writeHouse(house), whole);
  EXPECT_EQ(writeHouse(readOrFail(joined(example(), "\n"))), whole) << "LF-only lines";
  // A last line without its line feed reads as a whole line, and a count there as a count, not refused for its CR.
  for (std::size_t cut : {1, 2}) EXPECT_EQ(writeHouse(readOrFail(whole.substr(0, whole.size() - cut))), whole) << cut;
  EXPECT_TRUE(readOrFail(exampleHead(17) + "NUMBER OF RECCORD:0\r").rooms[0].records->empty());

  // A hand-made house of sixteen rooms with bytes above 0x7F keeps every byte.
  const std::string bytes = fixtureBytes("sixteen_rooms.hou");
  house = readOrFail(bytes);
  EXPECT_EQ(house.houseName, "Caf\u00E9 \u20AC\u0081 House");
  EXPECT_EQ(house.roomCount, 16);
  EXPECT_EQ(writeHouse(house), bytes);
}

TEST(HouseReader, RefusedFilesLeaveTheHouseAsItWas) {
  HouseRecord house = readOrFail(fixtureBytes("sixteen_rooms.hou"));
  const RoomRecord playing = house.rooms[0];
  const std::string before = fingerprint(house);
  for (const char* header :
       {"HOUSE FILE FOR TARVO PLIM ", "house file for tarvo plim", "\xEF\xBB\xBFHOUSE FILE FOR TARVO PLIM", ""}) {
    EXPECT_EQ(readHouse(joined(example(1, header)), house).status, Status::NotAHouse) << header;
  }
  const std::pair<std::string, int> broken[] = {
      {exampleHead(8), 9},    // ends in the rows
      {exampleHead(18), 19},  // ends before the record line
      {joined(example(4, "NUMBER OF ROOM:2")), 20},
      {joined(example(4, "NUMBER OF ROOM:one")), 4},
      {joined(example(4, "NUMBER OF ROOM:17")), 4},
      {joined(example(4, "NUMBER OF ROOM:0")), 4},
      {joined(example(18, "NUMBER OF RECCORD:1x")), 18},
      {joined(example(19, "Ann\t5\t00:07")), 19},
      {joined(example(16, "FORBBIDEN PLACE:24")), 16},
      {joined(example(17, "FORBBIDEN COUPLE:32;")), 17},
      {joined(example(16, "FORBBIDEN PLACE:24;77")), 16},        // two characters after the last ";"
      {joined(example(16, "FORBBIDEN PLACE:2147483648;")), 16},  // beyond 32 bits
      {joined(example(18, "NUMBER OF RECCORD:" + std::to_string(kMaxHouseRecords + 1))), 18},
      {joined(example(16, "FORBBIDEN PLACE:" + joined(Texts(81, "1"), ";"))), 16},
      {joined(example(17, "FORBBIDEN COUPLE:" + joined(Texts(41, "1,2"), ";"))), 17},
  };
  for (const auto& [bytes, line] : broken) {
    HouseReadResult result = readHouse(bytes, house);
    EXPECT_EQ(result.status, Status::Invalid) << bytes;
    EXPECT_EQ(result.line, line) << result.describe();
  }
  HouseReadResult missing = readHouseFile(fixturePath("no such house.hou"), house);
  EXPECT_EQ(missing.status, Status::CannotOpen);
  EXPECT_NE(missing.problem.find(fixturePath("no such house.hou") + ": " + std::strerror(ENOENT)), std::string::npos);
  EXPECT_TRUE(fingerprint(house) == before);
  EXPECT_EQ(playing.records, house.rooms[0].records);
}

TEST(HouseReader, LooseButReadableLinesAreAccepted) {
  EXPECT_EQ(readOrFail(joined(example(3, "HOUSE's NAME:Big:One"))).houseName, "Big:One");
  for (const char* record : {"Ann\t5\t00:07\trDldR", "Ann\t5\t00:07\trDldR\t\t\t"})
    EXPECT_EQ(records(exampleRoom(19, record)), Texts{"Ann|5|00:07|rDldR"});
  // Short record lines without a TAB after the solution: each ends with its own line.
  EXPECT_EQ(records(readOrFail(exampleHead(17) + "NUMBER OF RECCORD:2\r\nA\t1\t2\tr\r\nB\t1\t4\tl\r\n").rooms[0]),
            (Texts{"A|1|2|r", "B|1|4|l"}));
  EXPECT_TRUE(readOrFail(exampleHead(17) + "NUMBER OF RECCORD:-1\r\n").rooms[0].records->empty());

  // Rooms past the new count keep their cells, with new lists; earlier copies keep the old.
  HouseRecord house = readOrFail(fixtureBytes("sixteen_rooms.hou"));
  const RoomRecord oldSixth = house.rooms[5];
  ASSERT_TRUE(readHouse(fixtureBytes("easy_one.hou"), house).ok());
  EXPECT_TRUE(house.rooms[5].cells == oldSixth.cells) << roomText(house.rooms[5]);
  EXPECT_TRUE(house.rooms[5].records->empty() && oldSixth.recordCount() == 2u);
}

// A file cut anywhere inside its last record opens without that record and says so; a last
// record that is whole without its TAB and line end, as older files may end, is kept.
TEST(HouseReader, AFileCutInsideItsLastRecordOpensWithoutItAndSaysSo) {
  const std::string whole = fixtureBytes("sixteen_rooms.hou");
  const std::size_t lastLine = whole.rfind('\n', whole.size() - 2) + 1;
  const HouseRecord full = readOrFail(whole);
  const std::size_t kept = full.rooms[15].recordCount() - 1;
  const int lines = static_cast<int>(std::count(whole.begin(), whole.end(), '\n'));
  // The last line is the record "ZM\xE9\xE9\t3\t00:01\tlUr\t\r\n": whole once its third step is in.
  ASSERT_EQ(whole.substr(whole.size() - 6), "lUr\t\r\n");
  for (std::size_t cut = lastLine + 1; cut < whole.size() - 2; ++cut) {
    HouseRecord house;
    const HouseReadResult result = readHouse(whole.substr(0, cut), house);
    ASSERT_TRUE(result.ok()) << cut;
    if (cut >= whole.size() - 3) {
      EXPECT_EQ(result.problem, "") << "the record is whole without its TAB: " << cut;
      EXPECT_EQ(house.rooms[15].recordCount(), kept + 1);
      continue;
    }
    EXPECT_EQ(result.describe(), "line " + std::to_string(lines) + ": the last record is cut short: it is left out")
        << cut;
    EXPECT_EQ(house.rooms[15].recordCount(), kept) << cut;
  }
  // A line that ends is no cut, whatever its steps: the file holds it as it was written.
  HouseRecord house;
  EXPECT_TRUE(readHouse(whole.substr(0, whole.size() - 4) + "\r\n", house).problem.empty());
  EXPECT_EQ(house.rooms[15].recordCount(), kept + 1);
}

// A house that opens can be saved back: the writer's CR LF and its TAB after each record make
// a file of LF lines and TAB-less records larger, and the reader refuses one that would then
// pass the bound a house file may take.
TEST(HouseReader, AHouseThatOpensCanBeWrittenBackWithinTheFileBound) {
  const std::string record = "a\t330\t1\t" + std::string(330, 'r') + "\n";
  const auto houseOf = [&](std::size_t bytes) {
    const std::size_t count = (bytes - exampleHead(17).size() - 32) / record.size();
    std::string file = exampleHead(17) + "NUMBER OF RECCORD:" + std::to_string(count) + "\r\n";
    for (std::size_t k = 0; k < count; ++k) file += record;
    return file;
  };
  HouseRecord house;
  const std::string fits = houseOf(kMaxHouseFileBytes - (1 << 20));
  ASSERT_TRUE(readHouse(fits, house).ok());
  const std::string written = writeHouse(house);
  EXPECT_GT(written.size(), fits.size());
  EXPECT_EQ(whyNotReadBack(house, written.size()), std::nullopt);

  const std::size_t kept = house.rooms[0].recordCount();
  const HouseReadResult refused = readHouse(houseOf(kMaxHouseFileBytes - (200 << 10)), house);
  EXPECT_EQ(refused.status, Status::Invalid);
  EXPECT_EQ(refused.problem,
            "written back, this house would take more than the 64 MiB a house file may take, so it could not be saved");
  EXPECT_EQ(house.rooms[0].recordCount(), kept) << "the house read before stays";
}

TEST(HouseReader, ListRemaindersAndCellsOutsideTheRoomAreKeptAsTheFileHasThem) {
  // One character after the last ";" is not an entry; a list of one character has none.
  EXPECT_EQ(places(exampleRoom(16, "FORBBIDEN PLACE:24;7")), Codes{24});
  EXPECT_EQ(couples(exampleRoom(17, "FORBBIDEN COUPLE:32,42;x")), (std::vector<CouplePair>{{32, 42}}));
  for (const char* list : {";", "x", " "})
    EXPECT_EQ(places(exampleRoom(16, std::string("FORBBIDEN PLACE:") + list)), Codes{}) << list;

  // Cells outside the room and a deleted couple are kept and written back, but mark nothing
  // when the room starts.
  Texts lines = example(16, "FORBBIDEN PLACE:24;110;-11;2147483647;-2147483648;");
  lines[16] = "FORBBIDEN COUPLE:33,999;0,0;-500,23;";
  const std::string bytes = joined(lines);
  const HouseRecord house = readOrFail(bytes);
  EXPECT_EQ(places(house.rooms[0]), (Codes{24, 110, -11, INT32_MAX, INT32_MIN}));
  EXPECT_EQ(couples(house.rooms[0]), (std::vector<CouplePair>{{33, 999}, {0, 0}, {-500, 23}}));
  EXPECT_EQ(writeHouse(house), bytes);
  EXPECT_EQ(markedCells(gameOn(house.rooms[0]).curRoom), Codes{24}) << "the box on 33 marks no cell 999";
}

TEST(HouseReader, MessagesSayWhatIsWrongAndQuoteAtMostSixtyCharacters) {
  HouseRecord house;
  auto problem = [&](const Texts& lines) { return readHouse(joined(lines), house).problem; };
  EXPECT_EQ(
      problem(example(18, "NUMBER OF RECCORD:12582912")),
      "room 1 has 12582912 records; a house holds at most " + std::to_string(kMaxHouseRecords) + " records in all");
  // Counts too large to hold are out of range, not "not a number".
  EXPECT_EQ(problem(example(4, "NUMBER OF ROOM:" + repeated("9", 10'000'000))),
            "the number of rooms is " + repeated("9", 60) + "\u2026; a house holds 1 to 16 rooms");
  EXPECT_EQ(problem(example(4, "NUMBER OF ROOM:" + repeated("9", 100) + "x")),
            "the number of rooms \"" + repeated("9", 60) + "\u2026\" is not a whole number");

  // Values are shown in UTF-8, cut after 60 characters, never inside one.
  EXPECT_EQ(
      problem(example(16, "FORBBIDEN PLACE:" + repeated("\xE9", 1000) + ";")),
      "room 1: the forbidden place list has \"" + repeated("\u00E9", 60) + "\u2026\" where a cell number belongs");
  EXPECT_EQ(problem(example(17, "FORBBIDEN COUPLE:" + repeated("\x80", 61))),
            "room 1: the forbidden couple list ends with \"" + repeated("\u20AC", 60) + "\u2026\", which has no \";\"");
  EXPECT_EQ(problem(example(17, "FORBBIDEN COUPLE:" + repeated("\x80", 60) + ";")),
            "room 1: the forbidden couple list has \"" + repeated("\u20AC", 60) +
                "\", which is not two cells joined by \",\"");
}

// The bound is the house's, not each room's: rooms of half of it, one record and half of it less
// one, then half of it.
TEST(HouseReader, AHouseHoldsRecordsUpToTheBoundInAllItsRooms) {
  const Texts room = example();
  const auto threeRooms = [&](std::int64_t last) {
    Texts lines(room.begin(), room.begin() + 4);
    lines[3] = "NUMBER OF ROOM:3";
    for (std::int64_t count : {kMaxHouseRecords / 2, std::int64_t{1}, last}) {
      lines.insert(lines.end(), room.begin() + 4, room.begin() + 17);
      lines.push_back("NUMBER OF RECCORD:" + std::to_string(count));
      lines.resize(lines.size() + static_cast<std::size_t>(count), "\t\t\t");
    }
    return joined(lines);
  };
  HouseRecord house = readOrFail(threeRooms(kMaxHouseRecords / 2 - 1));
  EXPECT_EQ(house.rooms[2].recordCount(), static_cast<std::size_t>(kMaxHouseRecords / 2 - 1));
  const HouseReadResult refused = readHouse(threeRooms(kMaxHouseRecords / 2), house);
  EXPECT_EQ(refused.line, 4 + 3 * 14 + kMaxHouseRecords / 2 + 1) << refused.describe();
  EXPECT_EQ(house.rooms[2].recordCount(), static_cast<std::size_t>(kMaxHouseRecords / 2 - 1));
}

// Every byte but the line ends and TAB, at every place of fields of 1 to 17 bytes (ASCII is
// told eight bytes at a time), reads as its character and is written back as the same byte: in
// each field of a record, and through the conversions that the house name takes.
TEST(HouseReader, EveryByteOfTheCodePageComesBackAtEveryPlaceOfAField) {
  const std::string head = exampleHead(17);
  for (std::size_t size = 1; size <= 17; ++size) {
    for (std::size_t at = 0; at < size; ++at) {
      std::string bytes = head + "NUMBER OF RECCORD:253\r\n";
      Texts values;
      for (int byte = 0; byte < 256; ++byte) {
        if (byte == '\r' || byte == '\n' || byte == '\t') continue;
        std::string field(size, 'a'), value(size - 1, 'a'), name;
        field[at] = static_cast<char>(byte);
        value.insert(at, cp1252ToUtf8(std::string(1, static_cast<char>(byte))));
        bytes += field + "\t" + field + "\t" + field + "\t" + field + "\t\r\n";
        values.push_back(value + "|" + value + "|" + value + "|" + value);
        appendUtf8AsCp1252(name, value);
        ASSERT_TRUE(cp1252ToUtf8(field) == value && name == field) << byte << " at " << at << " of " << size;
      }
      const HouseRecord house = readOrFail(bytes);
      ASSERT_EQ(records(house.rooms[0]), values) << "at " << at << " of " << size;
      ASSERT_EQ(writeHouse(house), bytes) << "at " << at << " of " << size;
    }
  }
}

TEST(HouseFiles, OnlyRegularFilesUpToTheSizeBoundAreRead) {
  ScratchFolder folder;
  HouseRecord house = readOrFail(fixtureBytes("easy_one.hou"));
  auto refusal = [&](const std::string& path) {
    HouseReadResult result = readHouseFile(path, house);
    EXPECT_EQ(result.status, Status::CannotOpen) << path;
    return result.problem;
  };

  // A FIFO without a writer would block an open for reading for good: it must not be opened.
  const std::string fifo = folder.file("fifo.hou");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  ::alarm(10);  // a hang ends the tests instead of stalling them
  EXPECT_EQ(refusal(fifo), fifo + " is a FIFO (named pipe), not a house file");
  ::alarm(0);
  EXPECT_EQ(refusal("/dev/zero"), "/dev/zero is a device, not a house file");
  EXPECT_EQ(refusal(TARVO_FIXTURES), std::string(TARVO_FIXTURES) + " is a folder, not a house file");

  // A file over the bound is refused from its size, without a byte read (this one is sparse).
  const std::string large = folder.file("large.hou");
  const std::string tooLarge = large + " is larger than a house file can be (64 MiB)";
  ASSERT_TRUE(makeSparseFile(large, kMaxHouseFileBytes + 1));
  EXPECT_EQ(refusal(large), tooLarge);
  ASSERT_TRUE(makeSparseFile(large, std::int64_t{100} << 30));
  EXPECT_EQ(refusal(large), tooLarge);
  ASSERT_TRUE(makeSparseFile(large, kMaxHouseFileBytes));
  EXPECT_EQ(readHouseFile(large, house).status, Status::NotAHouse) << "a file of the bound itself is read";
}

TEST(HouseFiles, TheDialogsListEachExtensionOnceInCapitals) {
  EXPECT_EQ(buildDialogFilter("hou HOU  txt"), "Fichiers HOU|*.HOU|Fichiers TXT|*.TXT");
  EXPECT_EQ(buildDialogFilter(""), "Tous les fichiers (*.*)|*.*");
}

// In a child process whose address space is capped just above what it uses.
void readWithLittleMemory(const std::string& path, const std::string& bytes) {
  HouseRecord house = readOrFail(fixtureBytes("sixteen_rooms.hou"));
  const std::string before = fingerprint(house);
  std::ifstream status("/proc/self/status");
  long kib = 0;
  for (std::string field; status >> field;) {
    if (field == "VmSize:" && status >> kib) break;
  }
  const rlim_t cap = static_cast<rlim_t>(kib + 16 * 1024) * 1024;
  const rlimit limit{cap, cap};
  if (kib == 0 || ::setrlimit(RLIMIT_AS, &limit) != 0) std::exit(2);
  const HouseReadResult fromBytes = readHouse(bytes, house);
  const HouseReadResult fromFile = readHouseFile(path, house);
  std::fprintf(stderr, "%s / %s\n", fromBytes.describe().c_str(), fromFile.describe().c_str());
  const bool both = fromBytes.status == Status::OutOfMemory && fromFile.status == Status::OutOfMemory;
  std::exit(both && fingerprint(house) == before ? 0 : 1);
}

TEST(HouseFiles, RunningOutOfMemoryIsAMessageAndTheHouseStays) {
#ifdef TARVO_SANITIZE
  GTEST_SKIP() << "the address sanitizer's own memory does not fit under the cap this test sets";
#endif
  // A name of 16 Mi bytes that become 48 MiB of UTF-8, and a file of 60 MiB that needs a
  // buffer of its size: neither fits in 16 MiB to spare, nor in what the heap holds free
  // (blocks this large are always mapped afresh).
  const std::string bytes = joined(example(3, "HOUSE's NAME:" + repeated("\x80", std::size_t{16} << 20)));
  ScratchFolder folder;
  const std::string path = folder.file("zeros.hou");
  ASSERT_TRUE(makeSparseFile(path, std::int64_t{60} << 20));
  // A child started afresh: one forked from here would hold the heap that earlier tests left.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(readWithLittleMemory(path, bytes), ::testing::ExitedWithCode(0), "not enough memory");
  GTEST_FLAG_SET(death_test_style, "fast");
}

TEST(HouseWriter, WritesTheHouseFormatWithQuestionMarksForForeignCharacters) {
  HouseRecord house = emptyHouse();
  house.houseName = "Caf\u00E9 \u20AC \u4E2D \U0001F642";
  const RoomRecord& room = house.rooms[0];
  room.records->add(RecordList::Record{"\u4E2D", "\u4E2D", "\u4E2D", "\u4E2D"});
  std::string written = writeHouse(house);
  EXPECT_NE(written.find("\r\nHOUSE's NAME:Caf\xE9 \x80 ? ?\r\n"), std::string::npos) << written;
  // Broken or overlong UTF-8 never turns into a byte the name did not have, such as a line end.
  house.houseName =
      "a\xC1\x8A\xE0\x80\x8A"
      "b\xC3";
  EXPECT_NE(writeHouse(house).find("NAME:a?????b?\r\n"), std::string::npos);
  EXPECT_NE(
      written.find("----------\r\nFORBBIDEN PLACE:\r\nFORBBIDEN COUPLE:\r\nNUMBER OF RECCORD:1\r\n?\t?\t?\t?\t\r\n"),
      std::string::npos)
      << written;
}

// Saving a file safely: the old file survives every failure, and only regular files are replaced.
namespace fs = std::filesystem;

const std::string kOld = "the house that was there\r\n";
const std::string kNew = "the house being saved\r\n";

class FileSave : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return scratch_.file(name); }
  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path(name), std::ios::binary) << bytes;
  }
  std::string read(const std::string& name) const { return fileBytes(path(name)); }

  // The names in a folder of the test, sorted, so that a temporary file left behind shows.
  std::vector<std::string> names(const std::string& sub = "") const {
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(sub.empty() ? folder_ : path(sub))) {
      found.push_back(entry.path().filename().string());
    }
    std::sort(found.begin(), found.end());
    return found;
  }

  struct stat status(const std::string& name) const {
    struct stat s {};
    EXPECT_EQ(::lstat(path(name).c_str(), &s), 0) << name;
    return s;
  }

  ScratchFolder scratch_;
  const std::string folder_ = scratch_.path();
};

using Names = std::vector<std::string>;

TEST_F(FileSave, ReplacesTheRegularFileALinkNamesWithItsModeAndLeavesNoTemporaryFile) {
  write("house.hou", kOld);
  ASSERT_EQ(::chmod(path("house.hou").c_str(), 0640), 0);
  ASSERT_EQ(::symlink("house.hou", path("link").c_str()), 0);
  const SaveResult saved = saveFileSafely(path("link"), kNew);
  EXPECT_TRUE(saved.ok) << saved.description;
  EXPECT_EQ(read("house.hou"), kNew);
  EXPECT_EQ(status("house.hou").st_mode & 07777, 0640u);
  EXPECT_TRUE(S_ISLNK(status("link").st_mode));

  // A new file gets what any new file would: 0666 less the umask, not mkstemp's 0600.
  const mode_t mask = ::umask(027);
  const std::string large(3 << 20, 'x');
  EXPECT_TRUE(saveFileSafely(path("new.hou"), large).ok);
  ::umask(mask);
  EXPECT_EQ(status("new.hou").st_mode & 07777, 0640u);
  EXPECT_EQ(read("new.hou"), large);
  EXPECT_EQ(names(), (Names{"house.hou", "link", "new.hou"}));
}

// A rename goes over anything: saving onto /dev/full as root once left a regular file there.
// A device made in the test's folder stands in for /dev/full, so a fault here breaks nothing.
TEST_F(FileSave, RefusesDevicesFifosAndFoldersAndLinksToThemAndLeavesThemAlone) {
  ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0644), 0);
  ASSERT_EQ(::mkdir(path("folder").c_str(), 0755), 0);
  write("folder/inside.hou", kOld);
  const bool device = ::mknod(path("full").c_str(), S_IFCHR | 0666, ::makedev(1, 7)) == 0;
  ASSERT_EQ(::symlink("fifo", path("to-fifo").c_str()), 0);
  ASSERT_EQ(::symlink(path("folder").c_str(), path("to-folder").c_str()), 0);
  ASSERT_EQ(::symlink("full", path("to-full").c_str()), 0);

  const auto expectRefused = [&](const std::string& name, const std::string& kind) {
    SCOPED_TRACE(name);
    const SaveResult saved = saveFileSafely(path(name), kNew);
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.errorNumber, kSaveNotARegularFile);
    EXPECT_NE(saved.description.find(path(name)), std::string::npos) << saved.description;
    EXPECT_NE(saved.description.find(kind + ", not a regular file, so the house was not saved"), std::string::npos)
        << saved.description;
  };
  expectRefused("fifo", "a FIFO");
  expectRefused("folder", "a folder");
  expectRefused("to-fifo", "a FIFO");
  expectRefused("to-folder", "a folder");
  EXPECT_TRUE(S_ISFIFO(status("fifo").st_mode));
  EXPECT_TRUE(S_ISDIR(status("folder").st_mode));
  EXPECT_EQ(read("folder/inside.hou"), kOld);
  EXPECT_TRUE(S_ISLNK(status("to-fifo").st_mode));
  if (device) {
    expectRefused("full", "a device");
    expectRefused("to-full", "a device");
    EXPECT_TRUE(S_ISCHR(status("full").st_mode));
    EXPECT_EQ(status("full").st_rdev, ::makedev(1, 7));
  } else {
    ::symlink("missing", path("full").c_str());  // keeps the listing below the same
    std::cout << "no device made here (" << std::strerror(errno) << "): devices are not checked\n";
  }

  EXPECT_EQ(names(), (Names{"fifo", "folder", "full", "to-fifo", "to-folder", "to-full"}));
  EXPECT_EQ(names("folder"), Names{"inside.hou"});
}

// A file is never written in place: where no new file can be made beside it, it stays as it
// was. Tests run as root, whom a read-only folder does not stop, so that case runs as "nobody".
TEST_F(FileSave, AFolderThatTakesNoNewFileLeavesTheFileAsItWasAndIsNamed) {
  const auto notSaved = [](const SaveResult& saved, int error, const std::string& folder) {
    const std::string why = "cannot write a new file in " + folder + ", so the house was not saved: ";
    if (!saved.ok && saved.errorNumber == error && saved.description == why + std::strerror(error))
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << saved.errorNumber << " " << saved.description;
  };
  EXPECT_TRUE(notSaved(saveFileSafely(path("missing/house.hou"), kNew), ENOENT, path("missing")));
  write("plain", kOld);  // a file where the folder would be
  EXPECT_TRUE(notSaved(saveFileSafely(path("plain/house.hou"), kNew), ENOTDIR, path("plain")));
  EXPECT_EQ(read("plain"), kOld);
  ::unlink(path("plain").c_str());
  // A name without a folder is in the current one, which is named so (here one removed after the
  // program went into it).
  EXPECT_EXIT(
      {
        const std::string gone = path("gone");
        if (::mkdir(gone.c_str(), 0755) != 0 || ::chdir(gone.c_str()) != 0 || ::rmdir(gone.c_str()) != 0) std::_Exit(2);
        std::_Exit(notSaved(saveFileSafely("house.hou", kNew), ENOENT, "the current folder") ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");

  // A folder that only its owner may write, holding a file that anyone may write; the save runs
  // in a child, so that the changed user stays there.
  write("house.hou", kOld);
  ASSERT_EQ(::chmod(path("house.hou").c_str(), 0666), 0);
  const bool root = ::geteuid() == 0;
  ASSERT_EQ(::chmod(folder_.c_str(), root ? 0755 : 0555), 0);
  EXPECT_EXIT(
      {
        if (root && (::setgid(65534) != 0 || ::setuid(65534) != 0)) std::_Exit(2);
        const SaveResult saved = saveFileSafely(path("house.hou"), kNew);
        std::fprintf(stderr, "%d %s\n", saved.errorNumber, saved.description.c_str());
        std::_Exit(notSaved(saved, EACCES, folder_) ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
  ::chmod(folder_.c_str(), 0755);
  EXPECT_EQ(read("house.hou"), kOld);
  EXPECT_EQ(names(), Names{"house.hou"});
}

// Each system call of the save fails in turn, as on a full or failing disk: the file that was
// there stays, no temporary file is left, and the message names the system's error.
TEST_F(FileSave, EachCallThatFailsLeavesTheOldFileAndNamesTheError) {
  write("house.hou", kOld);
  const std::string notWritten = "cannot write the house in a new file in " + folder_ + ", so it was not saved and " +
                                 path("house.hou") + " is as it was: ";
  const auto fails = [](int error) {
    return [error](auto...) {
      errno = error;
      return -1;
    };
  };
  int pieces = 0;
  SaveCalls fullDisk = systemSaveCalls(), failedSync = fullDisk, failedClose = fullDisk, failedRename = fullDisk;
  fullDisk.write = [&](int file, const void* bytes, std::size_t) -> ssize_t {
    return pieces++ == 0 ? ::write(file, bytes, 5) : fails(ENOSPC)();
  };
  failedSync.fsync = fails(EIO);
  failedClose.close = [&](int file) { return ::close(file) + fails(EIO)(); };  // closed all the same, as on Linux
  failedRename.rename = fails(ENOSPC);
  for (const auto& [calls, error, description] :
       {std::tuple{fullDisk, ENOSPC, notWritten},
        {failedSync, EIO, notWritten},
        {failedClose, EIO, notWritten},
        {failedRename, ENOSPC,
         "cannot put the new file in place of " + path("house.hou") + ", so the house was not saved: "}}) {
    const SaveResult saved = saveFileSafely(path("house.hou"), kNew, calls);
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.errorNumber, error);
    EXPECT_EQ(saved.description, description + std::strerror(error));
    EXPECT_EQ(read("house.hou"), kOld);
    EXPECT_EQ(names(), Names{"house.hou"});
  }

  // A write may take a few bytes at a time, and a signal may interrupt it or the flush.
  SaveCalls slow = systemSaveCalls();
  slow.write = [&](int file, const void* bytes, std::size_t size) -> ssize_t {
    return ++pieces % 2 == 0 ? fails(EINTR)() : ::write(file, bytes, std::min<std::size_t>(size, 3));
  };
  slow.fsync = [&](int file) { return ++pieces % 2 == 0 ? fails(EINTR)() : ::fsync(file); };
  const SaveResult whole = saveFileSafely(path("house.hou"), kNew, slow);
  EXPECT_TRUE(whole.ok) << whole.description;
  EXPECT_EQ(read("house.hou"), kNew);
}

// A signal that ends the program while it saves (Ctrl+C, a kill, a closed terminal) removes the
// temporary file and then does what it would have done: ends the program, or runs the program's
// own handler. Each save runs in a child that signals itself in the middle of the write.
TEST_F(FileSave, ASignalInTheMiddleRemovesTheTemporaryFileAndEndsAsItWould) {
  write("house.hou", kOld);
  const auto saveSignalled = [&](int signal) {
    SaveCalls interrupted = systemSaveCalls();
    interrupted.write = [signal](int file, const void* bytes, std::size_t size) -> ssize_t {
      const ssize_t written = ::write(file, bytes, std::min<std::size_t>(size, 4));
      ::raise(signal);
      return written;
    };
    saveFileSafely(path("house.hou"), kNew, interrupted);
    std::_Exit(3);  // never reached: the signal ends the child
  };
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
    EXPECT_EXIT(saveSignalled(signal), ::testing::KilledBySignal(signal), "") << signal;
    EXPECT_EQ(names(), Names{"house.hou"}) << signal;
  }
  EXPECT_EXIT(
      {
        std::signal(SIGTERM, [](int) { std::_Exit(7); });
        saveSignalled(SIGTERM);
      },
      ::testing::ExitedWithCode(7), "");
  EXPECT_EQ(names(), Names{"house.hou"});
  EXPECT_EQ(read("house.hou"), kOld);
  // Outside a save the signals are as the program set them.
  struct sigaction action {};
  ::sigaction(SIGTERM, nullptr, &action);
  EXPECT_EQ(action.sa_handler, SIG_DFL);
}

}  // namespace
}  // namespace tarvo::test
