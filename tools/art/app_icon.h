// The program's icon: the man beside a box on a goal, before a wall, made of the game's tiles.
#pragma once

#include <QImage>

#include <array>

namespace art {

// The square sizes the icon is written in, and the file each size goes to (icon<N>.png).
inline constexpr std::array<int, 6> appIconSizes{16, 32, 48, 64, 128, 256};

// The icon as a size x size opaque image: two by two tiles (a wall row over the man and a
// box on a goal), taken from the 8-pixel set below 64 pixels and from the 32-pixel set
// from 64 up, and enlarged by whole steps without smoothing so each pixel stays sharp.
// A size that is not a whole multiple of 16 (below 64) or of 64 throws std::invalid_argument.
QImage makeAppIcon(int size);

}  // namespace art
