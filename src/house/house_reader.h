// Reading a house file into the house record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "rules/room.h"

namespace tarvo {

struct HouseReadResult {
  enum class Status {
    Ok,
    NotAHouse,    // the first line is not the header: nothing was read
    Invalid,      // a line breaks the format
    CannotOpen,   // the file could not be read at all: missing, not a regular file, too large
    OutOfMemory,  // the house did not fit in memory
    Stopped,      // the read was stopped before its end (ReadWatch)
  };
  Status status = Status::Ok;
  int line = 0;         // 1-based line of the problem, 0 when no line is concerned
  std::string problem;  // what is wrong, for the user; when Ok, what was left out (a last record cut short)

  bool ok() const { return status == Status::Ok; }
  // "line 12: ..." or the problem alone.
  std::string describe() const;
};

// The largest house file read: room for 16 rooms full of records (below) of over 150 bytes
// each, while a wrong choice of file (a disk image, a film) is refused without being read.
inline constexpr std::size_t kMaxHouseFileBytes = std::size_t{64} << 20;

// The reader refuses a house of more than kMaxHouseRecords records (rules/room.h).

// Reads a house from the file's bytes (Windows-1252 text; lines end at LF, a CR just before
// the LF, or at the very end of the file, is dropped). On success the house holds the file's
// rooms, room 1 is current, and every room has new record lists; rooms past the count keep
// their cells. On any failure (running out of memory included) the house is left exactly as
// it was, lists included. Messages quote at most 60 characters of a value from the file. A file
// cut inside its last record (its last line a record without its line end, lacking a field or,
// without its final TAB, with fewer steps than moves) is read without that record, the result
// saying so.
HouseReadResult readHouse(std::string_view bytes, HouseRecord& house);

// The same on bytes the reader takes over (a file's, read whole): the records read stay in them.
HouseReadResult readHouseBytes(std::unique_ptr<char[]> bytes, std::size_t size, HouseRecord& house);

// The same from a file. Only a regular file of at most kMaxHouseFileBytes is read; anything
// else is refused without being read (a FIFO does not block), and a file that cannot be read
// gets the system's reason. The path is quoted whole in the message.
HouseReadResult readHouseFile(const std::string& path, HouseRecord& house);

}  // namespace tarvo
