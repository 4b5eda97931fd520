// The "Help Info" sub-page: the tree of a room's forbidden places and couples, the help board
// where they are edited, the suggested places, the room choice and the store, with their handlers.
#pragma once

#include <QPoint>

#include "help/help_edits.h"
#include "platform/page.h"
#include "window/page_context.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tarvo {

struct HelpNode;
struct RoomStoredNews;
class PictureArea;

class HelpPage : public Page {
  Q_OBJECT

 public:
  HelpPage(PageContext context, QWidget* parent);

  // The "Option" tab: the current room as stored, unsaved edits of its lists dropped.
  void showForEditing();
  // The "Help Info" tab after another sub-page: the current room, with the lists as they were
  // left while it is still the room they were made for.
  void showAgain();
  // The help page's room, with its lists not saved yet and its marks.
  const WorkingRoom& workingRoom() const { return room_; }

 protected:
  // The Delete key's release on the tree.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void TVhelp_NodeClick(QTreeWidgetItem* node);
  void TVhelp_KeyUp();
  void PIChelp_MouseDown(Qt::MouseButton button, QPoint position);
  void BThelpMoins_Click();
  void BThelpPlus_Click();
  void BThelpSave_Click();
  void BThelpSuggest_Click();
  // The tree follows an edit of the lists: a node for an added place or couple, none for a
  // removed place.
  void showHelpEdit(const HelpEdit& edit);
  QTreeWidgetItem* addNode(const HelpNode& node);
  QTreeWidgetItem* selectedNode() const;
  void redrawBoard();
  void showStatus(const QString& refusal = QString());
  // Rebuilds the tree and the board for the help page's room, which loses its marks.
  void fillHelpTree();
  // Another house: the lists being made belonged to a room of the one before.
  void houseReplaced();
  // Another page stored a room: the help page's room of it takes the stored cells and follows
  // with its lists.
  void roomStored(const RoomStoredNews& news);
  const HouseRecord& house() const;

  PageContext context_;
  WorkingRoom room_;             // the stored room as the help page shows it, its lists being edited
  PendingCouple pendingCouple_;  // the first cell of a couple being picked
  QString note_;                 // for the line under the tree when the page next shows
  QTreeWidget* TVhelp;
  PictureArea* PIChelp;
  QLabel* status_;
  QPushButton* BThelpSave;
  QPushButton* BThelpMoins;
  QPushButton* BThelpNum;
  QPushButton* BThelpPlus;
  QPushButton* BThelpSuggest;
  QTreeWidgetItem* root_ = nullptr;
  QTreeWidgetItem* places_ = nullptr;
  QTreeWidgetItem* couples_ = nullptr;
};

}  // namespace tarvo
