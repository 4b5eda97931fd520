// Painting rooms from a sprite sheet through a tile canvas, with a drawn-cell cache per picture.
#include "rules/drawing.h"

namespace tarvo {

std::optional<Tile> tileOf(std::int32_t code) {
  if (code == OUTSIDE) return Tile{0, 0};
  // A wall listed as a forbidden place carries a mark; it still looks and acts as a wall.
  if (code == WALL || code == WALL + MARK) return Tile{1, 0};
  if (code < 0 || code > 21) return std::nullopt;
  // Only floor and goal, marked or not, under nothing, the man or a box have a tile.
  std::int32_t occupant = code & (BOX | MAN);
  if ((code & WALL) != 0 || occupant == (BOX | MAN)) return std::nullopt;
  int column = 2 + ((code & GOAL) != 0 ? 1 : 0) + ((code & MARK) != 0 ? 2 : 0);
  int row = occupant == MAN ? 1 : occupant == BOX ? 2 : 0;
  return Tile{column, row};
}

CounterTexts counterTexts(const RoomRecord& room, std::int32_t moveCount) {
  return CounterTexts{std::to_string(moveCount),
                      std::to_string(countBoxesOnGoals(room)) + "/" + std::to_string(goalCount(room))};
}

void drawCell(TileCanvas& target, SpriteSheet sheet, int cell, std::int32_t code) {
  target.drawnCells()[cell] = code;
  if (std::optional<Tile> tile = tileOf(code)) {
    const int size = tileSize(sheet);
    target.drawTile(sheet, *tile, (cell % kColumns) * size, (cell / kColumns) * size);
  }
}

CounterTexts drawRoom(TileCanvas& target, SpriteSheet sheet, const RoomRecord& room, std::int32_t moveCount) {
  for (int cell = 0; cell < kPlayableCells; ++cell) drawCell(target, sheet, cell, room.cells[cell]);
  return counterTexts(room, moveCount);
}

CounterTexts redrawChangedCells(TileCanvas& target, const RoomRecord& curRoom, std::int32_t moveCount) {
  DrawnCells& drawn = target.drawnCells();
  for (int cell = 0; cell < kPlayableCells; ++cell) {
    const std::int32_t code = curRoom.cells[cell];
    if (code == drawn[cell]) continue;
    // Outside cells and walls never change in play.
    if (code == OUTSIDE || (code | MARK) == WALL + MARK) {
      drawn[cell] = code;
      continue;
    }
    drawCell(target, SpriteSheet::Large, cell, code);
  }
  return counterTexts(curRoom, moveCount);
}

}  // namespace tarvo
