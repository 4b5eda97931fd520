// Painting rooms from a sprite sheet through a tile canvas, with a drawn-cell cache per picture.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "rules/room.h"

namespace tarvo {

// The two sprite sheets share one layout of 6 x 3 tiles; the value is the tile size in pixels.
enum class SpriteSheet : int { Small = 8, Large = 32 };

constexpr int tileSize(SpriteSheet sheet) { return static_cast<int>(sheet); }

struct Tile {
  int column = 0;
  int row = 0;
  bool operator==(const Tile&) const = default;
};

// The tile that shows a cell code; a marked wall shows as a wall. Codes without a tile
// (6, 7, 10, ...) are not painted. This is the one place that knows the sheet layout.
std::optional<Tile> tileOf(std::int32_t code);

// For each cell 0..99 the code last painted on one picture.
class DrawnCells {
 public:
  DrawnCells() { reset(); }
  // Forgets what was painted: the next redraw paints every cell whose code is not -1.
  void reset() { codes_.fill(OUTSIDE); }
  std::int32_t& operator[](int cell) { return codes_[static_cast<std::size_t>(cell)]; }
  std::int32_t operator[](int cell) const { return codes_[static_cast<std::size_t>(cell)]; }

 private:
  std::array<std::int32_t, kPlayableCells> codes_{};
};

// Where a room is painted: copies tile `tile` of `sheet` to the picture at (x, y). Each
// picture keeps its own drawn-cell cache, so painting one never leaves another stale.
class TileCanvas {
 public:
  virtual ~TileCanvas() = default;
  virtual void drawTile(SpriteSheet sheet, Tile tile, int x, int y) = 0;
  DrawnCells& drawnCells() { return drawnCells_; }
  const DrawnCells& drawnCells() const { return drawnCells_; }

 private:
  DrawnCells drawnCells_;
};

// The captions of the move and goal displays after a drawing.
struct CounterTexts {
  std::string moveText;  // the move count in decimal
  std::string goalText;  // boxes on goals "/" goals, e.g. "2/4"
};

CounterTexts counterTexts(const RoomRecord& room, std::int32_t moveCount);

// Paints all 100 cells of `room` and records them in the target's cache.
CounterTexts drawRoom(TileCanvas& target, SpriteSheet sheet, const RoomRecord& room, std::int32_t moveCount);

// Repaints, from the large sheet, only the cells of `curRoom` whose codes differ from the
// target's cache. Walls and outside cells are recorded but never painted here.
CounterTexts redrawChangedCells(TileCanvas& target, const RoomRecord& curRoom, std::int32_t moveCount);

// Paints one cell with the tile of `code` (nothing when it has none) and records it in the
// target's cache.
void drawCell(TileCanvas& target, SpriteSheet sheet, int cell, std::int32_t code);

}  // namespace tarvo
