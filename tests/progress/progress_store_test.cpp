// The player's progress: rooms known by their content wherever they stand, every completion kept
// and found again, the best of a room, unfinished games, and a store that survives damage, a
// newer version, two writers at once and a kill in the middle of its writes.
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

#include "progress/journal_copier.h"
#include "progress/progress_store.h"
#include "progress/room_identity.h"
#include "room_builder.h"
#include "roomtext/room_collection.h"
#include "scratch_folder.h"

namespace tarvo {
namespace {

using test::fileBytes;
using test::roomFromRows;
using test::ScratchFolder;
using test::Texts;

// The room's rows with `rowsDown` rows and `columnsRight` columns of outside before them.
RoomRecord placed(const Texts& rows, int rowsDown, int columnsRight) {
  Texts moved(static_cast<std::size_t>(rowsDown), "");
  for (const std::string& row : rows) moved.push_back(std::string(static_cast<std::size_t>(columnsRight), '-') + row);
  return roomFromRows(moved);
}

const Texts kRoom{"#####", "#@$.#", "#####"};
const Texts kOther{"######", "#@$ .#", "######"};

TEST(RoomIdentity, TheSameRoomAnywhereOnTheBoardIsOneRoomAndAnyChangeToItsPlayIsAnother) {
  const std::string content = roomContent(roomFromRows(kRoom));
  EXPECT_EQ(content, "#####|#@$.#|#####");
  for (int down = 0; down <= 7; ++down) {
    for (int right = 0; right <= 5; ++right) EXPECT_EQ(roomContent(placed(kRoom, down, right)), content);
  }
  // Marks, lists and records are not its content; floor the man can never reach is outside.
  RoomRecord listed = roomFromRows({"#####", "#@$.#", "#####"}, "12;", "12,13;");
  listed.records->add(RecordFields{"Ann", "2", "00:01", "rR"});
  EXPECT_EQ(roomContent(listed), content);
  // Marked as the board shows the lists in play: a marked wall still walls in, and floor the man
  // never reaches stays outside, marked or not.
  RoomRecord pocket = roomFromRows({"#######", "#@$.# #", "#######"});
  const std::string pocketContent = roomContent(pocket);
  for (int cell : {11, 13, 14, 15}) setMark(pocket, cell);
  ASSERT_EQ(test::markedCells(pocket).size(), 4u);
  EXPECT_EQ(roomContent(pocket), pocketContent);
  EXPECT_EQ(roomContent(roomFromRows({"  #####", "  #@$.#  ", "  #####"})), content);
  // A collection centres its rooms: still the same room.
  CollectionRoom read;
  ASSERT_TRUE(readFirstRoom("#####\n#@$.#\n#####\n", read));
  EXPECT_EQ(roomContent(roomOfCollection(read)), content);

  // Each cell changed in a way play can tell: another room.
  const Texts wider{"######", "#@$. #", "######"};
  const Texts hollow{"######", "#@$.-#", "######"};  // outside inside the walls blocks the man
  const Texts rows[] = {kOther,
                        wider,
                        {"#####", "# $.#", "#####"},
                        {"#####", "#@$ #", "#####"},
                        {"#####", "#@ .#", "#####"},
                        {"#####", "#+$ #", "#####"}};
  for (const Texts& changed : rows) EXPECT_NE(roomContent(roomFromRows(changed)), content) << changed[1];
  EXPECT_NE(roomContent(roomFromRows(wider)), roomContent(roomFromRows(hollow)));
}

class ProgressStoreTest : public ::testing::Test {
 protected:
  std::unique_ptr<ProgressStore> openStore() {
    OpenedStore opened = ProgressStore::open(path, kNow);
    EXPECT_EQ(opened.kind, OpenedStore::Kind::Ready) << opened.note;
    return std::move(opened.store);
  }
  static Completion completion(const std::string& room, const std::string& steps, std::int64_t timeMs) {
    return Completion{room, "", steps, timeMs, "/houses/a.hou", 3, kNow};
  }
  static std::int64_t rowCount(const std::string& file, const char* table) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, (std::string("SELECT count(*) FROM ") + table).c_str(), -1, &statement, nullptr);
    const std::int64_t count = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : -1;
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return count;
  }

  static constexpr std::int64_t kNow = 1'796'668'200;  // 2026-12-07 18:30 UTC
  ScratchFolder folder;
  std::string path = folder.file("progress.sqlite3");
};

