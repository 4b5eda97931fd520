// A file opens by its name or, when the name says nothing, by what it holds: a house file when it
// begins with "HOUSE FILE", else a collection of rooms; anything else gets a reason.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "roomtext/house_files.h"
#include "scratch_folder.h"

namespace tarvo {
namespace {

using Kind = OpenedFile::Kind;
using Status = HouseReadResult::Status;

TEST(OpenedByContent, AHouseOrACollectionByWhatItHoldsAndAReasonForAnythingElse) {
  test::ScratchFolder folder;
  const std::string house = test::fileBytes(std::string(TARVO_FIXTURES) + "/easy_one.hou");
  const std::string room = "#####\n#@$.#\n#####\n";
  const std::string none = "it is neither a house file nor a room collection: it holds no room";
  const struct {
    const char* name;
    std::string bytes;
    Kind kind;
    Status status;
    std::string problem;  // "@" stands for the file's path
  } table[] = {
      {"a.dat", house, Kind::House, Status::Ok, ""},
      {"b", room, Kind::Collection, Status::Ok, ""},
      {"c.HOU", house, Kind::House, Status::Ok, ""},
      {"d.dat", "hello\n", Kind::Unknown, Status::Invalid, none},
      {"e.txt", "hello\n", Kind::Collection, Status::Invalid, "it holds no room"},  // read as its name says
      {"f.dat", "", Kind::Unknown, Status::Invalid, none},
  };
  for (const auto& row : table) {
    const std::string path = folder.file(row.name);
    std::ofstream(path, std::ios::binary) << row.bytes;
    HouseRecord read = emptyHouse();
    const OpenedFile opened = readHouseOrCollection(path, read);
    EXPECT_EQ(opened.kind, row.kind) << row.name;
    EXPECT_EQ(opened.result.status, row.status) << row.name;
    EXPECT_EQ(opened.result.problem, row.problem) << row.name;
    if (row.status == Status::Ok && row.kind == Kind::Collection) {
      EXPECT_EQ(opened.rooms->size(), 1u);
    }
  }

  // Too large for either, told from its size alone (the file is sparse), and a folder.
  const std::string large = folder.file("large.dat");
  std::ofstream(large).close();
  std::filesystem::resize_file(large, std::max(kMaxHouseFileBytes, kMaxCollectionFileBytes) + 1);
  HouseRecord read = emptyHouse();
  EXPECT_EQ(readHouseOrCollection(large, read).result.problem,
            large + " is larger than a house file or a room collection can be (64 MiB)");
  EXPECT_EQ(readHouseOrCollection(folder.path(), read).result.problem,
            folder.path() + " is a folder, not a house file nor a room collection");
}

}  // namespace
}  // namespace tarvo
