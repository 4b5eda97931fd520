// A page of a tab strip: no border, the page grey, and the background picture from its corner.
#include "platform/page.h"

#include <QPainter>

#include "platform/look.h"
#include "platform/zoom.h"

namespace tarvo {

Page::Page(QWidget* parent) : QWidget(parent) {}

void Page::setBackgroundPicture(const QPixmap& picture) {
  background_ = picture;
  update();
}

void Page::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), look::pageColour());
  zoom::scale(painter, this);
  if (!background_.isNull()) painter.drawPixmap(0, 0, background_);
}

}  // namespace tarvo
