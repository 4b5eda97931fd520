// The pictures the art tool draws: the sprite sheets as the game uses them (every tile where
// tileOf looks for it, and the forbidden marks still showing under the man or a box), the
// About window's pictures, and the GIF encoder against Qt's GIF reader, the one that loads the
// page background.
#include "art/about_art.h"
#include "art/background.h"
#include "art/colours.h"
#include "art/gif_writer.h"
#include "art/indexed_image.h"
#include "art/link_pointer_hotspot.h"
#include "art/sheets.h"
#include "rules/cell.h"
#include "rules/drawing.h"

#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using tarvo::BOX;
using tarvo::FLOOR;
using tarvo::GOAL;
using tarvo::MAN;
using tarvo::MARK;

class SpriteSheet : public testing::TestWithParam<int> {
 protected:
  int size() const { return GetParam(); }

  QImage tileAt(int column, int row) const { return sheet.copy(column * size(), row * size(), size(), size()); }

  QImage tileFor(std::int32_t code) const {
    const std::optional<tarvo::Tile> place = tarvo::tileOf(code);
    EXPECT_TRUE(place.has_value()) << "no tile for code " << code;
    return place ? tileAt(place->column, place->row) : QImage();
  }

  QImage sheet = art::makeSpriteSheet(GetParam());
};

// The places tileOf gives any cell code: OUTSIDE, or a sum of parts up to all of them.
std::set<std::pair<int, int>> namedPlaces() {
  std::set<std::pair<int, int>> places;
  for (std::int32_t code = tarvo::OUTSIDE; code <= (MARK | tarvo::WALL | GOAL | BOX | MAN); ++code) {
    if (const auto tile = tarvo::tileOf(code)) places.insert({tile->column, tile->row});
  }
  return places;
}

TEST_P(SpriteSheet, HoldsADistinctTileAtEveryPlaceTheGameNamesAndPlainGreyElsewhere) {
  EXPECT_FALSE(sheet.hasAlphaChannel());  // the game copies tiles as they are
  QImage grey(size(), size(), sheet.format());
  grey.fill(art::colours::page);
  const std::set<std::pair<int, int>> named = namedPlaces();
  for (const auto& [column, row] : named)
    ASSERT_TRUE(sheet.rect().contains(QRect(column * size(), row * size(), size(), size()))) << column << ", " << row;
  for (int row = 0; row * size() < sheet.height(); ++row) {
    for (int column = 0; column * size() < sheet.width(); ++column) {
      if (named.contains({column, row}))
        EXPECT_NE(tileAt(column, row), grey) << "tile (" << column << ", " << row << ") was never drawn";
      else
        EXPECT_EQ(tileAt(column, row), grey) << "unused tile (" << column << ", " << row << ")";
    }
  }
  // Two cells that look alike on screen would hide what is on them.
  const std::vector<std::pair<int, int>> places(named.begin(), named.end());
  for (std::size_t i = 0; i < places.size(); ++i) {
    for (std::size_t j = i + 1; j < places.size(); ++j) {
      const auto [c1, r1] = places[i];
      const auto [c2, r2] = places[j];
      EXPECT_NE(tileAt(c1, r1), tileAt(c2, r2))
          << "(" << c1 << ", " << r1 << ") looks like (" << c2 << ", " << r2 << ")";
    }
  }
}

double luminance(QRgb p) { return 0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p); }

// How much darker `marked` is than `plain`, as a share of plain's mean brightness, over
// the pixels `where` allows.
template <typename Where>
double darkening(const QImage& plain, const QImage& marked, Where where) {
  double plainSum = 0;
  double markedSum = 0;
  for (int y = 0; y < plain.height(); ++y) {
    for (int x = 0; x < plain.width(); ++x) {
      if (!where(x, y)) continue;
      plainSum += luminance(plain.pixel(x, y));
      markedSum += luminance(marked.pixel(x, y));
    }
  }
  return 1.0 - markedSum / plainSum;
}

