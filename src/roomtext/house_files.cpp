// Opening and saving the house in play as a house file or a room collection.
#include "roomtext/house_files.h"

#include <algorithm>
#include <cctype>

#include "house/file_bytes.h"
#include "house/house_writer.h"
#include "rules/cp1252.h"

namespace tarvo {

namespace {

bool endsWithIgnoringCase(std::string_view name, std::string_view lowerEnd) {
  return name.size() >= lowerEnd.size() &&
         std::equal(lowerEnd.begin(), lowerEnd.end(), name.end() - static_cast<std::ptrdiff_t>(lowerEnd.size()),
                    [](char lower, char c) { return std::tolower(static_cast<unsigned char>(c)) == lower; });
}

// A file of another name, read whole and then as what its first line says it is.
OpenedFile readByContent(const std::string& path, HouseRecord& house, ReadWatch* watch) {
  using Outcome = FileBytes::Outcome;
  OpenedFile opened;
  const auto refused = [&](HouseReadResult::Status status, std::string problem) {
    opened.result = HouseReadResult{status, 0, std::move(problem)};
    return opened;
  };
  const std::size_t most = std::max(kMaxHouseFileBytes, kMaxCollectionFileBytes);
  try {
    FileBytes bytes;
    std::string reason;
    switch (bytes.read(path, most, reason)) {
      case Outcome::Read: break;
      case Outcome::CannotOpen:
        return refused(HouseReadResult::Status::CannotOpen, "cannot read " + path + ": " + reason);
      case Outcome::NotAFile:
        return refused(HouseReadResult::Status::CannotOpen,
                       path + " is " + reason + ", not a house file nor a room collection");
      case Outcome::TooLarge:
        return refused(
            HouseReadResult::Status::CannotOpen,
            path + " is larger than a house file or a room collection can be (" + std::to_string(most >> 20) + " MiB)");
    }
    const std::size_t size = bytes.view().size();
    if (bytes.view().starts_with(kHouseFileStart)) {
      opened.kind = OpenedFile::Kind::House;
      opened.result = readHouseBytes(bytes.release(), size, house);
      return opened;
    }
    if (watch != nullptr) watch->total = size;
    auto rooms = std::make_shared<const RoomCollection>(bytes.release(), size, watch);
    if (rooms->stopped()) return refused(HouseReadResult::Status::Stopped, "the read was stopped");
    if (rooms->empty()) {
      return refused(HouseReadResult::Status::Invalid,
                     "it is neither a house file nor a room collection: it holds no room");
    }
    opened.kind = OpenedFile::Kind::Collection;
    opened.rooms = std::move(rooms);
    return opened;
  } catch (const std::bad_alloc&) {
    return refused(HouseReadResult::Status::OutOfMemory, "the file does not fit in memory");
  }
}

}  // namespace

OpenedFile readHouseOrCollection(const std::string& path, HouseRecord& house, ReadWatch* watch) {
  OpenedFile opened;
  if (endsWithIgnoringCase(path, ".hou")) {
    opened.kind = OpenedFile::Kind::House;
    opened.result = readHouseFile(path, house);
  } else if (isCollectionFileName(path)) {
    opened.kind = OpenedFile::Kind::Collection;
    opened.result = readRoomCollectionFile(path, opened.rooms, watch);
  } else {
    opened = readByContent(path, house, watch);
  }
  // A house reads too quickly to stop halfway; one read while the player stopped it is dropped.
  if (watch != nullptr && watch->stop) opened.result = {HouseReadResult::Status::Stopped, 0, "the read was stopped"};
  return opened;
}

HouseRecord houseOfChosenRooms(const RoomCollection& rooms, const std::vector<std::size_t>& places,
                               std::string_view name) {
  return houseOfCollection(rooms, places, replaceUnholdable(name, '_'));
}

SavedAs savedAsOfName(std::string_view name, SavedAs chosen) {
  if (isCollectionFileName(name)) return SavedAs::Collection;
  if (endsWithIgnoringCase(name, ".hou")) return SavedAs::House;
  return chosen;
}

SaveResult saveHouseOrCollection(const std::string& path, const HouseRecord& house, SavedAs as) {
  if (as == SavedAs::Collection) return saveFileSafely(path, writeRoomCollection(house));
  const std::string bytes = writeHouse(house);
  // A file the game cannot open again would take the place of one it can.
  if (const std::optional<std::string> problem = whyNotReadBack(house, bytes.size())) {
    return SaveResult{false, kSaveUnreadable, *problem};
  }
  return saveFileSafely(path, bytes);
}

}  // namespace tarvo
