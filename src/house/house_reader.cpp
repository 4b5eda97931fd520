// Reading a house file into the house record.
#include "house/house_reader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <optional>
#include <stdexcept>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "house/file_bytes.h"
#include "house/house_format.h"
#include "rules/cp1252.h"
#include "rules/room_text.h"
#include "rules/text_numbers.h"

namespace tarvo {

namespace {

using namespace house_format;

// What one pass over a record line finds.
struct RecordScan {
  RecordList::FieldEnds ends{};  // where its first four fields end (the fourth at the end of
                                 // the line when no TAB follows it)
  std::size_t tabs = 0;          // how many of those four TABs there are
  bool ascii = true;             // the four fields hold only ASCII
};

// Hands out the lines of the file one by one, counting them.
class LineReader {
 public:
  explicit LineReader(std::string_view bytes) : rest_(bytes) {}

  bool next(std::string_view& line) {
    if (rest_.empty()) return false;
    const void* lf = std::memchr(rest_.data(), '\n', rest_.size());
    line = take(lf != nullptr ? static_cast<std::size_t>(static_cast<const char*>(lf) - rest_.data()) : rest_.size());
    return true;
  }

  // The next line as a record line, in one pass over its bytes rather than one for its end and
  // more for its fields: every record line of a house comes through here.
  bool nextRecord(std::string_view& line, RecordScan& scan);

  int number() const { return number_; }
  std::size_t bytesLeft() const { return rest_.size(); }
  // How many more bytes the writer's CR LF line ends take than the lines handed out had.
  std::int64_t lineEndGrowth() const { return lineEndGrowth_; }
  // Whether the line handed out last ended with its LF, as every line but a last one must.
  bool lineEnded() const { return lineEnded_; }

 private:
  // The line that ends at `lineEnd` (its LF, or the end of the bytes), without its CR: a last
  // line whose LF was lost reads as if it had its whole CR LF.
  std::string_view take(std::size_t lineEnd) {
    ++number_;
    const std::size_t length = lineEnd > 0 && rest_[lineEnd - 1] == '\r' ? lineEnd - 1 : lineEnd;
    const std::string_view line = rest_.substr(0, length);
    lineEnded_ = lineEnd < rest_.size();
    lineEndGrowth_ += 2 - static_cast<std::int64_t>(lineEnd - length) - (lineEnded_ ? 1 : 0);
    rest_.remove_prefix(std::min(lineEnd + 1, rest_.size()));
    return line;
  }

  std::string_view rest_;
  int number_ = 0;
  bool lineEnded_ = true;
  std::int64_t lineEndGrowth_ = 0;
};

bool LineReader::nextRecord(std::string_view& line, RecordScan& scan) {
  if (rest_.empty()) return false;
  const char* data = rest_.data();
  const std::size_t size = rest_.size();
  RecordList::FieldEnds& ends = scan.ends;
  std::size_t& tabs = scan.tabs;
  tabs = 0;
  std::size_t i = 0;
  std::size_t lineEnd = size;
  unsigned high = 0;  // any byte above 0x7F in the fields
#if defined(__SSE2__)
  // Sixteen bytes at a time: the LF, the TABs and the bytes above 0x7F as bit masks.
  const __m128i lfs = _mm_set1_epi8('\n');
  const __m128i tabBytes = _mm_set1_epi8('\t');
  for (; i + 16 <= size; i += 16) {
    const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
    const auto lf = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, lfs)));
    const unsigned inLine = lf != 0 ? (1u << __builtin_ctz(lf)) - 1 : 0xFFFFu;
    auto tabsHere = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, tabBytes))) & inLine;
    unsigned highs = static_cast<unsigned>(_mm_movemask_epi8(chunk)) & inLine;
    while (tabsHere != 0 && tabs < ends.size()) {
      const auto bit = static_cast<unsigned>(__builtin_ctz(tabsHere));
      tabsHere &= tabsHere - 1;
      ends[tabs++] = static_cast<std::uint32_t>(i + bit);
      if (tabs == ends.size()) highs &= (1u << bit) - 1;  // the bytes after the fourth TAB belong to no field
    }
    high |= highs;
    if (lf != 0) {
      lineEnd = i + static_cast<std::size_t>(__builtin_ctz(lf));
      i = size;
      break;
    }
    if (tabs == ends.size()) {
      i += 16;
      break;
    }
  }
