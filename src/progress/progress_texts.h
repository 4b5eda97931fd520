// What the game says of the player's progress, wherever it says it.
#pragma once

#include <cstdint>
#include <string>

#include "progress/progress_store.h"

namespace tarvo {

// A preview's and a chooser row's tooltip: "solved 3 times; best 43 moves, 12 pushes, 00:31".
std::string progressSummary(const RoomProgress& progress);

// The line above the board at the start of a solved room: "solved before: best 43 moves,
// 12 pushes".
std::string solvedBeforeNote(const RoomProgress& progress);

// The offer of a game left unfinished: "an unfinished game of 37 moves: Ctrl+Shift+R to go on".
std::string unfinishedOffer(const UnfinishedGame& game);

}  // namespace tarvo
