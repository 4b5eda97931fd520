// Marks drawn over the board's tiles, never into them: the base they share, and the box the
// player has chosen with the mouse.
#pragma once

#include <QWidget>

#include <optional>

#include "rules/drawing.h"

class QPainter;

namespace tarvo {

class BoardOverlay : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kTile = tileSize(SpriteSheet::Large);

  // Covers `board`, a picture of large tiles, and lets every mouse event through to it.
  explicit BoardOverlay(QWidget* board);

 protected:
  // The tile of `cell` on the board, placed as the drawing places it.
  static QRectF tileRect(int cell);
  // A rounded frame just inside the tile of `cell`: `colour` edged in black stands out on the
  // floor, the walls and the boxes alike.
  static void outlineCell(QPainter& painter, int cell, const QColor& colour);
};

// The box chosen by a click, outlined until it is let go.
class SelectionMark : public BoardOverlay {
  Q_OBJECT

 public:
  explicit SelectionMark(QWidget* board);

  // Outlines `cell`, or shows nothing.
  void showCell(std::optional<int> cell);
  std::optional<int> shownCell() const { return cell_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<int> cell_;
};

}  // namespace tarvo
