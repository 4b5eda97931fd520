// The "Room" page: the record list, the house's sixteen previews and "Save to disk".
#include "window/room_page.h"

#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QSortFilterProxyModel>
#include <QTreeView>

#include <algorithm>
#include <memory>

#include "house/file_dialogs_qt.h"
#include "platform/look.h"
#include "platform/message_box.h"
#include "platform/picture_area.h"
#include "platform/solved_mark.h"
#include "progress/progress_texts.h"
#include "rules/drawing.h"
#include "rules/play.h"
#include "window/game_session.h"
#include "window/player_progress.h"
#include "window/record_list_model.h"

namespace tarvo {

namespace {

// "Add my solutions of this room" from the keyboard, on the record list.
constexpr QKeyCombination kAddSolutionsKey(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_A);

}  // namespace

RoomPage::RoomPage(PageContext context, QWidget* parent)
    : Page(parent),
      context_(std::move(context)),
      records_(new RecordListModel(this)),
      sorted_(new QSortFilterProxyModel(this)),
      listed_(new QLabel(this)),
      LVrecord(new QTreeView(this)),
      roomStatus_(new QLabel(this)),
      BTsaveDisk(look::makeButton(this, "BTsaveDisk", QStringLiteral("Save to disk"), QString(), {64, 352, 96, 32})) {
  LVrecord->setObjectName(QStringLiteral("LVrecord"));
  LVrecord->setGeometry(32, 64, 189, 257);
  sorted_->setSourceModel(records_);
  sorted_->setSortRole(RecordListModel::kSortRole);
  LVrecord->setModel(sorted_);
  LVrecord->setRootIsDecorated(false);
  LVrecord->setUniformRowHeights(true);
  // A click on a header sorts by its column; until then the records stand in the order made.
  LVrecord->setSortingEnabled(true);
  LVrecord->sortByColumn(-1, Qt::AscendingOrder);
  LVrecord->header()->setStretchLastSection(false);
  LVrecord->header()->setSectionResizeMode(QHeaderView::Interactive);
  fitRecordColumns();
  listed_->setObjectName(QStringLiteral("LBlisted"));
  listed_->setGeometry(32, 40, 189, 22);
  listed_->setFont(look::captionFont());
  LVrecord->setToolTip(QStringLiteral("Double-click a record to replay it"));
  connect(LVrecord, &QTreeView::doubleClicked, this, &RoomPage::LVrecord_DblClick);
  LVrecord->installEventFilter(this);
  connect(BTsaveDisk, &QPushButton::clicked, this, &RoomPage::BTsaveDisk_Click);
  for (int k = 0; k < kMaxRooms; ++k) {
    auto* preview = new PictureArea(context_.sheets, {80, 80}, this);
    preview->setObjectName(QStringLiteral("PICpreview%1").arg(k));
    preview->move(256 + 80 * (k % 4), 64 + 80 * (k / 4));
    connect(preview, &PictureArea::mouseReleased, this, [this, k] { PICpreview_MouseUp(k); });
    // In the Tab chain, so a keyboard reaches every room.
    preview->setFocusPolicy(Qt::TabFocus);
    preview->installEventFilter(this);
    PICpreview[static_cast<std::size_t>(k)] = preview;
    solvedMarks_[static_cast<std::size_t>(k)] = new SolvedMark(preview);
  }
  // Under the list, in the room left above "Save to disk".
  roomStatus_->setObjectName(QStringLiteral("roomStatus"));
  roomStatus_->setGeometry(32, 324, 189, 24);
  roomStatus_->setFont(look::statusFont());
  roomStatus_->setTextFormat(Qt::PlainText);
  LVrecord->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(LVrecord, &QWidget::customContextMenuRequested, this, &RoomPage::showRecordMenu);
  const GameSession& session = context_.session;
  connect(&session, &GameSession::houseReplaced, this, &RoomPage::showHouse);
  connect(&session, &GameSession::roomStored, this, &RoomPage::showStoredRoom);
  connect(&session, &GameSession::roomCountChanged, this, &RoomPage::showProgress);
  connect(&session, &GameSession::recordsAdded, this, [this](int number) {
    if (number - 1 == listedSlot_)
      records_->showRoom(context_.session.house().rooms[static_cast<std::size_t>(listedSlot_)]);
  });
  connect(&context_.progress, &PlayerProgress::opened, this, &RoomPage::showProgress);
  connect(&context_.progress, &PlayerProgress::changed, this, &RoomPage::showProgress);
  drawPreviews();
}

bool RoomPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return Page::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
  if (watched == LVrecord && enter && LVrecord->currentIndex().isValid()) {
    LVrecord_DblClick(LVrecord->currentIndex());
    return true;
  }
  if (watched == LVrecord && key->matches(QKeySequence::Copy)) {
    copySteps();
    return true;
  }
  if (watched == LVrecord && key->keyCombination() == kAddSolutionsKey) {
    addMySolutions();
    return true;
  }
  const auto found = std::find(PICpreview.begin(), PICpreview.end(), watched);
  if (found == PICpreview.end()) return Page::eventFilter(watched, event);
  const int k = static_cast<int>(found - PICpreview.begin());
  if (enter || key->key() == Qt::Key_Space) {
    PICpreview_MouseUp(k);
    return true;
  }
  // The arrows move on the four by four previews, staying on the board of them.
  const int row = k / 4, column = k % 4;
  int next = -1;
  switch (key->key()) {
    case Qt::Key_Left: next = column > 0 ? k - 1 : k; break;
    case Qt::Key_Right: next = column < 3 ? k + 1 : k; break;
    case Qt::Key_Up: next = row > 0 ? k - 4 : k; break;
    case Qt::Key_Down: next = row < 3 ? k + 4 : k; break;
    default: return Page::eventFilter(watched, event);
  }
  PICpreview[static_cast<std::size_t>(next)]->setFocus(Qt::TabFocusReason);
  return true;
}

