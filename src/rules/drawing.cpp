// Painting rooms from a sprite sheet through a tile canvas, with the drawn-cell cache.
#include "rules/drawing.h"

namespace tarvo {

std::optional<Tile> tileOf(std::int32_t code) {
  if (code == OUTSIDE) return Tile{0, 0};
  if (code == WALL) return Tile{1, 0};
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

namespace {

void paintCell(TileCanvas& target, SpriteSheet sheet, int cell, Tile tile) {
  int size = tileSize(sheet);
  target.drawTile(sheet, tile, (cell % kColumns) * size, (cell / kColumns) * size);
}

}  // namespace

CounterTexts drawRoom(TileCanvas& target, SpriteSheet sheet, const RoomRecord& room, DrawnCells& drawnCells,
                      std::int32_t moveCount) {
  for (int cell = 0; cell < kPlayableCells; ++cell) {
    std::int32_t code = room.cells[cell];
    drawnCells[cell] = code;
    if (std::optional<Tile> tile = tileOf(code)) paintCell(target, sheet, cell, *tile);
  }
  return counterTexts(room, moveCount);
}

CounterTexts redrawChangedCells(TileCanvas& target, const RoomRecord& curRoom, DrawnCells& drawnCells,
                                std::int32_t moveCount) {
  for (int cell = 0; cell < kPlayableCells; ++cell) {
    std::int32_t code = curRoom.cells[cell];
    if (code == drawnCells[cell]) continue;
    drawnCells[cell] = code;
    if (code == OUTSIDE || code == WALL) continue;
    if (std::optional<Tile> tile = tileOf(code)) paintCell(target, SpriteSheet::Large, cell, *tile);
  }
  return counterTexts(curRoom, moveCount);
}

}  // namespace tarvo
