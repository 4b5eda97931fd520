// A mark drawn over the board until the player's next step or key.
#include "window/hint_overlay.h"

#include <QPainter>
#include <QPainterPath>

#include "platform/zoom.h"
#include "rules/cell.h"

namespace tarvo {

HintOverlay::HintOverlay(QWidget* board) : BoardOverlay(board) { setObjectName(QStringLiteral("PIChint")); }

void HintOverlay::showPush(int cell, Direction direction) {
  cell_ = cell;
  direction_ = direction;
  raise();
  show();
  update();
}

void HintOverlay::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  zoom::scale(painter, this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF from = tileRect(cell_).center();
  const int offset = offsetOf(direction_);
  // The arrow's unit vector on the screen: a step right is +x, a step down is +y.
  const QPointF unit(offset == 1 ? 1 : offset == -1 ? -1 : 0, offset == kColumns ? 1 : offset == -kColumns ? -1 : 0);
  const QPointF normal(-unit.y(), unit.x());
  const QPointF tip = from + unit * kTile * 0.95;
  QPainterPath arrow;
  arrow.moveTo(from + normal * 4);
  arrow.lineTo(tip - unit * 11 + normal * 4);
  arrow.lineTo(tip - unit * 11 + normal * 10);
  arrow.lineTo(tip);
  arrow.lineTo(tip - unit * 11 - normal * 10);
  arrow.lineTo(tip - unit * 11 - normal * 4);
  arrow.lineTo(from - normal * 4);
  arrow.closeSubpath();
  const QColor yellow(255, 214, 0);
  outlineCell(painter, cell_, yellow);
  painter.setPen(QPen(Qt::black, 1.5));
  painter.setBrush(yellow);
  painter.drawPath(arrow);
}

}  // namespace tarvo
