// What the main window lends its pages: the owner of the game's state, the sprite sheets, the
// file dialogs that remember one folder for opening and saving, the bounds of the solver's help,
// and the player's progress.
#pragma once

#include <cstdint>

#include "solver/solver.h"

namespace tarvo {

class FileDialogs;
class GameSession;
class PlayerProgress;
class SpriteSheets;

struct PageContext {
  GameSession& session;
  const SpriteSheets& sheets;
  FileDialogs& dialogs;
  const solver::Budget& budget;
  PlayerProgress& progress;
};

}  // namespace tarvo
