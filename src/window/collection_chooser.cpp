// The chooser of the rooms of a collection that become the new house.
#include "window/collection_chooser.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <array>
#include <utility>

#include "platform/look.h"
#include "platform/solved_mark.h"
#include "platform/sprite_sheets.h"
#include "progress/progress_texts.h"
#include "rules/drawing.h"

namespace tarvo {

namespace {

// The tick of every row stands in a column of its own, so the titles line up whether a room can
// be ticked or not.
enum Column { Tick, Title, Size, Boxes, Goals, Solved, WhyNot, ColumnCount };

// The board from the small sheet, one sheet pixel to one pixel as everywhere in the game.
constexpr int kPictureSide = kColumns * 8;
constexpr int kPicturesKept = 400;

// The core paints the room on a pixmap from the small sheet.
class PixmapCanvas : public TileCanvas {
 public:
  explicit PixmapCanvas(const SpriteSheets& sheets) : sheets_(sheets), picture_(kPictureSide, kPictureSide) {
    picture_.fill(Qt::transparent);
  }
  void drawTile(SpriteSheet sheet, Tile tile, int x, int y) override {
    const int size = tileSize(sheet);
    QPainter painter(&picture_);
    painter.drawPixmap(x, y, sheets_.sheet(sheet), tile.column * size, tile.row * size, size, size);
  }
  const QPixmap& picture() const { return picture_; }

 private:
  const SpriteSheets& sheets_;
  QPixmap picture_;
};

}  // namespace

CollectionModel::CollectionModel(std::shared_ptr<const RoomCollection> rooms, const SpriteSheets& sheets,
                                 QObject* parent)
    : QAbstractTableModel(parent), rooms_(std::move(rooms)), sheets_(sheets), ticked_(rooms_->size(), false) {
  pictures_.setMaxCost(kPicturesKept);
  progress_.setMaxCost(kPicturesKept);
  const std::vector<std::size_t> first = firstRoomsToTake(*rooms_);
  for (std::size_t place : first) ticked_[place] = true;
  tickedCount_ = static_cast<int>(first.size());
}

int CollectionModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rooms_->size());
}

int CollectionModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant CollectionModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case Tick: return QString();
    case Title: return QStringLiteral("Room");
    case Size: return QStringLiteral("Size");
    case Boxes: return QStringLiteral("Boxes");
    case Goals: return QStringLiteral("Goals");
    case Solved: return QStringLiteral("Solved");
    case WhyNot: return QStringLiteral("Cannot be taken");
    default: return {};
  }
}

QVariant CollectionModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const auto place = static_cast<std::size_t>(index.row());
  const RoomSummary& room = rooms_->summary(place);
  if (role == Qt::CheckStateRole && index.column() == Tick) return ticked_[place] ? Qt::Checked : Qt::Unchecked;
  if (role == Qt::DecorationRole && index.column() == Title) return pictureOf(index.row());
  if (index.column() == Solved && (role == Qt::DecorationRole || role == Qt::ToolTipRole)) {
    const std::optional<RoomProgress>& progress = progressOf(index.row());
    if (!progress) return {};
    if (role == Qt::ToolTipRole) return QString::fromStdString(progressSummary(*progress));
    static const QPixmap mark = solvedMarkPicture();
    return zoom::picture(mark, zoom_);
  }
  if (role == Qt::TextAlignmentRole && (index.column() == Boxes || index.column() == Goals)) {
    return QVariant::fromValue(Qt::AlignCenter);  // clear of the titles and reasons beside them
  }
  // A title of megabytes shows cut, and whole (up to a bound) in its tooltip.
  if (role == Qt::ToolTipRole && index.column() == Title) {
    return look::shownText(rooms_->title(place), look::kLongestShownText);
  }
  if (role != Qt::DisplayRole) return {};
  switch (index.column()) {
    case Title: return look::shownText(rooms_->title(place), look::kShownInList);
    case Size: return QStringLiteral("%1 x %2").arg(room.columns).arg(room.rows);
    case Boxes: return QString::number(room.boxes);
    case Goals: return QString::number(room.goals);
    case WhyNot: return QString::fromStdString(rooms_->describeProblem(place));
    default: return {};
  }
}

QPixmap CollectionModel::pictureOf(int row) const {
  if (const QPixmap* kept = pictures_.object(row)) return *kept;
  const auto place = static_cast<std::size_t>(row);
  PixmapCanvas canvas(sheets_);
  // A room too large for the board has no picture; its row keeps the place of one.
  if (rooms_->summary(place).problem != RoomProblem::TooLarge) {
    drawRoom(canvas, SpriteSheet::Small, roomOfCollection(rooms_->room(place)), 0);
  }
  const QPixmap shown = zoom::picture(canvas.picture(), zoom_);
  pictures_.insert(row, new QPixmap(shown));
  return shown;
}

