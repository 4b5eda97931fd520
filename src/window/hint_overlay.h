// A mark drawn over the board until the player's next step or key: the box a hint says to push,
// and where it goes.
#pragma once

#include "rules/direction.h"
#include "window/board_overlay.h"

namespace tarvo {

class HintOverlay : public BoardOverlay {
  Q_OBJECT

 public:
  explicit HintOverlay(QWidget* board);

  // Outlines the box on `cell` with an arrow towards the cell it is pushed to, until hidden.
  // Nothing on the board itself changes.
  void showPush(int cell, Direction direction);
  int shownCell() const { return cell_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int cell_ = 0;
  Direction direction_ = Direction::Up;
};

}  // namespace tarvo