TEST_P(SpriteSheet, MarksDarkenTheGroundAroundTheManAndBoxesAsMuchAsBareGround) {
  // The ground that shows in a man or box tile is taken to be the pixels where the
  // unmarked tile still equals the bare unmarked ground: the drawing left them alone.
  // Pixels under the figure or under its cast shadow are left out, since they are not
  // the ground's own colour. Over those pixels the marked tile must be darker than the
  // unmarked one by the same share as a marked bare tile is darker than a bare one;
  // the bare tiles' share is measured over the whole tile. Rounding and the hatching
  // of the large mark move the two shares apart by about a thousandth, so one hundredth
  // of slack still fails any visibly weaker mark under a figure.
  for (const std::int32_t ground : {FLOOR, GOAL}) {
    const QImage bare = tileFor(ground);
    const double groundDrop = darkening(bare, tileFor(ground | MARK), [](int, int) { return true; });
    EXPECT_GT(groundDrop, 0.25) << "a mark on code " << ground << " is hard to see";

    for (const std::int32_t figure : {MAN, BOX}) {
      const QImage plain = tileFor(ground | figure);
      const QImage marked = tileFor(ground | MARK | figure);
      const auto visible = [&](int x, int y) { return plain.pixel(x, y) == bare.pixel(x, y); };
      int visibleCount = 0;
      for (int y = 0; y < size(); ++y) {
        for (int x = 0; x < size(); ++x) visibleCount += visible(x, y) ? 1 : 0;
      }
      // Without a fair share of ground in view a mark under a figure cannot be seen.
      ASSERT_GE(visibleCount, size() * size() / 5) << "code " << (ground | figure);
      EXPECT_NEAR(darkening(plain, marked, visible), groundDrop, 0.01)
          << "code " << (ground | MARK | figure) << " against " << (ground | figure);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(BothSizes, SpriteSheet, testing::Values(32, 8),
                         [](const testing::TestParamInfo<int>& info) { return "Tiles" + std::to_string(info.param); });

// The About window's pictures: a film whose frames all differ, opaque pictures where the window
// paints them over nothing, and a pointer that shows its hand on a clear ground with the hot spot on it.
TEST(AboutArt, FilmTitleAndPointerHaveTheirSizesAndLookAsTheWindowNeeds) {
  int argc = 1;
  char name[] = "art_tests";
  char* argv[] = {name, nullptr};
  const QGuiApplication application(argc, argv);  // the title draws text

  const QImage film = art::makeAboutFilm();
  ASSERT_EQ(film.size(), QSize(160, 1275));
  EXPECT_FALSE(film.hasAlphaChannel());
  // Every frame shows something new, and the last one differs from the first it leads to.
  for (int i = 0; i < art::filmFrameCount; ++i) {
    for (int j = i + 1; j < art::filmFrameCount; ++j) {
      EXPECT_NE(film.copy(0, i * 85, 160, 85), film.copy(0, j * 85, 160, 85)) << "frames " << i << " and " << j;
    }
  }

  const QImage title = art::makeAboutTitle();
  ASSERT_EQ(title.size(), QSize(387, 18));
  EXPECT_FALSE(title.hasAlphaChannel());
  // The letters are near white; the band behind them is blue all along.
  int lightPixels = 0;
  for (int y = 0; y < title.height(); ++y) {
    for (int x = 0; x < 80; ++x) lightPixels += qGray(title.pixel(x, y)) > 200 ? 1 : 0;
  }
  EXPECT_GT(lightPixels, 40) << "no text drawn";
  EXPECT_GT(qBlue(title.pixel(386, 0)), qRed(title.pixel(386, 0)));

  const QImage pointer = art::makeLinkPointer();
  ASSERT_EQ(pointer.size(), QSize(32, 32));
  ASSERT_TRUE(pointer.hasAlphaChannel());
  EXPECT_EQ(qAlpha(pointer.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(pointer.pixel(31, 31)), 0);
  EXPECT_EQ(qAlpha(pointer.pixel(art::kLinkPointerHotX, art::kLinkPointerHotY)), 255);
}

using art::GifColour;
using art::IndexedImage;

// An image of `colours` distinct colours, pixel (x, y) of the colour `pattern` names.
IndexedImage patternImage(int width, int height, int colours, const std::function<int(int x, int y)>& pattern) {
  IndexedImage image{width, height, {}, {}};
  for (int i = 0; i < colours; ++i) {
    const auto part = [](int value) { return static_cast<std::uint8_t>(value & 0xff); };
    image.palette.push_back({part(i), part(255 - i), part(i * 37)});
  }
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
    QImage expected(image.width, image.height, QImage::Format_RGB32);
    for (int y = 0; y < image.height; ++y) {
      for (int x = 0; x < image.width; ++x) {
        const GifColour want = image.palette[image.pixels[static_cast<std::size_t>(y * image.width + x)]];
        expected.setPixel(x, y, qRgb(want.r, want.g, want.b));
      }
    }
    EXPECT_TRUE(decoded.convertToFormat(QImage::Format_RGB32) == expected) << "Qt reads back other pixels";
  }
}

}  // namespace
