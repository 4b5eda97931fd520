// The player's own progress, kept across houses and runs in one SQLite file: every completion made
// without help, by the content of its room, and the unfinished game of each room. Each change is
// committed at once (WAL journal, synchronous NORMAL: a commit survives a crash of the program).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "progress/sqlite_statement.h"

namespace tarvo {

// A room solved by the player alone.
struct Completion {
  std::string room;         // roomContent of the room as it started
  std::string name;         // the name given; "" until the player gives it
  std::string steps;        // the step letters, pushes in capitals
  std::int64_t timeMs = 0;  // from the room's start to the last step
  std::string houseFile;    // the file the house in play was read from
  std::int32_t roomNumber = 0;
  std::int64_t playedAt = 0;  // seconds since 1970, UTC
};

// The moves and pushes of a solution's steps.
std::int32_t movesOf(std::string_view steps);
std::int32_t pushesOf(std::string_view steps);

// What the player did with a room: how often solved, and the best moves, pushes and time (each
// the best of any completion).
struct RoomProgress {
  std::int32_t completions = 0;
  std::int32_t bestMoves = 0;
  std::int32_t bestPushes = 0;
  std::int64_t bestTimeMs = 0;
};

struct StoredSolution {
  std::string name;
  std::string steps;
  std::int64_t timeMs = 0;
};

// A game left before its end: its steps from the room's start, the time it had taken, and whether
// the solver helped on the way (then its end makes no record either).
struct UnfinishedGame {
  std::string steps;
  std::int64_t timeMs = 0;
  bool helped = false;
};

class ProgressStore;

// How an open went, and the one line the player is told when it did not go plainly.
struct OpenedStore {
  enum class Kind {
    Ready,       // the store as it was, or a new one
    SetAside,    // the file was damaged: moved aside, a new one begun
    Newer,       // a newer version of the game keeps it: left untouched, not used
    CannotOpen,  // the folder or the file cannot be written: not used
  };
  Kind kind = Kind::Ready;
  std::unique_ptr<ProgressStore> store;  // none for Newer and CannotOpen
  std::string note;                      // for the player; empty when Ready
};

class ProgressStore {
 public:
  static constexpr int kSchemaVersion = 1;

  // Opens the store at `path`, creating it when missing (its folder must exist). A damaged file
  // (and its journal) is renamed "PATH.damaged-YYYYMMDD-HHMMSS" after `nowSeconds` and a new one
  // begun; a file of a newer schema is not written at all.
  static OpenedStore open(const std::string& path, std::int64_t nowSeconds);
  ~ProgressStore();

  // Commits the completion, and forgets the room's unfinished game, in one transaction. Returns
  // the completion's id for the name given later, or 0 when it could not be written.
  std::int64_t addCompletion(const Completion& completion);
  bool nameCompletion(std::int64_t id, std::string_view name);

  // The room's progress; nothing when it was never solved.
  std::optional<RoomProgress> progressOf(std::string_view room);
  // Its solutions with distinct steps, the fewest moves first, each under the name given first.
  std::vector<StoredSolution> solutionsOf(std::string_view room);

  // The room's unfinished game, replaced; empty steps forget it.
  bool saveUnfinished(std::string_view room, const UnfinishedGame& game, std::int64_t nowSeconds);
  std::optional<UnfinishedGame> unfinishedOf(std::string_view room);

  // The last failure, as SQLite words it.
  const std::string& problem() const { return problem_; }

  // The journal is copied into the file by the caller, off the thread that writes: a copy syncs
  // the disk and may take as long as a slow disk does. The pages the journal holds after the
  // last commit, and the copy, which a connection of its own makes for any thread.
  int journalPages() const { return journalPages_; }
  static bool copyJournal(const std::string& path);

 private:
  explicit ProgressStore(sqlite::Connection connection);
  // The room's id, made when missing; 0 on failure.
  std::int64_t roomId(std::string_view room);
  bool failed();
  bool inTransaction(const std::function<bool()>& work);

  sqlite::Connection connection_;
  std::string problem_;
  int journalPages_ = 0;
  struct Statements;
  std::unique_ptr<Statements> statements_;
};

}  // namespace tarvo
