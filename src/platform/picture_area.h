// A picture area of fixed size that the core paints tile by tile, one sheet pixel to one pixel.
#pragma once

#include <QPixmap>
#include <QRegion>
#include <QWidget>

#include "platform/zoom.h"
#include "rules/drawing.h"

namespace tarvo {

class SpriteSheets;

// At a zoom each picture pixel is a square of screen pixels, and the positions its mouse signals
// give are in picture pixels still.
class PictureArea : public QWidget, public TileCanvas, public Zoomable {
  Q_OBJECT

 public:
  PictureArea(const SpriteSheets& sheets, QSize size, QWidget* parent = nullptr);

  void drawTile(SpriteSheet sheet, Tile tile, int x, int y) override;
  void zoomTo(int factor) override;

  // What was painted since the last reset: the tiles' rectangles and their number.
  QRegion paintedRegion() const { return paintedRegion_; }
  int tilesPainted() const { return tilesPainted_; }
  void resetPaintedRegion();

  const QPixmap& picture() const { return picture_; }

 signals:
  void mousePressed(Qt::MouseButton button, QPoint position);
  // While a button is held; positions may lie outside the picture.
  void mouseMoved(Qt::MouseButtons buttons, QPoint position);
  void mouseReleased(Qt::MouseButton button, QPoint position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  const SpriteSheets& sheets_;
  QPixmap picture_;
  int zoom_ = 1;
  QRegion paintedRegion_;
  int tilesPainted_ = 0;
};

}  // namespace tarvo
