// The individual tiles of the sprite sheets: picks the hand-drawn set for the tile size.
#include "art/tiles.h"

#include <stdexcept>

namespace art {
namespace {

void checkSize(int tileSize)
{
    if (tileSize != 32 && tileSize != 8)
        throw std::invalid_argument("tiles are drawn for 32 or 8 pixels only");
}

}  // namespace

QImage outsideTile(int tileSize)
{
    checkSize(tileSize);
    return tileSize == 32 ? large::outside() : small::outside();
}

QImage wallTile(int tileSize)
{
    checkSize(tileSize);
    return tileSize == 32 ? large::wall() : small::wall();
}

QImage cellTile(Ground ground, Occupant occupant, int tileSize)
{
    checkSize(tileSize);
    const bool isLarge = tileSize == 32;
    QImage tile = isLarge ? large::ground(ground) : small::ground(ground);
    const bool onGoal = ground == Ground::Goal || ground == Ground::MarkedGoal;
    switch (occupant) {
    case Occupant::Nobody:
        break;
    case Occupant::Man:
        isLarge ? large::drawMan(tile) : small::drawMan(tile);
        break;
    case Occupant::Box:
        isLarge ? large::drawBox(tile, onGoal) : small::drawBox(tile, onGoal);
        break;
    }
    return tile;
}

}  // namespace art
