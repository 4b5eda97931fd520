// Pixel-by-pixel drawing helpers for the tiles: no smoothing, every pixel placed on purpose.
#include "art/pixel_art.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace art {
namespace {

int clampChannel(double value) { return std::clamp(static_cast<int>(std::lround(value)), 0, 255); }

QRgb inkFor(char key, std::span<const Ink> inks) {
  for (const Ink& ink : inks) {
    if (ink.key == key) return ink.colour;
  }
  throw std::logic_error(std::string("sprite map letter without an ink: ") + key);
}

void paintLetter(QImage& image, int x, int y, char key, std::span<const Ink> inks) {
  if (key == keepKey) return;
  if (!image.rect().contains(x, y)) throw std::logic_error("sprite map reaches outside its tile");
  if (key == shadowKey)
    image.setPixel(x, y, scaled(image.pixel(x, y), 0.72));
  else
    image.setPixel(x, y, inkFor(key, inks));
}

void checkRows(std::span<const std::string_view> rows) {
  for (const std::string_view row : rows) {
    if (row.size() != rows.front().size()) throw std::logic_error("sprite map rows differ in length");
  }
}

}  // namespace

QImage solidTile(int size, QRgb colour) {
  QImage tile(size, size, QImage::Format_RGB32);
  tile.fill(colour);
  return tile;
}

void fillRect(QImage& image, int x, int y, int width, int height, QRgb colour) {
  for (int row = y; row < y + height; ++row) {
    for (int column = x; column < x + width; ++column) {
      if (image.rect().contains(column, row)) image.setPixel(column, row, colour);
    }
  }
}

QRgb scaled(QRgb colour, double factor) {
  return qRgb(clampChannel(qRed(colour) * factor), clampChannel(qGreen(colour) * factor),
              clampChannel(qBlue(colour) * factor));
}

QRgb mixed(QRgb from, QRgb to, double amount) {
  auto channel = [amount](int a, int b) { return clampChannel(a + (b - a) * amount); };
  return qRgb(channel(qRed(from), qRed(to)), channel(qGreen(from), qGreen(to)), channel(qBlue(from), qBlue(to)));
}

void darken(QImage& image, double factor) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, scaled(image.pixel(x, y), factor));
  }
}

void stamp(QImage& image, int x, int y, std::span<const std::string_view> rows, std::span<const Ink> inks) {
  checkRows(rows);
  for (std::size_t row = 0; row < rows.size(); ++row) {
    for (std::size_t column = 0; column < rows[row].size(); ++column)
      paintLetter(image, x + static_cast<int>(column), y + static_cast<int>(row), rows[row][column], inks);
  }
}

void stampSymmetric(QImage& image, int x, int y, std::span<const std::string_view> leftHalves,
                    std::span<const Ink> inks) {
  checkRows(leftHalves);
  for (std::size_t row = 0; row < leftHalves.size(); ++row) {
    const std::string_view half = leftHalves[row];
    const int width = static_cast<int>(half.size());
    for (int column = 0; column < width; ++column) {
      const char key = half[static_cast<std::size_t>(column)];
      const int py = y + static_cast<int>(row);
      paintLetter(image, x + column, py, key, inks);
      paintLetter(image, x + 2 * width - 1 - column, py, key, inks);
    }
  }
}

int speckle(int x, int y, int seed) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u +
                    static_cast<std::uint32_t>(seed) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return static_cast<int>((h ^ (h >> 16)) & 0xffu);
}

}  // namespace art
