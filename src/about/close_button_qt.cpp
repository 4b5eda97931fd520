// The About box's close button, drawn by our own paint code: a cross, a bevel while the
// pointer is over it, pushed in by one pixel while pressed.
#include "about/close_button_qt.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/look.h"
#include "platform/zoom.h"

namespace tarvo {

CloseButton::CloseButton(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("LBLexit"));
  setFixedSize(14, 14);
}

void CloseButton::setHovered(bool hovered) {
  if (hovered_ == hovered) return;
  hovered_ = hovered;
  update();
}

void CloseButton::enterEvent(QEnterEvent*) { setHovered(true); }

void CloseButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = true;
  move(pos() + QPoint(1, 1) * zoom::of(this));  // pushed in by one pixel
  update();
}

void CloseButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  move(pos() - QPoint(1, 1) * zoom::of(this));
  update();
  if (rect().contains(event->position().toPoint())) emit clicked();
}

void CloseButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  zoom::scale(painter, this);
  const QRect area(QPoint(0, 0), rect().size() / zoom::of(this));
  const QRect box = area.adjusted(0, 0, -1, -1);
  if (hovered_ || pressed_) {
    // The bevel: light on the top and left, dark on the bottom and right; inverted when pressed.
    painter.fillRect(area, look::pageColour());
    painter.setPen(pressed_ ? Qt::black : Qt::white);
    painter.drawLine(box.topLeft(), box.topRight());
    painter.drawLine(box.topLeft(), box.bottomLeft());
    painter.setPen(pressed_ ? Qt::white : Qt::black);
    painter.drawLine(box.bottomLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomRight());
  }
  QPen cross(hovered_ || pressed_ ? Qt::black : Qt::white, 2);
  painter.setPen(cross);
  painter.drawLine(QPoint(4, 4), QPoint(9, 9));
  painter.drawLine(QPoint(9, 4), QPoint(4, 9));
}

}  // namespace tarvo
