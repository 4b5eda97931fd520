// The chooser of the rooms of a collection that become the new house.
#pragma once

#include <QAbstractTableModel>
#include <QCache>
#include <QDialog>
#include <QPixmap>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/zoom.h"
#include "progress/progress_store.h"
#include "roomtext/room_collection.h"

class QLabel;
class QPushButton;
class QTreeView;

namespace tarvo {

class SpriteSheets;

// What the player did with a room, if anything.
using ProgressLookup = std::function<std::optional<RoomProgress>(const RoomRecord& room)>;

// Every room of a collection, a row each: title (ticked or not), picture, size, boxes,
// goals, the mark of a room the player has solved, and why it cannot be taken. Pictures are drawn when a row is shown
// and a few hundred kept, so a collection of 100,000 rooms lists as fast as one of ten. At most kMaxRooms rooms are
// ticked, only rooms that can be taken.
class CollectionModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  CollectionModel(std::shared_ptr<const RoomCollection> rooms, const SpriteSheets& sheets, QObject* parent);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  // The ticked rooms by their places, in list order.
  std::vector<std::size_t> tickedRooms() const;
  int tickedCount() const { return tickedCount_; }
  // The pictures at a zoom.
  void setZoom(int factor);
  // Marks the rooms the player has solved, as their rows are shown.
  void setProgressLookup(ProgressLookup lookup);

 signals:
  void tickedChanged(int count);

 private:
  QPixmap pictureOf(int row) const;
  const std::optional<RoomProgress>& progressOf(int row) const;

  std::shared_ptr<const RoomCollection> rooms_;
  const SpriteSheets& sheets_;
  std::vector<bool> ticked_;
  int tickedCount_ = 0;
  mutable QCache<int, QPixmap> pictures_;
  int zoom_ = 1;
  ProgressLookup progressLookup_;
  mutable QCache<int, std::optional<RoomProgress>> progress_;
};

class CollectionChooser : public QDialog, public Zoomable {
  Q_OBJECT

 public:
  CollectionChooser(std::shared_ptr<const RoomCollection> rooms, const SpriteSheets& sheets, const QString& fileName,
                    QWidget* parent);

  std::vector<std::size_t> tickedRooms() const { return model_->tickedRooms(); }
  void zoomTo(int factor) override;
  void showProgress(ProgressLookup lookup) { model_->setProgressLookup(std::move(lookup)); }

 private:
  void showTickedCount(int count);

  CollectionModel* model_;
  QTreeView* LVrooms;
  QLabel* LBticked;
  QString cutNote_;            // when the file holds more rooms than a collection keeps
  bool noneTakeable_ = false;  // no room of the collection can be played
  QPushButton* BTok;
};

}  // namespace tarvo
