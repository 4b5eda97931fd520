// Assembles the tiles into the sprite sheets the game copies its cells from.
#pragma once

#include <QImage>

namespace art {

inline constexpr int sheetColumns = 6;
inline constexpr int sheetRows = 3;

// A sheet of 6 x 3 tiles of tileSize pixels (32 or 8): (0,0) outside, (1,0) wall, then
// column 2 + ground (floor, goal, marked floor, marked goal) and row occupant (nobody,
// man, box). Tiles (0,1), (1,1), (0,2), (1,2) are unused and left in the page grey.
QImage makeSpriteSheet(int tileSize);

}  // namespace art
