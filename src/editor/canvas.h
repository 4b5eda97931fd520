// The editor's palette and canvas: choosing a code for each of the two brushes and painting cells.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "rules/room.h"

namespace tarvo {

// The editor paints with two brushes, one for each of the two mouse buttons that paint.
enum class Brush { Left, Right };

// The code each brush carries; both paint floor until the palette gives them another.
struct Palette {
  std::array<std::int32_t, 2> codes{FLOOR, FLOOR};

  std::int32_t code(Brush brush) const { return codes[brush == Brush::Left ? 0 : 1]; }
};

// The code a palette slot (column 0..3, row 0..2) carries; blank slots and points outside the
// palette carry none.
std::optional<std::int32_t> paletteCode(int column, int row);

// A press of a brush's button at (x, y), in pixels from the palette's corner: that brush's code
// becomes the slot's. Returns the code chosen, or nothing when the point chooses none.
std::optional<std::int32_t> choosePaletteCode(Palette& palette, Brush brush, int x, int y);

// The canvas cell under (x, y), in pixels from the drawing area's corner (32-pixel tiles, the
// fraction dropped toward zero, so a point a little left of or above the area is in column or
// row 0), or nothing past the 10 x 10 cells.
std::optional<int> canvasCell(int x, int y);

// A press on the editor's canvas: the cell under (x, y) takes `code`; a man code also places
// the man. Returns the cell painted, or nothing for a point off the cells.
std::optional<int> paintWithPress(RoomRecord& room, std::int32_t code, int x, int y);

// A drag over the canvas: paints like a press but never moves the man.
std::optional<int> paintWithDrag(RoomRecord& room, std::int32_t code, int x, int y);

}  // namespace tarvo
