// Opening and saving the house in play as a file: a house file, or a room collection when the
// name ends in ".txt". The window's open command, a dropped file and "Save to disk" go
// through these.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "house/file_save.h"
#include "house/house_reader.h"
#include "house/read_watch.h"
#include "roomtext/room_collection.h"
#include "rules/room.h"

namespace tarvo {

// How a house file begins, whatever its name.
inline constexpr std::string_view kHouseFileStart = "HOUSE FILE";

struct OpenedFile {
  enum class Kind { House, Collection, Unknown };
  HouseReadResult result;
  Kind kind = Kind::Unknown;                    // what the file was read as; Unknown when it could not be read
  std::shared_ptr<const RoomCollection> rooms;  // a collection's rooms to choose from

  bool collection() const { return kind == Kind::Collection; }
};

// Reads the file at `path` by its name, or else by what it holds: a name ending in ".hou" (in
// any case), or a file that begins with "HOUSE FILE", is a house file, read into `house` (rooms
// past its count keep what `house` held, as a house read leaves them); a name ending in ".txt",
// or any other file, is a collection, read into the result's rooms and leaving `house` alone.
// On any failure `house` is left as it was. A watch, when given, follows a collection's read and
// may stop any read (the result's status is then Stopped).
OpenedFile readHouseOrCollection(const std::string& path, HouseRecord& house, ReadWatch* watch = nullptr);

// The house made of the collection's rooms at `places`, in that order: no records, room 1
// current, named `name` with every character a house file cannot hold made "_".
// Precondition: 1 to kMaxRooms places, each naming a room that can be taken.
HouseRecord houseOfChosenRooms(const RoomCollection& rooms, const std::vector<std::size_t>& places,
                               std::string_view name);

// What a save writes: a house file, or the house's rooms as a collection.
enum class SavedAs { House, Collection };

// What a name asks for: a name ending in ".txt" a collection, one ending in ".hou" a house file
// (in any case), and any other name what the player chose in the dialog.
SavedAs savedAsOfName(std::string_view name, SavedAs chosen);

// Writes the house to `path` with saveFileSafely, as `as` says; a house file is not written at
// all (kSaveUnreadable) when the reader would refuse it.
SaveResult saveHouseOrCollection(const std::string& path, const HouseRecord& house, SavedAs as);

}  // namespace tarvo
