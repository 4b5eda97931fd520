// The editor's palette and canvas: choosing a code for each mouse button and painting cells.
#pragma once

#include <cstdint>
#include <optional>

#include "rules/game_state.h"
#include "rules/mouse_buttons.h"

namespace tarvo {

// The code a palette slot (column 0..3, row 0..2) carries; blank slots and points outside the
// palette carry none.
std::optional<std::int32_t> paletteCode(int column, int row);

// A press with the left or right button at (x, y), in pixels from the palette's corner:
// that button's code becomes the slot's. Returns the code chosen, or nothing when the button
// or the point chooses none.
std::optional<std::int32_t> choosePaletteCode(GameState& state, int button, int x, int y);

// The canvas cell under (x, y), in pixels from the drawing area's corner (32-pixel tiles, the
// fraction dropped toward zero, so a point a little left of or above the area is in column or
// row 0), or nothing past the 10 x 10 cells.
std::optional<int> canvasCell(int x, int y);

// A press on the editor's canvas: the cell of its room takes the button's code; a man code also
// places the man.
// Returns the cell painted, or nothing (another button, a point off the cells).
std::optional<int> paintWithPress(GameState& state, int button, int x, int y);

// A drag over the canvas while `buttons` are held: paints like a press when exactly the left
// or the right button is held, and never moves the man.
std::optional<int> paintWithDrag(GameState& state, int buttons, int x, int y);

}  // namespace tarvo
