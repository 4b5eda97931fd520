// The records of a room, read in place from the text they share.
#include "rules/records.h"

#include <algorithm>
#include <cstring>

namespace tarvo {

namespace {

// Records made in play are small: they share blocks of this size.
constexpr std::size_t kBlockBytes = std::size_t{1} << 16;

}  // namespace

RecordText::RecordText(std::unique_ptr<char[]> bytes, std::size_t size) : first_(bytes.get(), size) {
  blocks_.push_back(std::move(bytes));
}

char* RecordText::room(std::size_t most) {
  if (most > freeBytes_) {
    const std::size_t size = std::max(kBlockBytes, most);
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(size));
    free_ = blocks_.back().get();
    freeBytes_ = size;
  }
  return free_;
}

const char* RecordText::keep(std::string_view bytes) {
  char* kept = room(bytes.size());
  if (!bytes.empty()) std::memcpy(kept, bytes.data(), bytes.size());
  keepWritten(bytes.size());
  return kept;
}

RecordList::Record RecordList::operator[](std::size_t k) const {
  const Entry& entry = entries_[k];
  std::string_view fields[kFields];
  std::uint32_t from = 0;
  for (std::size_t f = 0; f < kFields; ++f) {
    fields[f] = std::string_view(entry.start + from, entry.ends[f] - from);
    from = entry.ends[f] + 1;  // past the TAB
  }
  return Record{fields[0], fields[1], fields[2], fields[3]};
}

void RecordList::add(const Record& record) {
  std::string line;
  FieldEnds ends{};
  std::size_t f = 0;
  for (std::string_view field : {record.name, record.moves, record.time, record.solution}) {
    if (f > 0) line.push_back('\t');
    line.append(field);
    ends[f++] = static_cast<std::uint32_t>(line.size());
  }
  addInPlace(text_->keep(line), ends);
}

std::shared_ptr<RecordList> RecordList::kept(const std::vector<std::size_t>& places) const {
  auto list = std::make_shared<RecordList>(text_);
  list->reserve(places.size());
  for (std::size_t k : places) list->entries_.push_back(entries_[k]);
  return list;
}

std::size_t RecordList::textSize() const {
  std::size_t bytes = 0;
  for (const Entry& entry : entries_) bytes += entry.ends[kFields - 1] + 1;
  return bytes;
}

bool RecordList::operator==(const RecordList& other) const {
  if (size() != other.size()) return false;
  for (std::size_t k = 0; k < size(); ++k) {
    const Record a = (*this)[k];
    const Record b = other[k];
    if (a.name != b.name || a.moves != b.moves || a.time != b.time || a.solution != b.solution) return false;
  }
  return true;
}

}  // namespace tarvo
