// What the main window lends its pages: the game state, the clock, the sprite sheets, the file
// dialogs that remember one folder for opening and saving, and the bounds of the solver's help.
#pragma once

#include <cstdint>
#include <functional>

#include "rules/game_state.h"
#include "solver/solver.h"

namespace tarvo {

class FileDialogs;
class SpriteSheets;

struct PageContext {
  GameState& state;
  std::function<std::int64_t()> clock;  // milliseconds of a monotonic clock
  const SpriteSheets& sheets;
  FileDialogs& dialogs;
  const solver::Budget& budget;

  std::int64_t now() const { return clock(); }
};

}  // namespace tarvo
