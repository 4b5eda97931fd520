// The pictures the art tool draws: the sprite sheets as the game uses them (every tile where
// tileOf looks for it, and the forbidden marks still showing under the man or a box), and the
// About window's pictures.
#include "art/about_art.h"
#include "art/colours.h"
#include "art/link_pointer_hotspot.h"
#include "art/sheets.h"
#include "rules/cell.h"
#include "rules/drawing.h"

#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
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

}  // namespace