TEST_F(ProgressStoreTest, EveryCompletionIsKeptAndFoundByItsRoomFromAnyHouseWithTheBestOfEachKind) {
  {
    std::unique_ptr<ProgressStore> store = openStore();
    const std::string room = roomContent(placed(kRoom, 4, 3));
    EXPECT_FALSE(store->progressOf(room));
    const std::int64_t first = store->addCompletion(completion(room, "luRdrR", 9000));
    ASSERT_GT(first, 0);
    ASSERT_TRUE(store->nameCompletion(first, "Ann"));
    ASSERT_GT(store->addCompletion(completion(room, "rR", 20000)), 0);        // fewest moves
    ASSERT_GT(store->addCompletion(completion(room, "uRRdlRRRl", 4000)), 0);  // quickest, most pushes
    ASSERT_GT(store->addCompletion(completion(room, "rR", 30000)), 0);        // the same steps again
    ASSERT_GT(store->addCompletion(completion(roomContent(roomFromRows(kOther)), "rrR", 1000)), 0);
  }
  // Another run, the room at another place of another house, and centred in a collection.
  std::unique_ptr<ProgressStore> store = openStore();
  CollectionRoom read;
  ASSERT_TRUE(readFirstRoom("; a title\n#####\n#@$.#\n#####\n", read));
  for (const RoomRecord& room : std::vector<RoomRecord>{roomFromRows(kRoom), roomOfCollection(read)}) {
    const std::optional<RoomProgress> progress = store->progressOf(roomContent(room));
    ASSERT_TRUE(progress);
    EXPECT_EQ(progress->completions, 4);
    EXPECT_EQ(progress->bestMoves, 2);
    EXPECT_EQ(progress->bestPushes, 1);
    EXPECT_EQ(progress->bestTimeMs, 4000);
  }
  const std::vector<StoredSolution> solutions = store->solutionsOf(roomContent(roomFromRows(kRoom)));
  ASSERT_EQ(solutions.size(), 3u) << "one for each distinct solution";
  EXPECT_EQ(solutions[0].steps, "rR");
  EXPECT_EQ(solutions[0].timeMs, 20000) << "under the quicker time of the two";
  EXPECT_EQ(solutions[1].steps, "luRdrR");
  EXPECT_EQ(solutions[1].name, "Ann");
  EXPECT_EQ(store->progressOf(roomContent(roomFromRows(kOther)))->completions, 1);
  EXPECT_EQ(pushesOf("uRRdlRRRl"), 5);
  EXPECT_EQ(movesOf("uRRdlRRRl"), 9);
}

TEST_F(ProgressStoreTest, AnUnfinishedGameIsReplacedForgottenWhenEmptyAndGoneWithTheRoomsNextCompletion) {
  std::unique_ptr<ProgressStore> store = openStore();
  const std::string room = roomContent(roomFromRows(kOther));
  EXPECT_FALSE(store->unfinishedOf(room));
  ASSERT_TRUE(store->saveUnfinished(room, {"ru", 1500, false}, kNow));
  ASSERT_TRUE(store->saveUnfinished(room, {"rul", 2500, true}, kNow));
  std::optional<UnfinishedGame> game = store->unfinishedOf(room);
  ASSERT_TRUE(game);
  EXPECT_EQ(game->steps, "rul");
  EXPECT_EQ(game->timeMs, 2500);
  EXPECT_TRUE(game->helped);
  ASSERT_TRUE(store->saveUnfinished(room, {"", 0, false}, kNow));
  EXPECT_FALSE(store->unfinishedOf(room));

  ASSERT_TRUE(store->saveUnfinished(room, {"r", 100, false}, kNow));
  ASSERT_GT(store->addCompletion(completion(roomContent(roomFromRows(kRoom)), "rR", 1)), 0);
  EXPECT_TRUE(store->unfinishedOf(room)) << "another room's completion";
  ASSERT_GT(store->addCompletion(completion(room, "rrR", 1)), 0);
  EXPECT_FALSE(store->unfinishedOf(room));
}

TEST_F(ProgressStoreTest, ADamagedFileIsSetAsideWholeAndANewOneBegun) {
  // Not a database at all; a database cut short; another program's database.
  {
    std::unique_ptr<ProgressStore> store = openStore();
    for (int k = 0; k < 300; ++k) store->addCompletion(completion("#@$.#", std::string(200, 'r') + "R", k));
  }
  const std::string whole = fileBytes(path);
  ASSERT_GT(whole.size(), 8192u);
  const std::string damages[] = {std::string(5000, '\x17'),
                                 whole.substr(0, 100) + std::string(whole.size() - 100, '\0'), ""};
  for (const std::string& damaged : damages) {
    std::filesystem::remove(path);
    std::filesystem::remove(path + "-wal");
    std::filesystem::remove(path + "-shm");
    if (damaged.empty()) {
      sqlite3* db = nullptr;
      sqlite3_open(path.c_str(), &db);
      sqlite3_exec(db, "CREATE TABLE photos(id INTEGER)", nullptr, nullptr, nullptr);
      sqlite3_close(db);
    } else {
      std::ofstream(path, std::ios::binary) << damaged;
    }
    const std::string before = fileBytes(path);
    OpenedStore opened = ProgressStore::open(path, kNow);
    ASSERT_EQ(opened.kind, OpenedStore::Kind::SetAside) << opened.note;
    const std::string aside = path + ".damaged-20261207-183000";
    EXPECT_EQ(fileBytes(aside), before) << "the damaged file is kept as it was";
    EXPECT_NE(opened.note.find("progress.sqlite3.damaged-20261207-183000"), std::string::npos) << opened.note;
    ASSERT_TRUE(opened.store);
    EXPECT_GT(opened.store->addCompletion(completion("#@$.#", "rR", 1)), 0) << "the new one works";
    opened.store.reset();
    std::filesystem::remove(aside);
  }
}

