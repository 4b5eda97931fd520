// Opening and saving the house in play as a house file or a room collection.
#include "roomtext/house_files.h"

#include "house/house_writer.h"
#include "rules/cp1252.h"

namespace tarvo {

OpenedFile readHouseOrCollection(const std::string& path, HouseRecord& house) {
  OpenedFile opened;
  opened.collection = isCollectionFileName(path);
  opened.result = opened.collection ? readRoomCollectionFile(path, opened.rooms) : readHouseFile(path, house);
  return opened;
}

HouseRecord houseOfChosenRooms(const RoomCollection& rooms, const std::vector<std::size_t>& places,
                               std::string_view name) {
  return houseOfCollection(rooms, places, replaceUnholdable(name, '_'));
}

SaveResult saveHouseOrCollection(const std::string& path, const HouseRecord& house) {
  if (isCollectionFileName(path)) return saveFileSafely(path, writeRoomCollection(house));
  const std::string bytes = writeHouse(house);
  // A file the game cannot open again would take the place of one it can.
  if (const std::optional<std::string> problem = whyNotReadBack(house, bytes.size())) {
    return SaveResult{false, kSaveUnreadable, *problem};
  }
  return saveFileSafely(path, bytes);
}

}  // namespace tarvo
