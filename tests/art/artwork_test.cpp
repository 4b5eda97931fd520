// The sprite sheets, background and written files, checked the way the game relies on them.
#include "art/artwork.h"
#include "art/background.h"
#include "art/sheets.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

struct TilePlace {
    int column;
    int row;
    const char* name;
};

// Every tile the game draws a cell with.
const std::vector<TilePlace> usedTiles{
    {0, 0, "outside"},           {1, 0, "wall"},
    {2, 0, "floor"},             {3, 0, "goal"},
    {4, 0, "marked floor"},      {5, 0, "marked goal"},
    {2, 1, "man on floor"},      {3, 1, "man on goal"},
    {4, 1, "man on marked floor"}, {5, 1, "man on marked goal"},
    {2, 2, "box on floor"},      {3, 2, "box on goal"},
    {4, 2, "box on marked floor"}, {5, 2, "box on marked goal"},
};

QImage tileAt(const QImage& sheet, int tileSize, int column, int row)
{
    return sheet.copy(column * tileSize, row * tileSize, tileSize, tileSize);
}

double meanLuminance(const QImage& image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            sum += 0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p);
        }
    }
    return sum / (image.width() * image.height());
}

double differingShare(const QImage& a, const QImage& b)
{
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            differing += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    }
    return static_cast<double>(differing) / (a.width() * a.height());
}

class SpriteSheet : public testing::TestWithParam<int> {
protected:
    int size() const { return GetParam(); }
    QImage tile(int column, int row) const { return tileAt(sheet, size(), column, row); }
    QImage sheet = art::makeSpriteSheet(GetParam());
};

TEST_P(SpriteSheet, HasTheSixByThreeLayoutAndPlainUnusedTiles)
{
    EXPECT_EQ(sheet.size(), QSize(6 * size(), 3 * size()));
    EXPECT_FALSE(sheet.hasAlphaChannel());  // the game copies tiles as they are
    for (const auto& [column, row] : {std::pair{0, 1}, {1, 1}, {0, 2}, {1, 2}}) {
        const QImage unused = tile(column, row);
        QImage grey(unused.size(), unused.format());
        grey.fill(qRgb(132, 132, 132));
        EXPECT_EQ(unused, grey) << "unused tile (" << column << ", " << row << ")";
    }
}

TEST_P(SpriteSheet, EveryCellLooksDifferentFromEveryOther)
{
    for (std::size_t i = 0; i < usedTiles.size(); ++i) {
        for (std::size_t j = i + 1; j < usedTiles.size(); ++j) {
            const TilePlace& a = usedTiles[i];
            const TilePlace& b = usedTiles[j];
            EXPECT_NE(tile(a.column, a.row), tile(b.column, b.row)) << a.name << " looks like " << b.name;
        }
    }
}

TEST_P(SpriteSheet, MarkedTilesAreClearlyDarkerThanUnmarked)
{
    for (int row = 0; row < 3; ++row) {
        for (const int column : {2, 3}) {
            const double plain = meanLuminance(tile(column, row));
            const double marked = meanLuminance(tile(column + 2, row));
            EXPECT_LT(marked, 0.9 * plain) << "tile (" << column + 2 << ", " << row << ") against ("
                                           << column << ", " << row << ")";
        }
    }
}

TEST_P(SpriteSheet, GoalShowsUnderManAndBox)
{
    // The player must tell at a glance whether the man or a box stands on a goal.
    for (const int plainColumn : {2, 4}) {
        const int goalColumn = plainColumn + 1;
        EXPECT_GT(differingShare(tile(plainColumn, 1), tile(goalColumn, 1)), 0.15) << "man, column " << goalColumn;
        EXPECT_GT(differingShare(tile(plainColumn, 2), tile(goalColumn, 2)), 0.5) << "box, column " << goalColumn;
    }
}

INSTANTIATE_TEST_SUITE_P(BothSizes, SpriteSheet, testing::Values(32, 8));

TEST(SpriteSheetSizes, OnlyHandDrawnSizesAreOffered)
{
    EXPECT_THROW(art::makeSpriteSheet(16), std::invalid_argument);
    EXPECT_THROW(art::makeSpriteSheet(0), std::invalid_argument);
}

TEST(Background, IsAQuietGreyPictureOfPageSize)
{
    const QImage background = art::makeBackground();
    ASSERT_EQ(background.size(), QSize(608, 416));
    double sum = 0;
    for (int y = 0; y < background.height(); ++y) {
        for (int x = 0; x < background.width(); ++x) {
            const QRgb p = background.pixel(x, y);
            ASSERT_TRUE(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p)) << x << ", " << y;
            ASSERT_LE(std::abs(qRed(p) - 132), 20) << x << ", " << y;  // black captions stay readable
            sum += qRed(p);
        }
    }
    EXPECT_NEAR(sum / (608.0 * 416.0), 132.0, 3.0);
}

TEST(ArtworkFiles, AreWrittenAndLoadBackAsDrawn)
{
    QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    const QString folder = temporary.filePath(QStringLiteral("not/yet/there"));
    QString error;
    ASSERT_TRUE(art::writeArtwork(folder, error)) << error.toStdString();

    const QDir dir(folder);
    const QImage large(dir.filePath(QStringLiteral("sprites32.png")));
    const QImage small(dir.filePath(QStringLiteral("sprites8.png")));
    const QImage background(dir.filePath(QStringLiteral("background.gif")));
    EXPECT_EQ(large.convertToFormat(QImage::Format_RGB32), art::makeSpriteSheet(32));
    EXPECT_EQ(small.convertToFormat(QImage::Format_RGB32), art::makeSpriteSheet(8));
    ASSERT_FALSE(background.isNull());
    EXPECT_EQ(background.convertToFormat(QImage::Format_RGB32), art::makeBackground());
}

TEST(ArtworkFiles, ReportTheFolderTheyCannotWriteTo)
{
    QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    const QString blocker = temporary.filePath(QStringLiteral("a-file"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    QString error;
    EXPECT_FALSE(art::writeArtwork(blocker, error));
    EXPECT_TRUE(error.contains(blocker)) << error.toStdString();
}

}  // namespace
