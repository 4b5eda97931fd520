// Marks drawn over the board's tiles, never into them.
#include "window/board_overlay.h"

#include <QPainter>

#include "platform/zoom.h"
#include "rules/cell.h"

namespace tarvo {

BoardOverlay::BoardOverlay(QWidget* board) : QWidget(board) {
  setGeometry(board->rect());
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  hide();
}

QRectF BoardOverlay::tileRect(int cell) {
  return {static_cast<qreal>(cell % kColumns * kTile), static_cast<qreal>(cell / kColumns * kTile),
          static_cast<qreal>(kTile), static_cast<qreal>(kTile)};
}

void BoardOverlay::outlineCell(QPainter& painter, int cell, const QColor& colour) {
  // The black edge reaches 2.5 pixels out from the frame: it stays inside the tile, so no
  // neighbour is touched.
  const QRectF frame = tileRect(cell).adjusted(3, 3, -3, -3);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::black, 5));
  painter.drawRoundedRect(frame, 4, 4);
  painter.setPen(QPen(colour, 3));
  painter.drawRoundedRect(frame, 4, 4);
}

SelectionMark::SelectionMark(QWidget* board) : BoardOverlay(board) { setObjectName(QStringLiteral("PICselection")); }

void SelectionMark::showCell(std::optional<int> cell) {
  if (cell == cell_ && isVisible() == cell.has_value()) return;
  cell_ = cell;
  if (!cell) {
    hide();
    return;
  }
  raise();
  show();
  update();
}

void SelectionMark::paintEvent(QPaintEvent*) {
  if (!cell_) return;
  QPainter painter(this);
  zoom::scale(painter, this);
  // Cyan, so a chosen box never looks like the yellow mark of a hint.
  outlineCell(painter, *cell_, QColor(0, 220, 255));
}

}  // namespace tarvo
