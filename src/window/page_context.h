// What the main window lends its pages: the game state, the clock, the sprite sheets and the
// file dialogs that remember one folder for opening and saving.
#pragma once

#include <cstdint>
#include <functional>

#include "rules/game_state.h"

namespace tarvo {

class FileDialogs;
class SpriteSheets;

struct PageContext {
  GameState& state;
  std::function<std::int64_t()> clock;  // milliseconds of a monotonic clock
  const SpriteSheets& sheets;
  FileDialogs& dialogs;

  std::int64_t now() const { return clock(); }
};

}  // namespace tarvo
