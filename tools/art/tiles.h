// The individual tiles of the sprite sheets, drawn separately for 32 and 8 pixels.
#pragma once

#include <QImage>

#include <cstdint>

#include "rules/cell.h"

namespace art {

// The highest cell code: every part added together. Cell codes are OUTSIDE and 0..this.
inline constexpr std::int32_t lastCellCode = tarvo::MARK | tarvo::WALL | tarvo::GOAL | tarvo::BOX | tarvo::MAN;

// The picture of a cell code (outside, wall, or floor or goal, marked or not, with nobody,
// the man or a box on it) as a tileSize x tileSize opaque image. tileSize is 32 or 8;
// other sizes throw std::invalid_argument (each size is hand-drawn, not scaled). A code
// no cell can hold, such as a box and the man together, throws std::logic_error.
QImage cellTile(std::int32_t code, int tileSize);

// The hand-drawn sets behind cellTile.
namespace large {
QImage outside();
QImage wall();
QImage ground(bool goal, bool marked);
void drawMan(QImage& tile);
void drawBox(QImage& tile, bool onGoal);
}  // namespace large

namespace small {
QImage outside();
QImage wall();
QImage ground(bool goal, bool marked);
void drawMan(QImage& tile);
void drawBox(QImage& tile, bool onGoal);
}  // namespace small

}  // namespace art
