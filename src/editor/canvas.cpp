// The editor's palette and canvas: choosing a code for each mouse button and painting cells.
#include "editor/canvas.h"

namespace tarvo {

namespace {

constexpr int kTile = 32;

std::optional<std::size_t> buttonSlot(int button) {
  if (button == kLeftButton) return 0;
  if (button == kRightButton) return 1;
  return std::nullopt;
}

std::optional<int> paint(GameState& state, int button, int x, int y, bool placesMan) {
  const std::optional<std::size_t> slot = buttonSlot(button);
  const std::optional<int> cell = canvasCell(x, y);
  if (!slot || !cell) return std::nullopt;
  const std::int32_t code = state.spriteCode[*slot];
  RoomRecord& room = state.editRoom.room;
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

std::optional<std::int32_t> choosePaletteCode(GameState& state, int button, int x, int y) {
  const std::optional<std::size_t> slot = buttonSlot(button);
  const std::optional<std::int32_t> code = paletteCode(x / kTile, y / kTile);
  if (!slot || !code) return std::nullopt;
  state.spriteCode[*slot] = *code;
  return code;
}

std::optional<int> canvasCell(int x, int y) {
  // Division in C++ drops the fraction toward zero: -31..-1 give column 0.
  const int column = x / kTile;
  const int row = y / kTile;
  if (column < 0 || column >= kColumns || row < 0 || row >= kRows) return std::nullopt;
  return cellIndex(row, column);
}

std::optional<int> paintWithPress(GameState& state, int button, int x, int y) {
  return paint(state, button, x, y, true);
}

std::optional<int> paintWithDrag(GameState& state, int buttons, int x, int y) {
  return paint(state, buttons, x, y, false);
}

}  // namespace tarvo
