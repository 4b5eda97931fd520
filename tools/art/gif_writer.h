// GIF89a encoder: turns an image of palette indexes into a complete GIF file, LZW included.
#pragma once

#include <cstdint>
#include <vector>

namespace art {

struct GifColour {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const GifColour&, const GifColour&) = default;
};

// One picture as palette indexes, one byte per pixel, rows from top to bottom.
struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<GifColour> palette;    // 1 to 256 colours
  std::vector<std::uint8_t> pixels;  // width * height entries, each < palette.size()
};

// Encodes the image as a GIF89a file: one frame, a global colour table, no transparency.
// Throws std::invalid_argument when the image breaks the limits above or has a side
// outside 1..65535 (what the format can record).
std::vector<std::uint8_t> encodeGif(const IndexedImage& image);

}  // namespace art