void RoomPage::zoomTo(int /*factor*/) { fitRecordColumns(); }

void RoomPage::fitRecordColumns() {
  // Moves and times are short: their columns fit their header or a long value, and the name
  // takes the room left; each may be widened, a scroll bar then showing the rest.
  QHeaderView* header = LVrecord->header();
  const QFontMetrics metrics(LVrecord->font());
  const int numbers = metrics.horizontalAdvance(QStringLiteral("00:00")) + 16 * zoom::of(this);
  for (int column : {1, 2}) header->resizeSection(column, numbers);
  header->resizeSection(0, LVrecord->width() - 2 * numbers - 2 * LVrecord->frameWidth());
}

void RoomPage::showHouse() {
  records_->clear();
  listedSlot_ = -1;
  listed_->clear();
  drawPreviews();
}

void RoomPage::drawPreviews() {
  const HouseRecord& house = context_.session.house();
  for (int slot = 0; slot < std::clamp(house.roomCount, 0, kMaxRooms); ++slot) drawPreview(slot);
  showProgress();
}

void RoomPage::showProgress() {
  const HouseRecord& house = context_.session.house();
  for (int slot = 0; slot < kMaxRooms; ++slot) {
    const auto place = static_cast<std::size_t>(slot);
    const std::optional<RoomProgress> progress =
        isHouseRoom(house, slot + 1) ? context_.progress.progressOf(house.rooms[place]) : std::nullopt;
    solvedMarks_[place]->setVisible(progress.has_value());
    PICpreview[place]->setToolTip(progress ? QString::fromStdString(progressSummary(*progress)) : QString());
  }
}

