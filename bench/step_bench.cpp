// One key press of play: a step of the man and the repaint of the cells it changed.
#include <benchmark/benchmark.h>

#include "rules/drawing.h"
#include "rules/play.h"

namespace tarvo::bench {

namespace {

// Stands for the board: counts the tiles it is asked to paint.
class CountingCanvas : public TileCanvas {
 public:
  void drawTile(SpriteSheet, Tile, int, int) override { ++painted; }
  std::int64_t painted = 0;
};

// A closed room with a free corridor: the man walks right and left along row 4, and one
// of the cells he crosses is a forbidden place, as in a room with help marks.
GameState corridorGame() {
  GameState state;
  initRules(state);
  RoomRecord& room = state.house.rooms[0];
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      bool wall = row == 0 || row == kRows - 1 || column == 0 || column == kColumns - 1;
      room.cells[cellIndex(row, column)] = wall ? WALL : FLOOR;
    }
  }
  room.cells[cellIndex(2, 2)] = BOX;
  room.cells[cellIndex(2, 6)] = GOAL;
  room.goals->push_back(cellIndex(2, 6));
  room.man = cellIndex(4, 4);
  room.cells[room.man] = MAN;
  room.forbPlaceCount = 1;
  room.forbPlaces[1] = cellIndex(4, 5);
  startRoom(state, 0);
  return state;
}

void BM_StepAndRedraw(benchmark::State& state) {
  GameState game = corridorGame();
  CountingCanvas canvas;
  drawRoom(canvas, SpriteSheet::Large, game.curRoom, 0);
  canvas.painted = 0;
  bool right = true;
  for (auto _ : state) {
    if (playStep(game, right ? Direction::Right : Direction::Left).step != StepKind::Walk) {
      state.SkipWithError("the man did not walk");
      break;
    }
    CounterTexts texts = redrawChangedCells(canvas, game.curRoom, game.counters.moveCount);
    benchmark::DoNotOptimize(texts);
    right = !right;
    // Keep the undo list and history from growing for millions of steps; cleared rarely
    // enough to cost nothing per step.
    if (game.undoSteps.size() >= 4096) startRoom(game, 0);
  }
  state.counters["tiles_per_step"] =
      state.iterations() > 0 ? static_cast<double>(canvas.painted) / static_cast<double>(state.iterations()) : 0.0;
}

}  // namespace

BENCHMARK(BM_StepAndRedraw)->Unit(benchmark::kNanosecond);

}  // namespace tarvo::bench