Qt::ItemFlags CollectionModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (index.column() != Tick) return flags;
  // A room that cannot be taken shows its tick, unticked and disabled.
  const bool takeable = rooms_->summary(static_cast<std::size_t>(index.row())).canBeTaken();
  return takeable ? flags | Qt::ItemIsUserCheckable : Qt::ItemIsUserCheckable;
}

bool CollectionModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::CheckStateRole || !(flags(index) & Qt::ItemIsEnabled) || index.column() != Tick) return false;
  const auto place = static_cast<std::size_t>(index.row());
  const bool tick = value.toInt() == Qt::Checked;
  if (tick == ticked_[place]) return true;
  if (tick && tickedCount_ >= kMaxRooms) return false;  // a house holds no more
  ticked_[place] = tick;
  tickedCount_ += tick ? 1 : -1;
  emit dataChanged(index, index, {Qt::CheckStateRole});
  emit tickedChanged(tickedCount_);
  return true;
}

void CollectionModel::setProgressLookup(ProgressLookup lookup) {
  beginResetModel();
  progressLookup_ = std::move(lookup);
  progress_.clear();
  endResetModel();
}

const std::optional<RoomProgress>& CollectionModel::progressOf(int row) const {
  if (const std::optional<RoomProgress>* known = progress_.object(row)) return *known;
  const auto place = static_cast<std::size_t>(row);
  auto* progress = new std::optional<RoomProgress>;
  if (progressLookup_ && rooms_->summary(place).problem != RoomProblem::TooLarge) {
    *progress = progressLookup_(roomOfCollection(rooms_->room(place)));
  }
  progress_.insert(row, progress);
  return *progress;
}

void CollectionModel::setZoom(int factor) {
  beginResetModel();
  zoom_ = factor;
  pictures_.clear();
  endResetModel();
}

std::vector<std::size_t> CollectionModel::tickedRooms() const {
  std::vector<std::size_t> places;
  for (std::size_t k = 0; k < ticked_.size(); ++k) {
    if (ticked_[k]) places.push_back(k);
  }
  return places;
}

CollectionChooser::CollectionChooser(std::shared_ptr<const RoomCollection> rooms, const SpriteSheets& sheets,
                                     const QString& fileName, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Rooms of %1").arg(fileName));
  if (rooms->cut()) {
    cutNote_ = QStringLiteral("\nThe file holds more rooms than the first %L1, which alone are listed.")
                   .arg(static_cast<qulonglong>(kMostCollectionRooms));
  }
  noneTakeable_ = firstRoomsToTake(*rooms).empty();
  model_ = new CollectionModel(std::move(rooms), sheets, this);

  auto* layout = new QVBoxLayout(this);
  LBticked = new QLabel(this);
  LBticked->setObjectName(QStringLiteral("LBticked"));
  layout->addWidget(LBticked);

  LVrooms = new QTreeView(this);
  LVrooms->setObjectName(QStringLiteral("LVrooms"));
  LVrooms->setRootIsDecorated(false);
  LVrooms->setUniformRowHeights(true);  // no row is measured before it is shown
  LVrooms->setModel(model_);
  LVrooms->header()->setStretchLastSection(true);
  layout->addWidget(LVrooms);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  BTok = buttons->button(QDialogButtonBox::Ok);
  BTok->setObjectName(QStringLiteral("BTok"));
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(model_, &CollectionModel::tickedChanged, this, &CollectionChooser::showTickedCount);
  showTickedCount(model_->tickedCount());
  zoomTo(1);
}

void CollectionChooser::zoomTo(int factor) {
  // The size, pictures and columns at 1x, each times the zoom; the reason takes the rest.
  resize(QSize(620, 600) * factor);
  LVrooms->setIconSize(QSize(kPictureSide, kPictureSide) * factor);
  const std::array<std::pair<int, int>, 6> widths{
      {{Tick, 28}, {Title, 220}, {Size, 70}, {Boxes, 55}, {Goals, 55}, {Solved, 55}}};
  for (const auto& [column, width] : widths) LVrooms->setColumnWidth(column, width * factor);
  model_->setZoom(factor);
}

void CollectionChooser::showTickedCount(int count) {
  LBticked->setText(
      (noneTakeable_
           ? QStringLiteral("No room can be played.")
           : QStringLiteral("Tick the rooms of the new house, at most %1: %2 ticked.").arg(kMaxRooms).arg(count)) +
      cutNote_);
  BTok->setEnabled(count > 0);
}

}  // namespace tarvo