TEST_F(ProgressStoreTest, AStoreOfANewerVersionIsLeftUntouchedAndAStoreThatCannotBeWrittenIsNotUsed) {
  {
    std::unique_ptr<ProgressStore> store = openStore();
    store->addCompletion(completion("#@$.#", "rR", 1));
  }
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  sqlite3_exec(db, "PRAGMA journal_mode = DELETE; PRAGMA user_version = 2", nullptr, nullptr, nullptr);
  sqlite3_close(db);
  const std::string newer = fileBytes(path);
  OpenedStore opened = ProgressStore::open(path, kNow);
  EXPECT_EQ(opened.kind, OpenedStore::Kind::Newer);
  EXPECT_FALSE(opened.store);
  EXPECT_FALSE(opened.note.empty());
  EXPECT_EQ(fileBytes(path), newer);
  EXPECT_FALSE(std::filesystem::exists(path + "-wal"));

  for (const std::string& unwritable : {folder.file("missing/progress.sqlite3"), folder.path()}) {
    opened = ProgressStore::open(unwritable, kNow);
    EXPECT_EQ(opened.kind, OpenedStore::Kind::CannotOpen) << unwritable;
    EXPECT_FALSE(opened.store);
    EXPECT_NE(opened.note.find(unwritable), std::string::npos) << opened.note;
  }
}

TEST_F(ProgressStoreTest, TwoWindowsWritingAtOnceLoseNothing) {
  openStore();  // made before both start, as the first window makes it
  constexpr int kEach = 150;
  const auto writer = [this](const char* room) {
    std::unique_ptr<ProgressStore> store = ProgressStore::open(path, kNow).store;
    ASSERT_TRUE(store);
    for (int k = 0; k < kEach; ++k) {
      ASSERT_GT(store->addCompletion(completion(room, "rR", k)), 0) << store->problem();
      ASSERT_TRUE(store->saveUnfinished(room, {"r", k, false}, kNow)) << store->problem();
    }
  };
  std::thread first(writer, "#@$.#"), second(writer, "#@$ .#");
  first.join();
  second.join();
  std::unique_ptr<ProgressStore> store = openStore();
  EXPECT_EQ(store->progressOf("#@$.#")->completions, kEach);
  EXPECT_EQ(store->progressOf("#@$ .#")->completions, kEach);
}

TEST_F(ProgressStoreTest, TheJournalIsCopiedIntoTheFileOffTheWritersThreadAndStaysShort) {
  std::unique_ptr<ProgressStore> store = openStore();
  {
    // Faster than any play, a write every two milliseconds: the copies keep up, also on a
    // machine whose disk is busy with other work.
    JournalCopier journal(path);
    for (int k = 0; k < 600; ++k) {
      ASSERT_GT(store->addCompletion(completion("#@$.#", std::string(300, 'r') + "R", k)), 0);
      ASSERT_TRUE(
          store->saveUnfinished("#@$ .#", {std::string(static_cast<std::size_t>(k % 500), 'u'), k, false}, kNow));
      journal.afterWrite(*store);
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  }
  // Without the copies the journal would hold every page written: 1200 commits, some 14 MiB.
  EXPECT_LT(store->journalPages(), 3 * JournalCopier::kPagesBeforeCopy);
  EXPECT_LE(std::filesystem::file_size(path + "-wal"), std::uintmax_t{4} << 20);
  store.reset();
  EXPECT_EQ(rowCount(path, "completion"), 600);
}

TEST_F(ProgressStoreTest, AKillInTheMiddleOfWritesLeavesAWholeFileWithEveryCommittedCompletion) {
  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    close(pipeEnds[0]);
    std::unique_ptr<ProgressStore> store = ProgressStore::open(path, kNow).store;
    for (int k = 1; store != nullptr; ++k) {
      if (store->addCompletion(completion("#@$.#", std::string(static_cast<std::size_t>(k % 500), 'l') + "rR", k)) ==
          0) {
        _exit(3);
      }
      store->saveUnfinished("#@$ .#", {std::string(static_cast<std::size_t>(k % 300), 'u'), k, false}, kNow);
      if (write(pipeEnds[1], &k, sizeof k) != sizeof k) _exit(4);
    }
    _exit(5);
  }
  close(pipeEnds[1]);
  int committed = 0, reported = 0;
  while (committed < 400 && read(pipeEnds[0], &reported, sizeof reported) == sizeof reported) committed = reported;
  kill(child, SIGKILL);
  while (read(pipeEnds[0], &reported, sizeof reported) == sizeof reported) committed = reported;
  close(pipeEnds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended on its own: " << WEXITSTATUS(status);

  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  sqlite3_stmt* check = nullptr;
  sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr);
  ASSERT_EQ(sqlite3_step(check), SQLITE_ROW);
  EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)), "ok");
  sqlite3_finalize(check);
  sqlite3_close(db);
  EXPECT_GE(rowCount(path, "completion"), committed) << "every completion committed before the kill";
  EXPECT_GE(committed, 400);
}

}  // namespace
}  // namespace tarvo
