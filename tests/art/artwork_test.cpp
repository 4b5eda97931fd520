// The sprite sheets as the game uses them: every tile where tileOf looks for it.
#include "art/colours.h"
#include "art/sheets.h"
#include "rules/cell.h"
#include "rules/drawing.h"

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
using tarvo::GOAL;
using tarvo::MAN;
using tarvo::MARK;

struct SheetCase {
    int tileSize;
    QSize sheetSize;
};

class SpriteSheet : public testing::TestWithParam<SheetCase> {
protected:
    int size() const { return GetParam().tileSize; }

    QImage tileAt(int column, int row) const { return sheet.copy(column * size(), row * size(), size(), size()); }

    QImage sheet = art::makeSpriteSheet(GetParam().tileSize);
};

// The places tileOf gives any cell code: OUTSIDE, or a sum of parts up to all of them.
std::set<std::pair<int, int>> namedPlaces()
{
    std::set<std::pair<int, int>> places;
    for (std::int32_t code = tarvo::OUTSIDE; code <= (MARK | tarvo::WALL | GOAL | BOX | MAN); ++code) {
        if (const auto tile = tarvo::tileOf(code))
            places.insert({tile->column, tile->row});
    }
    return places;
}

TEST_P(SpriteSheet, HoldsADistinctTileAtEveryPlaceTheGameNamesAndPlainGreyElsewhere)
{
    ASSERT_EQ(sheet.width(), GetParam().sheetSize.width());
    ASSERT_EQ(sheet.height(), GetParam().sheetSize.height());
    EXPECT_FALSE(sheet.hasAlphaChannel());  // the game copies tiles as they are

    QImage grey(size(), size(), sheet.format());
    grey.fill(art::colours::page);
    const std::set<std::pair<int, int>> named = namedPlaces();
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
            EXPECT_NE(tileAt(c1, r1), tileAt(c2, r2)) << "(" << c1 << ", " << r1 << ") looks like (" << c2 << ", " << r2 << ")";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothSizes, SpriteSheet,
                         testing::Values(SheetCase{32, QSize(192, 96)}, SheetCase{8, QSize(48, 24)}),
                         [](const testing::TestParamInfo<SheetCase>& info) {
                             return "Tiles" + std::to_string(info.param.tileSize);
                         });

}  // namespace
