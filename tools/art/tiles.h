// The individual tiles of the sprite sheets, drawn separately for 32 and 8 pixels.
#pragma once

#include <QImage>

namespace art {

// What a walkable cell is made of, in sheet column order (columns 2..5).
enum class Ground { Floor, Goal, MarkedFloor, MarkedGoal };

// What stands on it, in sheet row order (rows 0..2).
enum class Occupant { Nobody, Man, Box };

// Each function returns a tileSize x tileSize opaque image. tileSize is 32 or 8; other
// sizes throw std::invalid_argument (each size is hand-drawn, not scaled).
QImage outsideTile(int tileSize);
QImage wallTile(int tileSize);
QImage cellTile(Ground ground, Occupant occupant, int tileSize);

// The hand-drawn sets behind the functions above.
namespace large {
QImage outside();
QImage wall();
QImage ground(Ground ground);
void drawMan(QImage& tile);
void drawBox(QImage& tile, bool onGoal);
}  // namespace large

namespace small {
QImage outside();
QImage wall();
QImage ground(Ground ground);
void drawMan(QImage& tile);
void drawBox(QImage& tile, bool onGoal);
}  // namespace small

}  // namespace art
