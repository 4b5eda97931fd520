// The little of SQLite's C interface the progress store uses: a connection and its prepared
// statements, closed and finalised by their owners.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace tarvo::sqlite {

struct CloseConnection {
  void operator()(sqlite3* connection) const;
};
using Connection = std::unique_ptr<sqlite3, CloseConnection>;

// Opens the database file, to read only or to write (creating it when missing); the result code
// is SQLite's.
enum class Access { Read, Write };
Connection open(const std::string& path, Access access, int& resultCode);

// Runs SQL that returns no rows; SQLite's result code.
int execute(sqlite3* connection, const char* sql);

// SQLite's message for the connection's last failure.
std::string lastError(sqlite3* connection);

// A prepared statement, reset and unbound before each use.
class Statement {
 public:
  Statement(sqlite3* connection, const char* sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  bool ok() const { return statement_ != nullptr; }
  // Starts a use: the bindings and the rows of the last one go.
  Statement& use();
  Statement& bind(int index, std::int64_t value);
  Statement& bind(int index, std::string_view text);
  // SQLITE_ROW, SQLITE_DONE or an error code.
  int step();
  std::int64_t integer(int column) const;
  bool isNull(int column) const;
  std::string text(int column) const;
  // Ends the use: a statement left on a row would hold its read transaction open.
  void finish();

 private:
  sqlite3_stmt* statement_ = nullptr;
};

}  // namespace tarvo::sqlite
