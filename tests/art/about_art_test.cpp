// The About window's pictures: their sizes, a film whose frames all differ, opaque
// pictures where the window paints them over nothing, and a pointer that shows its hand
// on a clear ground with the hot spot on it.
#include "art/about_art.h"
#include "art/link_pointer_hotspot.h"

#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

namespace {

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
