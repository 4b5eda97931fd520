// The "Help Info" sub-page: the tree of a room's forbidden places and couples, the help board
// where they are edited, the suggested places, the room choice and the store, with their handlers.
#include "window/help_page.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "editor/canvas.h"
#include "help/help_tree.h"
#include "help/suggested_places.h"
#include "platform/look.h"
#include "platform/mouse_buttons.h"
#include "platform/picture_area.h"
#include "rules/drawing.h"
#include "rules/play.h"
#include "window/game_session.h"

namespace tarvo {

namespace {

constexpr int kKeyRole = Qt::UserRole;
constexpr int kTagRole = Qt::UserRole + 1;

QString tagOf(const QTreeWidgetItem* node) { return node->data(0, kTagRole).toString(); }

}  // namespace

HelpPage::HelpPage(PageContext context, QWidget* parent)
    : Page(parent),
      context_(std::move(context)),
      TVhelp(new QTreeWidget(this)),
      PIChelp(nullptr),
      status_(new QLabel(this)),
      BThelpSave(look::makeButton(this, "BThelpSave", QStringLiteral("Save"), QString(), {64, 256, 128, 32})),
      BThelpMoins(look::makeButton(this, "BThelpMoins", QStringLiteral("<"), QString(), {64, 288, 32, 32})),
      BThelpNum(look::makeDisplay(this, "BThelpNum", QStringLiteral("01"), {96, 288, 64, 32})),
      BThelpPlus(look::makeButton(this, "BThelpPlus", QStringLiteral(">"), QString(), {160, 288, 32, 32})),
      BThelpSuggest(look::makeButton(this, "BThelpSuggest", QStringLiteral("Suggest"),
                                     QStringLiteral("Add every cell from which no box can reach a goal"),
                                     {64, 328, 128, 32})) {
  TVhelp->setObjectName(QStringLiteral("TVhelp"));
  TVhelp->setGeometry(32, 32, 193, 193);
  TVhelp->setFont(look::statusFont());
  TVhelp->setHeaderHidden(true);
  TVhelp->setEditTriggers(QAbstractItemView::NoEditTriggers);
  TVhelp->installEventFilter(this);
  status_->setObjectName(QStringLiteral("helpStatus"));
  status_->setGeometry(32, 226, 193, 28);
  status_->setFont(look::statusFont());
  status_->setTextFormat(Qt::PlainText);
  status_->setWordWrap(true);  // a suggestion's report takes two lines
  auto* frame = new QFrame(this);
  frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  frame->setLineWidth(2);
  frame->setGeometry(256, 32, 324, 324);
  PIChelp = new PictureArea(context_.sheets, {320, 320}, frame);
  PIChelp->setObjectName(QStringLiteral("PIChelp"));
  PIChelp->move(2, 2);

  for (QPushButton* button : {BThelpSave, BThelpMoins, BThelpNum, BThelpPlus}) button->setFont(look::largeButtonFont());
  connect(TVhelp, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) { TVhelp_NodeClick(node); });
  connect(PIChelp, &PictureArea::mousePressed, this, &HelpPage::PIChelp_MouseDown);
  connect(BThelpMoins, &QPushButton::clicked, this, &HelpPage::BThelpMoins_Click);
  connect(BThelpPlus, &QPushButton::clicked, this, &HelpPage::BThelpPlus_Click);
  connect(BThelpSave, &QPushButton::clicked, this, &HelpPage::BThelpSave_Click);
  connect(BThelpSuggest, &QPushButton::clicked, this, &HelpPage::BThelpSuggest_Click);
  const GameSession& session = context_.session;
  connect(&session, &GameSession::houseReplaced, this, &HelpPage::houseReplaced);
  connect(&session, &GameSession::roomStored, this, &HelpPage::roomStored);
}

const HouseRecord& HelpPage::house() const { return context_.session.house(); }

QTreeWidgetItem* HelpPage::addNode(const HelpNode& node) {
  QTreeWidgetItem* parent = node.parent == HelpNode::Parent::Places    ? places_
                            : node.parent == HelpNode::Parent::Couples ? couples_
                                                                       : root_;
  auto* item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(TVhelp);
  item->setText(0, QString::fromStdString(node.text));
  item->setData(0, kKeyRole, QString::fromStdString(node.key));
  item->setData(0, kTagRole, QString::fromStdString(node.tag));
  return item;
}

void HelpPage::showForEditing() {
  loadRoomForHelp(room_, house());
  note_.clear();
  fillHelpTree();
}

void HelpPage::showAgain() {
  if (room_.number != house().currentRoom) note_.clear();  // it spoke of another room
  helpCurrentRoom(room_, house());
  fillHelpTree();
  if (!note_.isEmpty()) showStatus(note_);
  note_.clear();
}

void HelpPage::houseReplaced() {
  room_ = WorkingRoom{};
  pendingCouple_ = PendingCouple{};
  note_.clear();
  // Shown, the page takes the new house's room at once; hidden, when next shown.
  if (!isVisible()) return;
  loadRoomForHelp(room_, house());
  fillHelpTree();
}

void HelpPage::roomStored(const RoomStoredNews& news) {
  const RoomRecord* stored = house().roomNumber(news.number);
  if (news.by == this || news.number != room_.number || stored == nullptr) return;
  if (helpFollowStore(room_, *stored, news.shifts) == ListsFollowed::Kept) {
    note_ = QStringLiteral("room %1 was stored elsewhere; the lists here are kept, not saved").arg(news.number);
  }
  if (isVisible()) showAgain();
}

