// The editor's palette and canvas: choosing a code for each of the two brushes and painting cells.
#include "editor/canvas.h"

namespace tarvo {

namespace {

constexpr int kTile = 32;

std::optional<int> paint(RoomRecord& room, std::int32_t code, int x, int y, bool placesMan) {
  const std::optional<int> cell = canvasCell(x, y);
  if (!cell) return std::nullopt;
  room.cells[*cell] = code;
  if (placesMan && isManCode(code)) room.man = *cell;
  return cell;
}

}  // namespace

std::optional<std::int32_t> paletteCode(int column, int row) {
  if (column < 0 || column > 3 || row < 0 || row > 2) return std::nullopt;
  if (row == 0) {
    constexpr std::int32_t kTopRow[] = {OUTSIDE, WALL, FLOOR, GOAL};
    return kTopRow[column];
  }
  if (column < 2) return std::nullopt;  // blank slots
  const std::int32_t occupant = row == 1 ? MAN : BOX;
  return occupant + (column == 3 ? GOAL : FLOOR);
}

std::optional<std::int32_t> choosePaletteCode(Palette& palette, Brush brush, int x, int y) {
  const std::optional<std::int32_t> code = paletteCode(x / kTile, y / kTile);
  if (code) palette.codes[brush == Brush::Left ? 0 : 1] = *code;
  return code;
}

std::optional<int> canvasCell(int x, int y) {
  // Division in C++ drops the fraction toward zero: -31..-1 give column 0.
  const int column = x / kTile;
  const int row = y / kTile;
  if (column < 0 || column >= kColumns || row < 0 || row >= kRows) return std::nullopt;
  return cellIndex(row, column);
}

std::optional<int> paintWithPress(RoomRecord& room, std::int32_t code, int x, int y) {
  return paint(room, code, x, y, true);
}

std::optional<int> paintWithDrag(RoomRecord& room, std::int32_t code, int x, int y) {
  return paint(room, code, x, y, false);
}

}  // namespace tarvo