#endif
  for (; i < size; ++i) {
    const char c = data[i];
    if (c == '\n') {
      lineEnd = i;
      break;
    }
    if (tabs == ends.size()) {
      // The fields are found: only the end of the line is left.
      const void* lf = std::memchr(data + i, '\n', size - i);
      lineEnd = lf != nullptr ? static_cast<std::size_t>(static_cast<const char*>(lf) - data) : size;
      break;
    }
    if (c == '\t') {
      ends[tabs++] = static_cast<std::uint32_t>(i);
    } else {
      high |= static_cast<unsigned char>(c) & 0x80u;
    }
  }
  line = take(lineEnd);
  if (tabs == ends.size() - 1) ends[3] = static_cast<std::uint32_t>(line.size());
  scan.ascii = high == 0;
  return true;
}

// The value of a labelled line: the text after the first ":", or the whole line.
std::string_view valueOf(std::string_view line) {
  std::size_t colon = line.find(':');
  return colon == std::string_view::npos ? line : line.substr(colon + 1);
}

std::string roomName(int position) { return "room " + std::to_string(position + 1); }

class Reader {
 public:
  // Reads the bytes taken over by `text`, where the records read stay.
  explicit Reader(std::shared_ptr<RecordText> text)
      : lines_(text->first()), text_(std::move(text)), bytes_(lines_.bytesLeft()) {}

  HouseReadResult read(HouseRecord& house) {
    std::string_view line;
    if (!lines_.next(line) || line != kHeader) {
      return {HouseReadResult::Status::NotAHouse, 1,
              "the first line is not \"" + std::string(kHeader) + "\", so this is not a house file"};
    }
    // Work on a copy so that a failure leaves the house and its shared lists untouched.
    HouseRecord next = house;
    for (RoomRecord& room : next.rooms) room.giveFreshLists();
    if (!readAfterHeader(next)) return error_;
    // The writer writes what it read in its own form, which may take more bytes: a house it could
    // not write back as a file the reader takes is refused now, not at its next save.
    const std::int64_t written =
        static_cast<std::int64_t>(bytes_) + lines_.lineEndGrowth() + growth_ + kHeadSlack + kRoomSlack * next.roomCount;
    if (written > static_cast<std::int64_t>(kMaxHouseFileBytes)) {
      return {HouseReadResult::Status::Invalid, 0,
              "written back, this house would take more than the " + std::to_string(kMaxHouseFileBytes >> 20) +
                  " MiB a house file may take, so it could not be saved"};
    }
    house = std::move(next);
    return error_;  // Ok, maybe with what was left out
  }

 private:
  bool need(std::string_view& line, const std::string& what) {
    if (lines_.next(line)) return true;
    return endsEarly(what);
  }

  bool endsEarly(const std::string& what) {
    error_ = {HouseReadResult::Status::Invalid, lines_.number() + 1, "the file ends where " + what + " should be"};
    return false;
  }

  bool fail(std::string problem) {
    error_ = {HouseReadResult::Status::Invalid, lines_.number(), std::move(problem)};
    return false;
  }

  bool readAfterHeader(HouseRecord& next) {
    std::string_view line;
    if (!need(line, "the version line") || !need(line, "the house name")) return false;
    next.houseName = cp1252ToUtf8(valueOf(line));
    if (!need(line, "the number of rooms")) return false;
    std::optional<std::int64_t> count = parseCount(valueOf(line));
    if (!count) return fail("the number of rooms " + quotedValue(valueOf(line)) + " is not a whole number");
    if (*count < 1 || *count > kMaxRooms) {
      return fail("the number of rooms is " + shownValue(trimBlanks(valueOf(line))) + "; a house holds 1 to " +
                  std::to_string(kMaxRooms) + " rooms");
    }
    next.roomCount = static_cast<std::int32_t>(*count);
    next.currentRoom = 1;
    for (int r = 0; r < next.roomCount; ++r) {
      if (!readRoom(next.rooms[static_cast<std::size_t>(r)], r)) return false;
    }
    return true;
  }

