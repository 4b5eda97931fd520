// The rows of the record list: name, moves and time of each record of one room.
#pragma once

#include <QAbstractTableModel>

#include <optional>
#include <string>

#include "rules/room.h"

namespace tarvo {

// Holds its own reference to the room's record list, taken when the room is shown: a house read
// afterwards gives the rooms new lists and leaves this one as it was. Rows are made only
// when the view asks for them, so a room of many records lists at once.
class RecordListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  // The role a sorted view orders rows by: the name as it stands, moves and time as numbers.
  static constexpr int kSortRole = Qt::UserRole;

  void showRoom(const RoomRecord& room);
  // No rows: the room listed is gone.
  void clear();
  // The solution of a row, or nothing for a row the lists no longer hold.
  std::optional<std::string> solutionOf(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::shared_ptr<const RecordList> records_;
  int rows_ = 0;
};

}  // namespace tarvo
