// The background picture behind the program's pages: a quiet grey texture.
#include "art/background.h"

#include "art/colours.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace art {
namespace {

// 4 x 4 ordered dither, so the gradient steps into crisp pixels instead of visible bands.
constexpr std::array<std::array<int, 4>, 4> bayer{{
    {{0, 8, 2, 10}},
    {{12, 4, 14, 6}},
    {{3, 11, 1, 9}},
    {{15, 7, 13, 5}},
}};

constexpr int lattice = 32;  // spacing of the diagonal lines, in pixels

// Brightness offset from the page grey at (x, y), before dithering.
double shade(int x, int y) {
  const double along = (static_cast<double>(x) / backgroundWidth + static_cast<double>(y) / backgroundHeight) / 2;
  double value = 7.0 - 14.0 * along;  // lighter top left, darker bottom right

  // Thin diagonal lines both ways make a faint diamond lattice: a lit line with a shaded
  // line beside it, as if pressed into the surface.
  const int rising = (x + y) % lattice;
  const int falling = (x - y + backgroundHeight * lattice) % lattice;
  if (rising == 0 || falling == 0)
    value += 6.0;
  else if (rising == 1 || falling == 1)
    value -= 5.0;
  // A soft wave across the lattice keeps large areas from looking flat.
  value += 1.5 * std::sin((x - 0.6 * y) / 53.0);
  return value;
}

}  // namespace

QImage makeBackground() {
  QImage image(backgroundWidth, backgroundHeight, QImage::Format_RGB32);
  const int base = qRed(colours::page);
  for (int y = 0; y < backgroundHeight; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < backgroundWidth; ++x) {
      const double value = base + shade(x, y);
      const double threshold = (bayer[static_cast<std::size_t>(y % 4)][static_cast<std::size_t>(x % 4)] + 0.5) / 16.0;
      const double floorValue = std::floor(value);
      const int grey = std::clamp(static_cast<int>(floorValue) + (value - floorValue > threshold ? 1 : 0), 0, 255);
      line[x] = qRgb(grey, grey, grey);
    }
  }
  return image;
}

}  // namespace art