  bool readRoom(RoomRecord& room, int position) {
    const std::string name = roomName(position);
    std::string_view line;
    if (!need(line, "the separator line of " + name)) return false;
    RowBuffer rows;
    for (int row = 0; row < kRows; ++row) {
      if (!need(line, "row " + std::to_string(row + 1) + " of " + name)) return false;
      rows[static_cast<std::size_t>(row)] = std::string(line.substr(0, kColumns));
      growth_ += kColumns - static_cast<std::int64_t>(line.size());  // written ten cells long
    }
    parseRoomRows(room, rows);
    if (!need(line, "the forbidden places of " + name)) return false;
    if (auto error = parsePlaceList(room, valueOf(line))) return fail(name + ": " + error->problem);
    if (!need(line, "the forbidden couples of " + name)) return false;
    if (auto error = parseCoupleList(room, valueOf(line))) return fail(name + ": " + error->problem);
    if (!need(line, "the number of records of " + name)) return false;
    std::optional<std::int64_t> count = parseCount(valueOf(line));
    if (!count) {
      return fail("the number of records of " + name + " " + quotedValue(valueOf(line)) + " is not a whole number");
    }
    if (*count > kMaxHouseRecords - records_) {
      return fail(name + " has " + shownValue(trimBlanks(valueOf(line))) + " records; a house holds at most " +
                  std::to_string(kMaxHouseRecords) + " records in all");
    }
    if (*count > 0) records_ += *count;
    return readRecords(room, name, *count);
  }

  bool readRecords(RoomRecord& room, const std::string& name, std::int64_t count) {
    if (count <= 0) return true;
    // Every record line takes at least four bytes, which bounds what a wild count reserves.
    const std::size_t bytesLeft = lines_.bytesLeft();
    const auto expected =
        static_cast<std::size_t>(std::min<std::int64_t>(count, static_cast<std::int64_t>(bytesLeft / 4 + 1)));
    room.records = std::make_shared<RecordList>(text_);
    RecordList& records = *room.records;
    records.reserve(expected);
    std::string_view line;
    for (std::int64_t k = 1; k <= count; ++k) {
      // The description is built only when it is needed: this runs for every record line.
      RecordScan scan;
      if (!lines_.nextRecord(line, scan)) {
        return endsEarly("record " + std::to_string(k) + " of " + std::to_string(count) + " of " + name);
      }
      if (line.size() > std::numeric_limits<std::uint32_t>::max()) {
        return fail("record " + std::to_string(k) + " of " + name + " is longer than 4 GiB");
      }
      // A file cut inside its last record leaves it out rather than keep a solution that stops short.
      if (k == count && lines_.bytesLeft() == 0 && isCutShort(line, scan)) {
        error_ = {HouseReadResult::Status::Ok, lines_.number(), "the last record is cut short: it is left out"};
        return true;
      }
      if (scan.tabs + 1 < RecordList::kFields) {
        return fail("record " + std::to_string(k) + " of " + name + " has fewer than four TAB-separated fields");
      }
      RecordList::FieldEnds& ends = scan.ends;
      // Written as four fields, each ended by a TAB.
      growth_ += static_cast<std::int64_t>(ends[3]) + 1 - static_cast<std::int64_t>(line.size());
      // A line in ASCII is its own UTF-8 and stays where it was read; another is converted
      // straight into the text, field by field (a TAB is the same in both codes), the solution
      // copied as it is when it is ASCII, as it usually is.
      if (scan.ascii) {
        records.addInPlace(line.data(), ends);
        continue;
      }
      const std::size_t at = ends[2] + 1;
      const std::size_t end = ends[3];
      const std::string_view solution = line.substr(at, end - at);
      char* const start = text_->room(utf8Bound(end));
      char* out = putCp1252AsUtf8(start, line.substr(0, at));  // the short fields, each with its TAB
      const auto shortBytes = static_cast<std::size_t>(out - start);
      for (std::size_t i = 0, tab = 0; i < shortBytes; ++i) {
        if (start[i] == '\t') ends[tab++] = static_cast<std::uint32_t>(i);
      }
      if (isAscii(solution)) {
        std::memcpy(out, solution.data(), solution.size());
        out += solution.size();
      } else {
        out = putCp1252AsUtf8(out, solution);
      }
      ends[3] = static_cast<std::uint32_t>(out - start);
      text_->keepWritten(static_cast<std::size_t>(out - start));
      records.addInPlace(start, ends);
    }
    return true;
  }

