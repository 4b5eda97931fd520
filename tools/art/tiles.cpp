// The individual tiles of the sprite sheets: reads a cell code and picks the hand-drawn
// set for the tile size.
#include "art/tiles.h"

#include <stdexcept>
#include <string>

namespace art {
namespace {

void checkSize(int tileSize) {
  if (tileSize != 32 && tileSize != 8) throw std::invalid_argument("tiles are drawn for 32 or 8 pixels only");
}

}  // namespace

QImage cellTile(std::int32_t code, int tileSize) {
  using namespace tarvo;
  checkSize(tileSize);
  const bool isLarge = tileSize == 32;
  if (code == OUTSIDE) return isLarge ? large::outside() : small::outside();
  if (code < 0 || code > lastCellCode || (code & (BOX | MAN)) == (BOX | MAN))
    throw std::logic_error("no cell looks like code " + std::to_string(code));
  // A wall is drawn the same whatever else the code says: nothing stands in a wall.
  if (code & WALL) return isLarge ? large::wall() : small::wall();

  const bool goal = (code & GOAL) != 0;
  const bool marked = (code & MARK) != 0;
  QImage tile = isLarge ? large::ground(goal, marked) : small::ground(goal, marked);
  if (code & MAN)
    isLarge ? large::drawMan(tile) : small::drawMan(tile);
  else if (code & BOX)
    isLarge ? large::drawBox(tile, goal) : small::drawBox(tile, goal);
  return tile;
}

}  // namespace art
