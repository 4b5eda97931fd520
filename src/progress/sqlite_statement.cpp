// The little of SQLite's C interface the progress store uses.
#include "progress/sqlite_statement.h"

#include <sqlite3.h>

namespace tarvo::sqlite {

void CloseConnection::operator()(sqlite3* connection) const { sqlite3_close_v2(connection); }

Connection open(const std::string& path, Access access, int& resultCode) {
  sqlite3* connection = nullptr;
  const int flags = access == Access::Read ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
  resultCode = sqlite3_open_v2(path.c_str(), &connection, flags, nullptr);
  Connection owned(connection);  // closed even when the open failed
  if (resultCode != SQLITE_OK) owned.reset();
  return owned;
}

int execute(sqlite3* connection, const char* sql) { return sqlite3_exec(connection, sql, nullptr, nullptr, nullptr); }

std::string lastError(sqlite3* connection) { return sqlite3_errmsg(connection); }

Statement::Statement(sqlite3* connection, const char* sql) {
  if (sqlite3_prepare_v2(connection, sql, -1, &statement_, nullptr) != SQLITE_OK) {
    sqlite3_finalize(statement_);
    statement_ = nullptr;
  }
}

Statement::~Statement() { sqlite3_finalize(statement_); }

Statement& Statement::use() {
  sqlite3_reset(statement_);
  sqlite3_clear_bindings(statement_);
  return *this;
}

Statement& Statement::bind(int index, std::int64_t value) {
  sqlite3_bind_int64(statement_, index, value);
  return *this;
}

Statement& Statement::bind(int index, std::string_view text) {
  sqlite3_bind_text64(statement_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
  return *this;
}

void Statement::finish() { sqlite3_reset(statement_); }

int Statement::step() { return statement_ != nullptr ? sqlite3_step(statement_) : SQLITE_MISUSE; }

std::int64_t Statement::integer(int column) const { return sqlite3_column_int64(statement_, column); }

bool Statement::isNull(int column) const { return sqlite3_column_type(statement_, column) == SQLITE_NULL; }

std::string Statement::text(int column) const {
  const auto* bytes = sqlite3_column_text(statement_, column);
  return bytes != nullptr ? std::string(reinterpret_cast<const char*>(bytes),
                                        static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)))
                          : std::string();
}

}  // namespace tarvo::sqlite
