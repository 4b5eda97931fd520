// Assembles the tiles into the sprite sheets the game copies its cells from.
#pragma once

#include <QImage>

namespace art {

// A sheet of tiles of tileSize pixels (32 or 8), each drawn at the place the game looks
// for it (tarvo::tileOf), so the sheet and the game cannot disagree about the layout. The
// sheet is just large enough for the places named; places no code names are left in the
// page grey. Other tile sizes throw std::invalid_argument.
QImage makeSpriteSheet(int tileSize);

}  // namespace art
