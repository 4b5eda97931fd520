// The program's icon, composed of the game's own tiles.
#include "art/app_icon.h"

#include "art/tiles.h"
#include "rules/cell.h"

#include <QPainter>

#include <stdexcept>

namespace art {

QImage makeAppIcon(int size) {
  const int tileSize = size < 64 ? 8 : 32;
  const int native = 2 * tileSize;
  if (size <= 0 || size % native != 0) throw std::invalid_argument("the icon is drawn in multiples of 16 or 64 pixels");
  QImage icon(native, native, QImage::Format_RGB32);
  QPainter painter(&icon);
  painter.drawImage(0, 0, cellTile(tarvo::WALL, tileSize));
  painter.drawImage(tileSize, 0, cellTile(tarvo::WALL, tileSize));
  painter.drawImage(0, tileSize, cellTile(tarvo::MAN, tileSize));
  painter.drawImage(tileSize, tileSize, cellTile(tarvo::GOAL | tarvo::BOX, tileSize));
  painter.end();
  return icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace art
