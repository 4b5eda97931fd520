// Assembles the tiles into the sprite sheets the game copies its cells from.
#include "art/sheets.h"

#include "art/colours.h"
#include "art/tiles.h"
#include "rules/drawing.h"

#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace art {
namespace {

// Every cell code the game can paint, with the place of its tile, in code order.
std::vector<std::pair<std::int32_t, tarvo::Tile>> paintedCodes() {
  std::vector<std::int32_t> codes{tarvo::OUTSIDE};
  for (std::int32_t code = 0; code <= lastCellCode; ++code) codes.push_back(code);
  std::vector<std::pair<std::int32_t, tarvo::Tile>> painted;
  for (const std::int32_t code : codes) {
    if (const std::optional<tarvo::Tile> tile = tarvo::tileOf(code)) painted.emplace_back(code, *tile);
  }
  return painted;
}

}  // namespace

QImage makeSpriteSheet(int tileSize) {
  // Several codes may share a tile (the game shows them alike); their pictures must
  // then agree, or one of those cells would be shown wrongly.
  std::map<std::pair<int, int>, std::pair<std::int32_t, QImage>> tiles;  // (column, row) -> code, picture
  int columns = 0;
  int rows = 0;
  for (const auto& [code, place] : paintedCodes()) {
    const QImage picture = cellTile(code, tileSize);  // rejects sizes we have not drawn
    const auto [earlier, isNew] = tiles.try_emplace({place.column, place.row}, code, picture);
    if (!isNew && earlier->second.second != picture)
      throw std::logic_error("codes " + std::to_string(earlier->second.first) + " and " + std::to_string(code) +
                             " share a tile but are drawn differently");
    columns = std::max(columns, place.column + 1);
    rows = std::max(rows, place.row + 1);
  }

  QImage sheet(columns * tileSize, rows * tileSize, QImage::Format_RGB32);
  sheet.fill(colours::page);
  QPainter painter(&sheet);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  for (const auto& [place, drawn] : tiles)
    painter.drawImage(place.first * tileSize, place.second * tileSize, drawn.second);
  painter.end();
  return sheet;
}

}  // namespace art
