// The progress store of a build without SQLite: it never opens and never touches the player's
// file, which a build with SQLite may have written, and it gives the window nothing to say.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "progress/progress_store.h"
#include "scratch_folder.h"

namespace tarvo {
namespace {

using test::fileBytes;
using test::ScratchFolder;

constexpr std::int64_t kNow = 1796000000;

TEST(ProgressStoreWithoutSqlite, NeverOpensSaysNothingAndLeavesAnyFileAsItIs) {
  ScratchFolder folder;
  const std::string missing = folder.file("progress.sqlite3");
  const std::string kept = folder.file("kept.sqlite3");
  const std::string bytes = std::string("SQLite format 3") + '\0' + "the player's completions";
  std::ofstream(kept, std::ios::binary) << bytes;

  for (const std::string& path : {missing, kept, folder.file("missing/progress.sqlite3"), folder.path()}) {
    OpenedStore opened = ProgressStore::open(path, kNow);
    EXPECT_EQ(opened.kind, OpenedStore::Kind::CannotOpen) << path;
    EXPECT_FALSE(opened.store) << path;
    EXPECT_EQ(opened.note, "") << path << ": the window would show it";
  }
  EXPECT_FALSE(std::filesystem::exists(missing)) << "no file is made";
  EXPECT_EQ(fileBytes(kept), bytes);
  EXPECT_FALSE(std::filesystem::exists(kept + "-wal"));
  EXPECT_FALSE(ProgressStore::copyJournal(kept));
  EXPECT_EQ(fileBytes(kept), bytes);
}

TEST(ProgressStoreWithoutSqlite, StepsAreStillCounted) {
  EXPECT_EQ(movesOf("uRRdlRRRl"), 9);
  EXPECT_EQ(pushesOf("uRRdlRRRl"), 5);
  EXPECT_EQ(pushesOf(""), 0);
}

}  // namespace
}  // namespace tarvo
