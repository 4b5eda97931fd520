// The "Room" page: the record list, the house's sixteen previews with the marks of the rooms the
// player has solved, and "Save to disk".
#pragma once

#include <array>
#include <string>

#include "platform/page.h"
#include "platform/zoom.h"
#include "rules/room.h"
#include "window/page_context.h"

class QLabel;
class QModelIndex;
class QPoint;
class QPushButton;
class QSortFilterProxyModel;
class QTreeView;

namespace tarvo {

class PictureArea;
class RecordListModel;
class SolvedMark;
struct RoomStoredNews;

class RoomPage : public Page, public Zoomable {
  Q_OBJECT

 public:
  RoomPage(PageContext context, QWidget* parent);
  // The record list's columns widen with the zoom.
  void zoomTo(int factor) override;

 signals:
  // A record was chosen to be replayed on room `number` of the house.
  void recordChosen(int number, const std::string& solution);

 protected:
  // The keys of the previews (arrows between them, Enter lists a room's records) and of the record
  // list (Enter replays the record).
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The record list's columns at the window's zoom: the numbers fit, the name takes the rest.
  void fitRecordColumns();
  // Another house: its previews, and no records, as those listed were another house's.
  void showHouse();
  // Paints the previews of the house's rooms; those past the room count keep what they showed.
  void drawPreviews();
  // Paints the preview of one place (0..15) of the house.
  void drawPreview(int slot);
  // A room was stored: its preview, and its records if they are listed, as a store may have
  // dropped some.
  void showStoredRoom(const RoomStoredNews& news);
  void PICpreview_MouseUp(int index);
  void LVrecord_DblClick(const QModelIndex& index);
  void BTsaveDisk_Click();
  // Each preview's mark and tooltip: what the player did with its room.
  void showProgress();
  // The player's solutions of the listed room that it holds no record of become its records.
  void addMySolutions();
  // Ctrl+C on a record: its steps as text.
  void copySteps();
  void showRecordMenu(const QPoint& at);
  void tell(const QString& text);

  PageContext context_;
  RecordListModel* records_;
  QSortFilterProxyModel* sorted_;  // the rows as the header's click orders them; made order first
  QLabel* listed_;                 // which room the list lists
  QTreeView* LVrecord;
  int listedSlot_ = -1;  // the place (0..15) whose records are listed
  QLabel* roomStatus_;   // what the list's commands did
  QPushButton* BTsaveDisk;
  std::array<PictureArea*, kMaxRooms> PICpreview{};
  std::array<SolvedMark*, kMaxRooms> solvedMarks_{};
};

}  // namespace tarvo
