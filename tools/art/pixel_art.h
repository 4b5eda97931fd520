// Pixel-by-pixel drawing helpers for the tiles: no smoothing, every pixel placed on purpose.
#pragma once

#include <QImage>

#include <span>
#include <string_view>

namespace art {

// One letter of a sprite map and the colour it paints.
struct Ink {
  char key;
  QRgb colour;
};

// Sprite map letters with a fixed meaning: '.' leaves the pixel alone, ':' darkens it
// (a cast shadow that keeps the texture of whatever lies beneath).
inline constexpr char keepKey = '.';
inline constexpr char shadowKey = ':';

QImage solidTile(int size, QRgb colour);
void fillRect(QImage& image, int x, int y, int width, int height, QRgb colour);

// Colour arithmetic on RGB, alpha stays opaque.
QRgb scaled(QRgb colour, double factor);
QRgb mixed(QRgb from, QRgb to, double amount);

// Multiplies every pixel of the image by factor (below 1 darkens).
void darken(QImage& image, double factor);

// Paints a sprite map with its top-left corner at (x, y). Every row must have the same
// length and every letter must be '.', ':' or one of the inks; a mistake throws
// std::logic_error, since it is a fault in the artwork source.
void stamp(QImage& image, int x, int y, std::span<const std::string_view> rows, std::span<const Ink> inks);

// Same, for a left-right symmetric sprite given by its left halves: each row is painted
// and then mirrored to its right.
void stampSymmetric(QImage& image, int x, int y, std::span<const std::string_view> leftHalves,
                    std::span<const Ink> inks);

// A small repeatable pseudo-random value in 0..255 for pixel (x, y): texture speckle that
// comes out the same on every run.
int speckle(int x, int y, int seed);

}  // namespace art
