// The progress store of a build without SQLite: it never opens, as a store whose folder cannot be
// written, so the game plays without it. It says nothing: the player has no store to be told of.
#include "progress/progress_store.h"

namespace tarvo {

void sqlite::CloseConnection::operator()(sqlite3*) const {}

struct ProgressStore::Statements {};

OpenedStore ProgressStore::open(const std::string&, std::int64_t) {
  OpenedStore opened;
  opened.kind = OpenedStore::Kind::CannotOpen;
  return opened;
}

ProgressStore::~ProgressStore() = default;

// No store is ever made, so nothing below runs; the game links them all the same.
std::int64_t ProgressStore::addCompletion(const Completion&) { return 0; }
bool ProgressStore::nameCompletion(std::int64_t, std::string_view) { return false; }
std::optional<RoomProgress> ProgressStore::progressOf(std::string_view) { return std::nullopt; }
std::vector<StoredSolution> ProgressStore::solutionsOf(std::string_view) { return {}; }
bool ProgressStore::saveUnfinished(std::string_view, const UnfinishedGame&, std::int64_t) { return false; }
std::optional<UnfinishedGame> ProgressStore::unfinishedOf(std::string_view) { return std::nullopt; }
bool ProgressStore::copyJournal(const std::string&) { return false; }

}  // namespace tarvo
