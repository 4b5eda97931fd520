// A picture area of fixed size that the core paints tile by tile, one sheet pixel to one pixel.
#include "platform/picture_area.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "platform/sprite_sheets.h"

namespace tarvo {

PictureArea::PictureArea(const SpriteSheets& sheets, QSize size, QWidget* parent)
    : QWidget(parent), sheets_(sheets), picture_(size) {
  // Until a tile is painted the page shows through, as a cell without a tile keeps what the
  // picture showed there.
  picture_.fill(Qt::transparent);
  setFixedSize(size);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void PictureArea::drawTile(SpriteSheet sheet, Tile tile, int x, int y) {
  const int size = tileSize(sheet);
  {
    QPainter painter(&picture_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawPixmap(x, y, sheets_.sheet(sheet), tile.column * size, tile.row * size, size, size);
  }
  const QRect rect(x, y, size, size);
  paintedRegion_ += rect;
  ++tilesPainted_;
  update(QRect(rect.topLeft() * zoom_, rect.size() * zoom_));
}

void PictureArea::zoomTo(int factor) {
  zoom_ = factor;
  update();
}

void PictureArea::resetPaintedRegion() {
  paintedRegion_ = QRegion();
  tilesPainted_ = 0;
}

void PictureArea::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  // Zoomed, the picture's pixels are drawn as squares: no smoothing blurs the tiles.
  painter.scale(zoom_, zoom_);
  for (const QRect& rect : event->region()) {
    const QRect pixels(rect.left() / zoom_, rect.top() / zoom_, (rect.right() / zoom_) - (rect.left() / zoom_) + 1,
                       (rect.bottom() / zoom_) - (rect.top() / zoom_) + 1);
    painter.drawPixmap(pixels, picture_, pixels);
  }
}

namespace {

// A position on the screen in picture pixels, the fraction dropped toward zero as the canvas's
// own rule drops it.
QPoint inPixels(QPointF position, int zoom) {
  const QPoint at = position.toPoint();
  return {at.x() / zoom, at.y() / zoom};
}

}  // namespace

void PictureArea::mousePressEvent(QMouseEvent* event) {
  // Taken here, so the moves and the release that follow come here too.
  event->accept();
  emit mousePressed(event->button(), inPixels(event->position(), zoom_));
}

void PictureArea::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  emit mouseMoved(event->buttons(), inPixels(event->position(), zoom_));
}

void PictureArea::mouseReleaseEvent(QMouseEvent* event) {
  emit mouseReleased(event->button(), inPixels(event->position(), zoom_));
  QWidget::mouseReleaseEvent(event);
}

}  // namespace tarvo
