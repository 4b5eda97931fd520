// Checks the bundled house: exact file format, playable rooms, records that solve them, rising difficulty.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "replay.h"

namespace tarvo::solver {
namespace {

constexpr int kRooms = 16;
constexpr int kLinesPerRoom = 15;  // separator, ten rows, two lists, record count, one record

std::string readBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Splits on CR LF; fails the test on a CR or LF that is not part of such a pair.
std::vector<std::string> crlfLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "the last line does not end in CR LF";
      end = bytes.size();
    }
    std::string line = bytes.substr(start, end - start);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "lone CR or LF in line " << lines.size() + 1;
    lines.push_back(line);
    start = end + 2;
  }
  return lines;
}

std::vector<std::string> splitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream in(line);
  std::string field;
  while (std::getline(in, field, '\t')) fields.push_back(field);
  return fields;
}

class DefaultHouse : public ::testing::Test {
 protected:
  void SetUp() override {
    bytes_ = readBytes(TARVO_DEFAULT_HOUSE);
    ASSERT_FALSE(bytes_.empty()) << "cannot read " << TARVO_DEFAULT_HOUSE;
    lines_ = crlfLines(bytes_);
    ASSERT_EQ(lines_.size(), static_cast<std::size_t>(4 + kRooms * kLinesPerRoom));
  }

  const std::string& line(int room, int lineOfBlock) const { return lines_[4 + room * kLinesPerRoom + lineOfBlock]; }

  check::Grid rows(int room) const {
    return check::Grid(lines_.begin() + 4 + room * kLinesPerRoom + 1, lines_.begin() + 4 + room * kLinesPerRoom + 11);
  }

  std::string bytes_;
  std::vector<std::string> lines_;
};

TEST_F(DefaultHouse, FollowsTheHouseFileFormat) {
  for (char c : bytes_) {
    EXPECT_TRUE(c == '\r' || c == '\n' || c == '\t' || (c >= 0x20 && c < 0x7f)) << "not printable ASCII: " << int(c);
  }
  EXPECT_EQ(lines_[0], "HOUSE FILE FOR TARVO PLIM");
  EXPECT_EQ(lines_[1], "Version:1.0");
  EXPECT_EQ(lines_[2], "HOUSE's NAME:First House");
  EXPECT_EQ(lines_[3], "NUMBER OF ROOM:16");
  std::string rule(39, '=');
  for (int r = 0; r < kRooms; ++r) {
    SCOPED_TRACE("room " + std::to_string(r));
    EXPECT_EQ(line(r, 0), rule + " ROOM " + std::to_string(r) + rule);
    for (const std::string& row : rows(r)) {
      EXPECT_EQ(row.size(), 10u) << "|" << row << "|";
      EXPECT_EQ(row.find_first_not_of("# .@$+*-"), std::string::npos) << "|" << row << "|";
    }
    EXPECT_EQ(line(r, 11), "FORBBIDEN PLACE:");
    EXPECT_EQ(line(r, 12), "FORBBIDEN COUPLE:");
    EXPECT_EQ(line(r, 13), "NUMBER OF RECCORD:1");
    const std::string& record = line(r, 14);
    ASSERT_EQ(record.back(), '\t');
    std::vector<std::string> fields = splitTabs(record);
    ASSERT_EQ(fields.size(), 4u) << record;
    EXPECT_EQ(fields[0], "TarvoPlim");
    EXPECT_EQ(fields[1], std::to_string(fields[3].size()));
    const std::string& time = fields[2];
    ASSERT_EQ(time.size(), 5u);
    EXPECT_TRUE(std::isdigit(time[0]) && std::isdigit(time[1]) && time[2] == ':' && time[3] <= '5' &&
                std::isdigit(time[3]) && std::isdigit(time[4]))
        << time;
    EXPECT_EQ(fields[3].find_first_not_of("udrlUDRL"), std::string::npos);
  }
}

TEST_F(DefaultHouse, RoomsArePlayableAndTheirRecordsSolveThem) {
  int previousPushes = 0;
  for (int r = 0; r < kRooms; ++r) {
    check::Grid grid = rows(r);
    std::string picture;
    for (const std::string& row : grid) picture += "|" + row + "|\n";
    SCOPED_TRACE("room " + std::to_string(r) + "\n" + picture);
    std::string all;
    for (const std::string& row : grid) all += row;
    auto count = [&](const std::string& symbols) {
      return std::count_if(all.begin(), all.end(), [&](char c) { return symbols.find(c) != std::string::npos; });
    };
    ASSERT_EQ(count("@+"), 1);
    EXPECT_EQ(count("$*"), count(".+*"));
    EXPECT_GE(count("$*"), 1);
    EXPECT_FALSE(check::isSolved(grid));
    EXPECT_FALSE(check::manCanLeave(grid));

    std::string steps = splitTabs(line(r, 14)).at(3);
    check::Replay replay = check::replay(grid, steps);
    EXPECT_TRUE(replay.everyStepMoved) << "step " << replay.failedStep << " of " << steps;
    EXPECT_TRUE(replay.solved);
    EXPECT_GE(replay.pushes, previousPushes) << "rooms must not get easier";
    previousPushes = replay.pushes;
  }
  EXPECT_GE(previousPushes, 30) << "the last room should need real thought";
}

}  // namespace
}  // namespace tarvo::solver
