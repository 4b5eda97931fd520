// The "Room" page: the records list, the house's sixteen previews and "Save to disk".
#include "window/room_page.h"

#include <QHeaderView>
#include <QTreeWidget>

#include "platform/look.h"
#include "platform/picture_area.h"

namespace tarvo {

RoomPage::RoomPage(const SpriteSheets& sheets, QWidget* parent)
    : Page(parent),
      LVrecord(new QTreeWidget(this)),
      BTsaveDisk(look::makeButton(this, QStringLiteral("Save to disk"), QString(), {64, 352, 96, 32})) {
  LVrecord->setGeometry(32, 64, 189, 257);
  LVrecord->setColumnCount(3);
  LVrecord->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Move"), QStringLiteral("Time")});
  LVrecord->setRootIsDecorated(false);
  LVrecord->setUniformRowHeights(true);
  LVrecord->header()->setStretchLastSection(true);
  LVrecord->header()->resizeSection(0, 80);
  LVrecord->header()->resizeSection(1, 44);
  for (int k = 0; k < kMaxRooms; ++k) {
    auto* preview = new PictureArea(sheets, {80, 80}, this);
    preview->move(256 + 80 * (k % 4), 64 + 80 * (k / 4));
    PICpreview[static_cast<std::size_t>(k)] = preview;
  }
}

void RoomPage::showRecords(const RoomRecord& room) {
  LVrecord->clear();
  const auto& names = *room.recNames;
  QList<QTreeWidgetItem*> items;
  for (std::size_t k = 0; k < names.size(); ++k) {
    auto cell = [](const std::vector<std::string>& list, std::size_t i) {
      return i < list.size() ? QString::fromStdString(list[i]) : QString();
    };
    items << new QTreeWidgetItem(QStringList{QString::fromStdString(names[k]), cell(*room.recMoves, k), cell(*room.recTimes, k)});
  }
  LVrecord->addTopLevelItems(items);
}

}  // namespace tarvo
