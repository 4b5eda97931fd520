// The records of a room: who solved it, in how many moves and how long, and the solution.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// One record's fields, as UTF-8 text.
struct RecordFields {
  std::string name;
  std::string moves;  // decimal text
  std::string time;   // "nn:ss"
  std::string solution;
};

// Bytes that records point into, which never move while the text lives: a house read keeps the
// file's bytes here, so that its records are read without a copy, and records made later are
// kept at the end.
class RecordText {
 public:
  RecordText() = default;
  // Takes over a buffer whose first `size` bytes are text, such as a file read.
  RecordText(std::unique_ptr<char[]> bytes, std::size_t size);
  RecordText(const RecordText&) = delete;
  RecordText& operator=(const RecordText&) = delete;

  // The bytes of the buffer taken over; empty for a text that began empty.
  std::string_view first() const { return first_; }
  // Copies the bytes in; they stay where they are as long as the text lives.
  const char* keep(std::string_view bytes);
  // Room for up to `most` bytes at the end, to be written in place and then kept with
  // keepWritten(the bytes written).
  char* room(std::size_t most);
  void keepWritten(std::size_t bytes) {
    free_ += bytes;
    freeBytes_ -= bytes;
  }

 private:
  std::vector<std::unique_ptr<char[]>> blocks_;
  std::string_view first_;
  char* free_ = nullptr;  // in the last block
  std::size_t freeBytes_ = 0;
};

// The records of one room, in the order they were made. Each record is a place in a RecordText,
// which lists may share (the rooms of a house read share its file's bytes): its four fields end
// to end, a TAB between them, as on a house file's record line.
class RecordList {
 public:
  // A record's fields, valid as long as the list's text lives.
  struct Record {
    std::string_view name;
    std::string_view moves;
    std::string_view time;
    std::string_view solution;
  };
  static constexpr std::size_t kFields = 4;
  // Where each field of a record ends, counted from the start of its first field.
  using FieldEnds = std::array<std::uint32_t, kFields>;

  RecordList() : text_(std::make_shared<RecordText>()) {}
  explicit RecordList(std::shared_ptr<RecordText> text) : text_(std::move(text)) {}

  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  // Precondition: k < size().
  Record operator[](std::size_t k) const;
  // Copies the fields into the list's text. Each record is shorter than 4 GiB.
  void add(const Record& record);
  void add(const RecordFields& fields) { add(Record{fields.name, fields.moves, fields.time, fields.solution}); }
  // Adds a record whose fields already lie in the list's text from `start`, ending at `ends`
  // with a TAB after each of the first three: a reader's record line, read in place.
  void addInPlace(const char* start, const FieldEnds& ends) { entries_.push_back(Entry{start, ends}); }
  // A new list of the records at the given places, sharing this list's text.
  std::shared_ptr<RecordList> kept(const std::vector<std::size_t>& places) const;
  void reserve(std::size_t records) { entries_.reserve(records); }
  // The bytes the records take, fields and TABs, for a writer's estimate.
  std::size_t textSize() const;
  const std::shared_ptr<RecordText>& text() const { return text_; }

  // The same records, wherever their text lies.
  bool operator==(const RecordList& other) const;

 private:
  struct Entry {
    const char* start;
    FieldEnds ends;
  };

  std::shared_ptr<RecordText> text_;
  std::vector<Entry> entries_;
};

}  // namespace tarvo
