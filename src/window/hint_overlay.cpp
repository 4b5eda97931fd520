// A mark drawn over the board for a moment: the box a hint says to push, and where it goes.
#include "window/hint_overlay.h"

#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include "rules/cell.h"

namespace tarvo {

namespace {

constexpr int kTile = 32;

QPointF centreOf(int cell) { return {(cell % kColumns + 0.5) * kTile, (cell / kColumns + 0.5) * kTile}; }

}  // namespace

HintOverlay::HintOverlay(QWidget* board) : QWidget(board), timer_(new QTimer(this)) {
  setObjectName(QStringLiteral("PIChint"));
  setGeometry(board->rect());
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  timer_->setSingleShot(true);
  timer_->setInterval(kShownMs);
  connect(timer_, &QTimer::timeout, this, &QWidget::hide);
  hide();
}

void HintOverlay::showPush(int cell, Direction direction) {
  cell_ = cell;
  direction_ = direction;
  raise();
  show();
  update();
  timer_->start();
}

void HintOverlay::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF from = centreOf(cell_);
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
  // Yellow edged in black stands out on the floor, the walls and the boxes alike.
  const QRectF box(from.x() - kTile / 2.0 + 2, from.y() - kTile / 2.0 + 2, kTile - 4, kTile - 4);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::black, 5));
  painter.drawRoundedRect(box, 4, 4);
  painter.setPen(QPen(QColor(255, 214, 0), 3));
  painter.drawRoundedRect(box, 4, 4);
  painter.setPen(QPen(Qt::black, 1.5));
  painter.setBrush(QColor(255, 214, 0));
  painter.drawPath(arrow);
}

}  // namespace tarvo