  // A file cut inside its last record: the line has no line end, and lacks a field or, without
  // the TAB that ends a whole record, has fewer steps than moves. A whole record without its TAB
  // and line end, as older files may end, is no cut, and neither is a line with its line end.
  bool isCutShort(std::string_view line, const RecordScan& scan) const {
    if (lines_.lineEnded() || scan.tabs == scan.ends.size()) return false;
    if (scan.tabs + 1 < RecordList::kFields) return true;
    const std::optional<std::int64_t> moves =
        parseCount(line.substr(scan.ends[0] + 1, scan.ends[1] - scan.ends[0] - 1));
    const std::size_t steps = scan.ends[3] - scan.ends[2] - 1;
    return moves && *moves > 0 && static_cast<std::uint64_t>(*moves) > steps;
  }

  // What the writer may write beyond the lines as they were read, other than line ends, row
  // lengths and record TABs: labels a line lacked, rewritten separators, the version line.
  static constexpr std::int64_t kHeadSlack = 256;
  static constexpr std::int64_t kRoomSlack = 256;

  LineReader lines_;
  std::shared_ptr<RecordText> text_;
  std::size_t bytes_;        // of the file
  std::int64_t growth_ = 0;  // how many more bytes its rows and records take as written
  HouseReadResult error_;
  std::int64_t records_ = 0;  // in the rooms read so far
};

}  // namespace

std::string HouseReadResult::describe() const {
  return line > 0 ? "line " + std::to_string(line) + ": " + problem : problem;
}

namespace {

HouseReadResult outOfMemory() {
  return {HouseReadResult::Status::OutOfMemory, 0, "there is not enough memory to read this house"};
}

}  // namespace

HouseReadResult readHouseBytes(std::unique_ptr<char[]> bytes, std::size_t size, HouseRecord& house) {
  // The house is built on a copy and only moved into place at the end, so an allocation that
  // fails on the way leaves the house in play as it was.
  try {
    return Reader(std::make_shared<RecordText>(std::move(bytes), size)).read(house);
  } catch (const std::bad_alloc&) {
    return outOfMemory();
  } catch (const std::length_error&) {
    return outOfMemory();
  }
}

HouseReadResult readHouse(std::string_view bytes, HouseRecord& house) {
  try {
    auto copy = std::make_unique_for_overwrite<char[]>(bytes.size());
    if (!bytes.empty()) std::memcpy(copy.get(), bytes.data(), bytes.size());
    return readHouseBytes(std::move(copy), bytes.size(), house);
  } catch (const std::bad_alloc&) {
    return outOfMemory();
  }
}

HouseReadResult readHouseFile(const std::string& path, HouseRecord& house) {
  using Outcome = FileBytes::Outcome;
  const auto refused = [](std::string problem) {
    return HouseReadResult{HouseReadResult::Status::CannotOpen, 0, std::move(problem)};
  };
  try {
    FileBytes bytes;
    std::string reason;
    switch (bytes.read(path, kMaxHouseFileBytes, reason)) {
      case Outcome::Read: {
        const std::size_t size = bytes.view().size();
        return readHouseBytes(bytes.release(), size, house);
      }
      case Outcome::CannotOpen: return refused("cannot read " + path + ": " + reason);
      case Outcome::NotAFile: return refused(path + " is " + reason + ", not a house file");
      case Outcome::TooLarge:
        return refused(path + " is larger than a house file can be (" + std::to_string(kMaxHouseFileBytes >> 20) +
                       " MiB)");
    }
    return refused("cannot read " + path);
  } catch (const std::bad_alloc&) {
    return outOfMemory();
  } catch (const std::length_error&) {
    return outOfMemory();
  }
}

}  // namespace tarvo