void RoomPage::showRecordMenu(const QPoint& at) {
  QMenu menu(this);
  QAction* add = menu.addAction(QStringLiteral("Add my solutions of this room"), this, &RoomPage::addMySolutions);
  add->setShortcut(QKeySequence(kAddSolutionsKey));
  add->setEnabled(listedSlot_ >= 0 && context_.progress.isOpen());
  QAction* copy = menu.addAction(QStringLiteral("Copy the steps"), this, &RoomPage::copySteps);
  copy->setShortcut(QKeySequence::Copy);
  copy->setEnabled(LVrecord->currentIndex().isValid());
  menu.exec(LVrecord->viewport()->mapToGlobal(at));
}

void RoomPage::addMySolutions() {
  if (listedSlot_ < 0) return;
  if (!context_.progress.isOpen()) {
    tell(QStringLiteral("your progress is not kept"));
    return;
  }
  const RoomRecord& room = context_.session.house().rooms[static_cast<std::size_t>(listedSlot_)];
  const int added = context_.session.addRecords(listedSlot_ + 1, context_.progress.solutionsOf(room));
  tell(added == 0   ? QStringLiteral("no solution of yours to add")
       : added == 1 ? QStringLiteral("1 solution of yours added")
                    : QStringLiteral("%1 solutions of yours added").arg(added));
}

void RoomPage::copySteps() {
  const QModelIndex index = LVrecord->currentIndex();
  if (!index.isValid()) return;
  const std::optional<std::string> steps = records_->solutionOf(sorted_->mapToSource(index).row());
  if (!steps) return;
  QGuiApplication::clipboard()->setText(QString::fromStdString(*steps));
  tell(QStringLiteral("the record's %1 steps copied").arg(steps->size()));
}

void RoomPage::tell(const QString& text) { roomStatus_->setText(text); }

void RoomPage::drawPreview(int slot) {
  if (slot < 0 || slot >= kMaxRooms) return;
  const auto place = static_cast<std::size_t>(slot);
  drawRoom(*PICpreview[place], SpriteSheet::Small, context_.session.house().rooms[place], 0);
}

void RoomPage::showStoredRoom(const RoomStoredNews& news) {
  const int slot = news.number - 1;
  drawPreview(slot);
  showProgress();
  if (slot == listedSlot_) PICpreview_MouseUp(slot);
}

void RoomPage::PICpreview_MouseUp(int index) {
  records_->showRoom(context_.session.house().rooms[static_cast<std::size_t>(index)]);
  listedSlot_ = index;
  listed_->setText(QStringLiteral("Records of room %1").arg(index + 1));
  tell(QString());
}

void RoomPage::LVrecord_DblClick(const QModelIndex& index) {
  const std::optional<std::string> solution = records_->solutionOf(sorted_->mapToSource(index).row());
  if (!solution) return;
  // The editor may have taken the room off the house since its records were listed.
  if (!isHouseRoom(context_.session.house(), listedSlot_ + 1)) {
    openMessageBox(
        QMessageBox::Information, window()->windowTitle(),
        QStringLiteral("Room %1 is no longer in the house: its records cannot be replayed.").arg(listedSlot_ + 1),
        this);
    return;
  }
  emit recordChosen(listedSlot_ + 1, *solution);
}

void RoomPage::BTsaveDisk_Click() {
  const DialogChoice choice =
      context_.dialogs.showSaveDialog(QStringLiteral("HOU TXT"), QStringLiteral("SAVE A HOUSE"));
  if (choice.path.isEmpty()) return;
  // A name without its extension is written as the file type chosen says.
  const SavedAs chosen = choice.extension == QLatin1String("TXT") ? SavedAs::Collection : SavedAs::House;
  const SaveOutcome outcome = context_.session.saveHouse(choice.path, chosen);
  if (outcome.ok) return;
  const std::unique_ptr<QMessageBox> box(makeMessageBox(
      QMessageBox::Critical, QStringLiteral("ERREUR n\u00B0%1 in BTsaveDisk_Click").arg(outcome.errorNumber),
      outcome.description, this));
  box->exec();
}

}  // namespace tarvo
