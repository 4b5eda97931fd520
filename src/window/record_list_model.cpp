// The rows of the record list: name, moves and time of each record of one room.
#include "window/record_list_model.h"

#include <algorithm>
#include <climits>

namespace tarvo {

void RecordListModel::showRoom(const RoomRecord& room) {
  beginResetModel();
  names_ = room.recNames;
  moves_ = room.recMoves;
  times_ = room.recTimes;
  solutions_ = room.recSolutions;
  // The rows are the records as they stand now; a record made later shows at the next click.
  rows_ = static_cast<int>(std::min<std::size_t>(names_->size(), INT_MAX));
  endResetModel();
}

void RecordListModel::clear() { showRoom(RoomRecord{}); }

std::optional<std::string> RecordListModel::solutionOf(int row) const {
  if (row < 0 || row >= rows_ || static_cast<std::size_t>(row) >= solutions_->size()) return std::nullopt;
  return (*solutions_)[static_cast<std::size_t>(row)];
}

int RecordListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int RecordListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 3; }

QVariant RecordListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rows_) return {};
  const std::vector<std::string>& list = index.column() == 0 ? *names_ : index.column() == 1 ? *moves_ : *times_;
  const auto row = static_cast<std::size_t>(index.row());
  return row < list.size() ? QString::fromStdString(list[row]) : QString();
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
