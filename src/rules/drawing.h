// Painting rooms from a sprite sheet through a tile canvas, with the drawn-cell cache.
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

// The tile that shows a cell code; codes without a tile (3, 6, 7, ...) are not painted.
std::optional<Tile> tileOf(std::int32_t code);

// Where pictures are painted: copy tile `tile` of `sheet` to the picture at (x, y).
class TileCanvas {
 public:
  virtual ~TileCanvas() = default;
  virtual void drawTile(SpriteSheet sheet, Tile tile, int x, int y) = 0;
};

// For each cell 0..99 the code last painted, on whichever picture was painted last.
class DrawnCells {
 public:
  DrawnCells() { reset(); }
  void reset() { codes_.fill(OUTSIDE); }
  std::int32_t& operator[](int cell) { return codes_[static_cast<std::size_t>(cell)]; }
  std::int32_t operator[](int cell) const { return codes_[static_cast<std::size_t>(cell)]; }

 private:
  std::array<std::int32_t, kPlayableCells> codes_{};
};

// The captions of the move and goal displays after a drawing.
struct CounterTexts {
  std::string moveText;  // the move count in decimal
  std::string goalText;  // boxes on goals "/" goals, e.g. "2/4"
};

CounterTexts counterTexts(const RoomRecord& room, std::int32_t moveCount);

// Paints all 100 cells of `room` and records them in `drawnCells`.
CounterTexts drawRoom(TileCanvas& target, SpriteSheet sheet, const RoomRecord& room, DrawnCells& drawnCells,
                      std::int32_t moveCount);

// Repaints, from the large sheet, only the cells of `curRoom` whose codes differ from
// `drawnCells`. Walls and outside cells are recorded but never painted here.
CounterTexts redrawChangedCells(TileCanvas& target, const RoomRecord& curRoom, DrawnCells& drawnCells,
                                std::int32_t moveCount);

}  // namespace tarvo
