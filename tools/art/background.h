// The background picture behind the program's pages: a quiet grey texture.
#pragma once

#include <QImage>

namespace art {

inline constexpr int backgroundWidth = 608;
inline constexpr int backgroundHeight = 416;

// A 608 x 416 opaque picture in greys close to the page colour (132, 132, 132), with a
// gentle light-to-dark diagonal gradient and a faint diamond lattice, so that captions
// and boards drawn over it stay easy to read. Uses few enough colours for a GIF.
QImage makeBackground();

}  // namespace art
