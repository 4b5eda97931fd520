// The "Room" page: the record list, the house's sixteen previews and "Save to disk".
#pragma once

#include <array>

#include "platform/page.h"
#include "rules/room.h"
#include "window/page_context.h"

class QPushButton;
class QTreeView;

namespace tarvo {

class PictureArea;
class RecordListModel;

class RoomPage : public Page {
  Q_OBJECT

 public:
  RoomPage(PageContext context, QWidget* parent);

  // Paints the previews of the house's rooms; those past the room count keep what they showed.
  void drawPreviews();
  // Paints the preview of one place (0..15) of the house.
  void drawPreview(int slot);

 private:
  void PICpreview_MouseUp(int index);
  void BTsaveDisk_Click();

  PageContext context_;
  RecordListModel* records_;
  QTreeView* LVrecord;
  QPushButton* BTsaveDisk;
  std::array<PictureArea*, kMaxRooms> PICpreview{};
};

}  // namespace tarvo
