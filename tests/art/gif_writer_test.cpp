// The GIF encoder against Qt's GIF reader, the one that loads the page background.
#include "art/gif_writer.h"
#include "art/background.h"
#include "art/indexed_image.h"

#include <QImage>

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

using art::GifColour;
using art::IndexedImage;

std::vector<GifColour> distinctColours(int count) {
  std::vector<GifColour> palette;
  for (int i = 0; i < count; ++i)
    palette.push_back(
        {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), static_cast<std::uint8_t>((i * 37) & 0xff)});
  return palette;
}

IndexedImage patternImage(int width, int height, int colours, const std::function<int(int x, int y)>& pattern) {
  IndexedImage image{width, height, distinctColours(colours), {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.pixels.push_back(static_cast<std::uint8_t>(pattern(x, y) % colours));
  }
  return image;
}

IndexedImage randomImage(int width, int height, int colours, unsigned seed) {
  std::mt19937 random(seed);
  return patternImage(width, height, colours, [&random](int, int) { return static_cast<int>(random() & 0xff); });
}

TEST(GifRoundTrip, QtReadsBackEveryPixel) {
  const std::vector<std::pair<std::string, IndexedImage>> cases{
      // Small palettes: the colour table and the first code width follow the palette
      // size, with a floor of two bits for one or two colours.
      {"one pixel, one colour", patternImage(1, 1, 1, [](int, int) { return 0; })},
      {"two colours", patternImage(7, 5, 2, [](int x, int y) { return x + y; })},
      {"129 colours at random", randomImage(37, 23, 129, 2)},
      // Every index of a full table in use.
      {"256 colours in order", patternImage(16, 16, 256, [](int x, int y) { return y * 16 + x; })},
      // One colour makes each new code one pixel longer than the last, and uses a code
      // in the same step that defines it.
      {"long run of one colour", patternImage(608, 416, 1, [](int, int) { return 0; })},
      // Random pictures keep strings short, so the table fills up, the codes reach 12
      // bits, and a clear code starts it over, several times each.
      {"table resets, 256 colours", randomImage(200, 150, 256, 7)},
      {"table resets, 2 colours", randomImage(500, 400, 2, 8)},
      // The picture the encoder exists for, through the colour indexing it goes through.
      {"page background", art::indexColours(art::makeBackground())},
  };
  for (const auto& [name, image] : cases) {
    SCOPED_TRACE(name);
    const std::vector<std::uint8_t> bytes = art::encodeGif(image);
    const QImage decoded =
        QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()), "GIF");
    ASSERT_FALSE(decoded.isNull()) << "Qt could not read it";
    ASSERT_EQ(decoded.width(), image.width);
    ASSERT_EQ(decoded.height(), image.height);
    for (int y = 0, mismatches = 0; y < image.height && mismatches == 0; ++y) {
      for (int x = 0; x < image.width && mismatches == 0; ++x) {
        const GifColour want = image.palette[image.pixels[static_cast<std::size_t>(y * image.width + x)]];
        if (decoded.pixel(x, y) != qRgb(want.r, want.g, want.b)) {
          ADD_FAILURE() << "first wrong pixel at (" << x << ", " << y << ")";
          ++mismatches;
        }
      }
    }
  }
}

}  // namespace
