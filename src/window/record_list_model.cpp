// The rows of the record list: name, moves and time of each record of one room.
#include "window/record_list_model.h"

#include <algorithm>
#include <climits>
#include <limits>

#include "platform/look.h"
#include "rules/text_numbers.h"

namespace tarvo {

void RecordListModel::showRoom(const RoomRecord& room) {
  beginResetModel();
  records_ = room.records;
  // The rows are the records as they stand now; a record made later shows at the next click.
  rows_ = static_cast<int>(std::min<std::size_t>(records_->size(), INT_MAX));
  endResetModel();
}

void RecordListModel::clear() { showRoom(RoomRecord{}); }

std::optional<std::string> RecordListModel::solutionOf(int row) const {
  if (row < 0 || row >= rows_ || static_cast<std::size_t>(row) >= records_->size()) return std::nullopt;
  return std::string((*records_)[static_cast<std::size_t>(row)].solution);
}

int RecordListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int RecordListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 3; }

namespace {

// "61:01" as seconds; a time that is no "minutes:seconds" sorts after every time that is.
qint64 secondsOf(std::string_view time) {
  const std::size_t colon = time.find(':');
  const std::optional<std::int64_t> minutes =
      colon == std::string_view::npos ? std::nullopt : parseCount(time.substr(0, colon));
  const std::optional<std::int64_t> seconds =
      colon == std::string_view::npos ? std::nullopt : parseCount(time.substr(colon + 1));
  return minutes && seconds ? *minutes * 60 + *seconds : std::numeric_limits<qint64>::max();
}

}  // namespace

QVariant RecordListModel::data(const QModelIndex& index, int role) const {
  const bool tip = role == Qt::ToolTipRole && index.column() == 0;
  if ((role != Qt::DisplayRole && role != kSortRole && !tip) || !index.isValid() || index.row() >= rows_) return {};
  const auto row = static_cast<std::size_t>(index.row());
  if (row >= records_->size()) return QString();
  const RecordList::Record record = (*records_)[row];
  const std::string_view field = index.column() == 0 ? record.name : index.column() == 1 ? record.moves : record.time;
  if (role == kSortRole) {
    if (index.column() == 0) return look::shownText(field, look::kShownInList).toCaseFolded();
    if (index.column() == 1)
      return static_cast<qlonglong>(parseCount(field).value_or(std::numeric_limits<std::int64_t>::max()));
    return static_cast<qlonglong>(secondsOf(field));
  }
  // A name of megabytes would hold the list up at every paint: it shows cut, and a name too long
  // to show whole has it in its tooltip (the list's own tooltip says how to replay a record).
  const QString shown = look::shownText(field, look::kShownInList);
  if (!tip) return shown;
  return shown.endsWith(QChar(0x2026)) ? look::shownText(field, look::kLongestShownText) : QVariant();
}

QVariant RecordListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  switch (section) {
    case 0: return QStringLiteral("Name");
    case 1: return QStringLiteral("Move");
    case 2: return QStringLiteral("Time");
    default: return {};
  }
}

}  // namespace tarvo
