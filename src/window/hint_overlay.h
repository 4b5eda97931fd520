// A mark drawn over the board for a moment: the box a hint says to push, and where it goes.
#pragma once

#include "rules/direction.h"
#include "window/board_overlay.h"

class QTimer;

namespace tarvo {

class HintOverlay : public BoardOverlay {
  Q_OBJECT

 public:
  static constexpr int kShownMs = 1500;

  explicit HintOverlay(QWidget* board);

  // Outlines the box on `cell` with an arrow towards the cell it is pushed to, for kShownMs or
  // until hidden. Nothing on the board itself changes.
  void showPush(int cell, Direction direction);
  int shownCell() const { return cell_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QTimer* timer_;
  int cell_ = 0;
  Direction direction_ = Direction::Up;
};

}  // namespace tarvo