void HelpPage::fillHelpTree() {
  WorkingRoom& help = room_;
  TVhelp->clear();
  root_ = places_ = couples_ = nullptr;
  prepareHelpRoom(help.room);
  const std::vector<HelpNode> nodes = helpTreeNodes(help.room, help.number);
  root_ = addNode(nodes[0]);
  places_ = addNode(nodes[1]);
  couples_ = addNode(nodes[2]);
  for (std::size_t k = 3; k < nodes.size(); ++k) addNode(nodes[k]);
  root_->setExpanded(true);
  BThelpNum->setText(QString::number(help.number));
  drawRoom(*PIChelp, SpriteSheet::Large, help.room, context_.session.state().counters.moveCount);
  showStatus();
}

QTreeWidgetItem* HelpPage::selectedNode() const {
  const QList<QTreeWidgetItem*> selected = TVhelp->selectedItems();
  return selected.isEmpty() ? nullptr : selected.front();
}

void HelpPage::redrawBoard() { redrawChangedCells(*PIChelp, room_.room, context_.session.state().counters.moveCount); }

void HelpPage::showStatus(const QString& refusal) {
  const PendingCouple& pending = pendingCouple_;
  if (!refusal.isEmpty()) {
    status_->setText(refusal);
  } else {
    status_->setText(pending.picks == 1 ? QStringLiteral("first cell: %1").arg(pending.cellA) : QString());
  }
}

void HelpPage::TVhelp_NodeClick(QTreeWidgetItem* node) {
  RoomRecord& room = room_.room;
  const QString tag = tagOf(node);
  if (tag.startsWith(QLatin1Char('S'))) {
    showPlaceMarks(room);
  } else if (tag.startsWith(QLatin1Char('D'))) {
    clearAllMarks(room);
  } else if (tag.startsWith(QLatin1Char('d'))) {
    const QStringList cells = node->text(0).split(QLatin1Char(','));
    showCoupleMarks(room, CouplePair{cells.value(0).toInt(), cells.value(1).toInt()});
  }
  redrawBoard();
}

void HelpPage::TVhelp_KeyUp() {
  QTreeWidgetItem* node = selectedNode();
  if (node == nullptr || !tagOf(node).startsWith(QLatin1Char('d'))) return;
  deleteCouple(room_, tagOf(node).mid(1).toInt());
  delete node;
  // Removing a selected node selects the next one: a second Delete must not take it too.
  TVhelp->setCurrentItem(nullptr);
  TVhelp->clearSelection();
}

bool HelpPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == TVhelp && event->type() == QEvent::KeyRelease) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Delete && !key->isAutoRepeat()) TVhelp_KeyUp();
  }
  return Page::eventFilter(watched, event);
}

void HelpPage::PIChelp_MouseDown(Qt::MouseButton button, QPoint position) {
  const QTreeWidgetItem* node = selectedNode();
  const std::optional<int> cell = canvasCell(position.x(), position.y());
  if (node == nullptr || !cell) return;
  // The left button adds, the right one removes; the middle one does nothing.
  const int number = buttonNumber(button);
  if (number != kLeftButton && number != kRightButton) return;
  const HelpAction action = number == kLeftButton ? HelpAction::Add : HelpAction::Remove;
  const HelpEdit edit = helpPress(room_, pendingCouple_, helpModeOf(tagOf(node).toStdString()), action, *cell);
  showHelpEdit(edit);
  showStatus(QString::fromStdString(edit.problem));
  redrawBoard();
}

void HelpPage::showHelpEdit(const HelpEdit& edit) {
  switch (edit.kind) {
    case HelpEdit::Kind::PlaceAdded:
      addNode(placeNode(edit.cell));
      places_->setExpanded(true);  // the player sees what the click added
      break;
    case HelpEdit::Kind::PlaceRemoved:
      for (int k = places_->childCount() - 1; k >= 0; --k) {
        if (places_->child(k)->data(0, kKeyRole).toString() == QString::fromStdString(placeNode(edit.cell).key))
          delete places_->child(k);
      }
      break;
    case HelpEdit::Kind::CoupleAdded: {
      const CouplePair& couple = room_.room.forbCouples[static_cast<std::size_t>(edit.coupleEntry)];
      addNode(coupleNode(couple, edit.coupleEntry));
      couples_->setExpanded(true);
      break;
    }
    default: break;
  }
}

void HelpPage::BThelpMoins_Click() {
  context_.session.helpArrow(false);
  loadRoomForHelp(room_, house());
  fillHelpTree();
}

void HelpPage::BThelpPlus_Click() {
  context_.session.helpArrow(true);
  loadRoomForHelp(room_, house());
  fillHelpTree();
}

void HelpPage::BThelpSuggest_Click() {
  const PlaceSuggestion suggestion = addSuggestedPlaces(room_, house());
  for (const HelpEdit& edit : suggestion.edits) showHelpEdit(edit);
  showStatus(QString::fromStdString(describeSuggestion(suggestion)));
  redrawBoard();
}

void HelpPage::BThelpSave_Click() {
  if (context_.session.storeHelpLists(room_, this)) {
    if (const std::optional<std::string> outside = storedOutsideHouse(house(), room_.number))
      showStatus(QString::fromStdString(*outside));
  }
  redrawBoard();
}

}  // namespace tarvo
