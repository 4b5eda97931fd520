// The player's own progress in one SQLite file.
#include "progress/progress_store.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace tarvo {

namespace {

constexpr int kBusyMs = 5000;  // another window writing: wait for it rather than lose a completion

const char* const kSchema =
    "CREATE TABLE IF NOT EXISTS room ("
    "  id INTEGER PRIMARY KEY,"
    "  content TEXT NOT NULL UNIQUE);"
    "CREATE TABLE IF NOT EXISTS completion ("
    "  id INTEGER PRIMARY KEY,"
    "  room INTEGER NOT NULL REFERENCES room(id),"
    "  name TEXT NOT NULL DEFAULT '',"
    "  moves INTEGER NOT NULL,"
    "  pushes INTEGER NOT NULL,"
    "  time_ms INTEGER NOT NULL,"
    "  steps TEXT NOT NULL,"
    "  played_at TEXT NOT NULL,"
    "  house_file TEXT NOT NULL,"
    "  room_number INTEGER NOT NULL);"
    "CREATE INDEX IF NOT EXISTS completion_by_room ON completion(room);"
    "CREATE TABLE IF NOT EXISTS unfinished ("
    "  room INTEGER PRIMARY KEY REFERENCES room(id),"
    "  steps TEXT NOT NULL,"
    "  time_ms INTEGER NOT NULL,"
    "  helped INTEGER NOT NULL,"
    "  saved_at TEXT NOT NULL);";

// "2026-12-07T18:30:05Z", or with `compact` "20261207-183005".
std::string utcStamp(std::int64_t seconds, bool compact) {
  const std::time_t time = static_cast<std::time_t>(seconds);
  std::tm parts{};
  gmtime_r(&time, &parts);
  char text[32];
  std::strftime(text, sizeof text, compact ? "%Y%m%d-%H%M%S" : "%Y-%m-%dT%H:%M:%SZ", &parts);
  return text;
}

bool isDamage(int code) { return (code & 0xff) == SQLITE_NOTADB || (code & 0xff) == SQLITE_CORRUPT; }

// The schema version, or an error code for a file that cannot be read as a database.
int readVersion(sqlite3* connection, int& version) {
  sqlite::Statement statement(connection, "PRAGMA user_version");
  if (!statement.ok()) return sqlite3_errcode(connection);
  const int result = statement.step();
  if (result != SQLITE_ROW) return result;
  version = static_cast<int>(statement.integer(0));
  return SQLITE_OK;
}

// SQLITE_OK when the file's structure is whole, else why not.
int quickCheck(sqlite3* connection) {
  sqlite::Statement statement(connection, "PRAGMA quick_check");
  if (!statement.ok()) return sqlite3_errcode(connection);
  const int result = statement.step();
  if (result != SQLITE_ROW) return result;
  return statement.text(0) == "ok" ? SQLITE_OK : SQLITE_CORRUPT;
}

// Tables that are not the store's: a database of some other program.
bool holdsOtherTables(sqlite3* connection) {
  sqlite::Statement statement(connection,
                              "SELECT count(*) FROM sqlite_master WHERE type = 'table' "
                              "AND name NOT IN ('room', 'completion', 'unfinished')");
  return statement.step() == SQLITE_ROW && statement.integer(0) > 0;
}

std::string fileName(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

struct ProgressStore::Statements {
  explicit Statements(sqlite3* c)
      : addRoom(c, "INSERT INTO room(content) VALUES(?1) ON CONFLICT(content) DO NOTHING"),
        findRoom(c, "SELECT id FROM room WHERE content = ?1"),
        addCompletion(c,
                      "INSERT INTO completion(room, name, moves, pushes, time_ms, steps, played_at, house_file, "
                      "room_number) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)"),
        nameCompletion(c, "UPDATE completion SET name = ?2 WHERE id = ?1"),
        progress(c,
                 "SELECT count(*), min(moves), min(pushes), min(time_ms) FROM completion "
                 "WHERE room = (SELECT id FROM room WHERE content = ?1)"),
        solutions(c,
                  "SELECT name, steps, time_ms FROM completion WHERE room = (SELECT id FROM room WHERE content = ?1) "
                  "ORDER BY moves, time_ms, id"),
        saveUnfinished(c,
                       "INSERT INTO unfinished(room, steps, time_ms, helped, saved_at) VALUES(?1, ?2, ?3, ?4, ?5) "
                       "ON CONFLICT(room) DO UPDATE SET steps = excluded.steps, time_ms = excluded.time_ms, "
                       "helped = excluded.helped, saved_at = excluded.saved_at"),
        forgetUnfinished(c, "DELETE FROM unfinished WHERE room = ?1"),
        unfinished(c,
                   "SELECT steps, time_ms, helped FROM unfinished "
                   "WHERE room = (SELECT id FROM room WHERE content = ?1)") {}
  bool allPrepared() const {
    return addRoom.ok() && findRoom.ok() && addCompletion.ok() && nameCompletion.ok() && progress.ok() &&
           solutions.ok() && saveUnfinished.ok() && forgetUnfinished.ok() && unfinished.ok();
  }
  sqlite::Statement addRoom, findRoom, addCompletion, nameCompletion, progress, solutions, saveUnfinished,
      forgetUnfinished, unfinished;
};

OpenedStore ProgressStore::open(const std::string& path, std::int64_t nowSeconds) {
  OpenedStore opened;
  const auto cannotOpen = [&](const std::string& why) {
    opened.kind = OpenedStore::Kind::CannotOpen;
    opened.note = "your progress is not kept: " + path + " cannot be written (" + why + ")";
    return std::move(opened);
  };
  // A look that writes nothing: a newer program's file stays as it is, journal and all.
  int version = 0;
  int code = SQLITE_OK;
  if (sqlite::Connection reader = sqlite::open(path, sqlite::Access::Read, code)) {
    sqlite3_busy_timeout(reader.get(), kBusyMs);
    code = readVersion(reader.get(), version);
    if (code == SQLITE_OK && version > kSchemaVersion) {
      opened.kind = OpenedStore::Kind::Newer;
      opened.note = "your progress is kept by a newer version of the game in " + path + ": it is left as it is";
      return opened;
    }
    if (code == SQLITE_OK) code = quickCheck(reader.get());
    if (code == SQLITE_OK && version == 0 && holdsOtherTables(reader.get())) code = SQLITE_NOTADB;
  }
  if (isDamage(code)) {
    // Set aside with its journal, which belongs to it alone, and begin anew.
    const std::string aside = path + ".damaged-" + utcStamp(nowSeconds, true);
    if (std::rename(path.c_str(), aside.c_str()) != 0) return cannotOpen("it is damaged and cannot be moved aside");
    for (const char* journal : {"-wal", "-shm"}) std::rename((path + journal).c_str(), (aside + journal).c_str());
    OpenedStore fresh = open(path, nowSeconds);
    if (fresh.kind != OpenedStore::Kind::Ready) return fresh;
    fresh.kind = OpenedStore::Kind::SetAside;
    fresh.note = "your progress file was damaged: it is set aside as " + fileName(aside) + " and a new one begun";
    return fresh;
  }
  // A file missing or unreadable to the look is made or refused by the open that writes.
  sqlite::Connection connection = sqlite::open(path, sqlite::Access::Write, code);
  if (!connection) return cannotOpen(sqlite3_errstr(code));
  sqlite3* c = connection.get();
  sqlite3_busy_timeout(c, kBusyMs);
  if ((code = readVersion(c, version)) != SQLITE_OK) return cannotOpen(sqlite3_errstr(code));
  if (version > kSchemaVersion) return open(path, nowSeconds);  // made newer meanwhile

  // WAL lets the window read while another writes; NORMAL syncs at checkpoints only, and a
  // commit is in the journal file before the call returns, so a crash of the program loses
  // nothing committed (a power cut may lose the last commits, never the file).
  if (sqlite::execute(c, "PRAGMA journal_mode = WAL") != SQLITE_OK ||
      sqlite::execute(c, "PRAGMA synchronous = NORMAL") != SQLITE_OK ||
      sqlite::execute(c, "PRAGMA journal_size_limit = 4194304") != SQLITE_OK) {
    return cannotOpen(sqlite::lastError(c));
  }
  if (version < kSchemaVersion) {
    const std::string setUp = std::string("BEGIN IMMEDIATE;") + kSchema +
                              "PRAGMA user_version = " + std::to_string(kSchemaVersion) + ";COMMIT;";
    if (sqlite::execute(c, setUp.c_str()) != SQLITE_OK) {
      const std::string why = sqlite::lastError(c);
      sqlite::execute(c, "ROLLBACK");
      return cannotOpen(why);
    }
  }
  opened.store.reset(new ProgressStore(std::move(connection)));
  if (!opened.store->statements_->allPrepared()) {
    const std::string why = sqlite::lastError(opened.store->connection_.get());
    opened.store.reset();
    return cannotOpen(why);
  }
  return opened;
}

ProgressStore::ProgressStore(sqlite::Connection connection)
    : connection_(std::move(connection)), statements_(std::make_unique<Statements>(connection_.get())) {
  // Counts the journal's pages instead of copying it into the file at a commit, as SQLite would.
  sqlite3_wal_hook(
      connection_.get(),
      [](void* store, sqlite3*, const char*, int pages) {
        static_cast<ProgressStore*>(store)->journalPages_ = pages;
        return SQLITE_OK;
      },
      this);
}

bool ProgressStore::copyJournal(const std::string& path) {
  int code = SQLITE_OK;
  sqlite::Connection connection = sqlite::open(path, sqlite::Access::Write, code);
  if (!connection) return false;
  sqlite3_busy_timeout(connection.get(), kBusyMs);
  // A connection learns that the file keeps a journal when it first reads it.
  int version = 0;
  if (readVersion(connection.get(), version) != SQLITE_OK) return false;
  int journal = 0, copied = 0;
  return sqlite3_wal_checkpoint_v2(connection.get(), nullptr, SQLITE_CHECKPOINT_PASSIVE, &journal, &copied) ==
             SQLITE_OK &&
         copied == journal;
}

ProgressStore::~ProgressStore() = default;

bool ProgressStore::failed() {
  problem_ = sqlite::lastError(connection_.get());
  return false;
}

bool ProgressStore::inTransaction(const std::function<bool()>& work) {
  if (sqlite::execute(connection_.get(), "BEGIN IMMEDIATE") != SQLITE_OK) return failed();
  if (!work()) {
    const std::string why = sqlite::lastError(connection_.get());
    sqlite::execute(connection_.get(), "ROLLBACK");
    problem_ = why;
    return false;
  }
  if (sqlite::execute(connection_.get(), "COMMIT") != SQLITE_OK) {
    failed();
    sqlite::execute(connection_.get(), "ROLLBACK");
    return false;
  }
  return true;
}

std::int64_t ProgressStore::roomId(std::string_view room) {
  if (statements_->addRoom.use().bind(1, room).step() != SQLITE_DONE) return 0;
  sqlite::Statement& find = statements_->findRoom.use().bind(1, room);
  const std::int64_t id = find.step() == SQLITE_ROW ? find.integer(0) : 0;
  find.finish();
  return id;
}

std::int64_t ProgressStore::addCompletion(const Completion& completion) {
  std::int64_t id = 0;
  const bool ok = inTransaction([&] {
    const std::int64_t room = roomId(completion.room);
    if (room == 0) return false;
    const int added = statements_->addCompletion.use()
                          .bind(1, room)
                          .bind(2, completion.name)
                          .bind(3, std::int64_t{movesOf(completion.steps)})
                          .bind(4, std::int64_t{pushesOf(completion.steps)})
                          .bind(5, completion.timeMs)
                          .bind(6, completion.steps)
                          .bind(7, utcStamp(completion.playedAt, false))
                          .bind(8, completion.houseFile)
                          .bind(9, std::int64_t{completion.roomNumber})
                          .step();
    if (added != SQLITE_DONE) return false;
    id = sqlite3_last_insert_rowid(connection_.get());
    return statements_->forgetUnfinished.use().bind(1, room).step() == SQLITE_DONE;
  });
  return ok ? id : 0;
}

bool ProgressStore::nameCompletion(std::int64_t id, std::string_view name) {
  if (statements_->nameCompletion.use().bind(1, id).bind(2, name).step() != SQLITE_DONE) return failed();
  return true;
}

std::optional<RoomProgress> ProgressStore::progressOf(std::string_view room) {
  sqlite::Statement& query = statements_->progress.use().bind(1, room);
  if (query.step() != SQLITE_ROW) {
    failed();
    return std::nullopt;
  }
  const RoomProgress progress{static_cast<std::int32_t>(query.integer(0)), static_cast<std::int32_t>(query.integer(1)),
                              static_cast<std::int32_t>(query.integer(2)), query.integer(3)};
  query.finish();
  if (progress.completions == 0) return std::nullopt;
  return progress;
}

std::vector<StoredSolution> ProgressStore::solutionsOf(std::string_view room) {
  std::vector<StoredSolution> solutions;
  sqlite::Statement& query = statements_->solutions.use().bind(1, room);
  int result = SQLITE_ROW;
  while ((result = query.step()) == SQLITE_ROW) {
    std::string steps = query.text(1);
    const auto same = [&](const StoredSolution& kept) { return kept.steps == steps; };
    if (std::none_of(solutions.begin(), solutions.end(), same)) {
      solutions.push_back({query.text(0), std::move(steps), query.integer(2)});
    }
  }
  if (result != SQLITE_DONE) failed();
  return solutions;
}

bool ProgressStore::saveUnfinished(std::string_view room, const UnfinishedGame& game, std::int64_t nowSeconds) {
  return inTransaction([&] {
    const std::int64_t id = roomId(room);
    if (id == 0) return false;
    if (game.steps.empty()) return statements_->forgetUnfinished.use().bind(1, id).step() == SQLITE_DONE;
    return statements_->saveUnfinished.use()
               .bind(1, id)
               .bind(2, game.steps)
               .bind(3, game.timeMs)
               .bind(4, std::int64_t{game.helped ? 1 : 0})
               .bind(5, utcStamp(nowSeconds, false))
               .step() == SQLITE_DONE;
  });
}

std::optional<UnfinishedGame> ProgressStore::unfinishedOf(std::string_view room) {
  sqlite::Statement& query = statements_->unfinished.use().bind(1, room);
  const int result = query.step();
  if (result != SQLITE_ROW) {
    if (result != SQLITE_DONE) failed();
    return std::nullopt;
  }
  UnfinishedGame game{query.text(0), query.integer(1), query.integer(2) != 0};
  query.finish();
  return game;
}

}  // namespace tarvo
