// The "Room" page: the records list, the house's sixteen previews and "Save to disk".
#pragma once

#include <array>

#include "platform/page.h"
#include "rules/room.h"

class QPushButton;
class QTreeWidget;

namespace tarvo {

class PictureArea;
class SpriteSheets;

class RoomPage : public Page {
  Q_OBJECT

 public:
  RoomPage(const SpriteSheets& sheets, QWidget* parent);

  // Lists a room's records: name, moves and time.
  void showRecords(const RoomRecord& room);

  QTreeWidget* LVrecord;
  QPushButton* BTsaveDisk;
  std::array<PictureArea*, kMaxRooms> PICpreview{};
};

}  // namespace tarvo
