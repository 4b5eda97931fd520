// The man's steps and pushes, and taking them back.
#pragma once

#include <cstdint>

#include "rules/game_state.h"

namespace tarvo {

enum class StepKind { None, Walk, Push };

// One step of the man on state.curRoom for a direction key code (keyUp, keyDown, keyRight,
// keyLeft). Any other key, a blocked step, or a room whose `man` does not name the man's cell
// changes nothing. A step drops what could have been redone.
StepKind stepMan(GameState& state, int keyCode);

// The key code of a step letter ("u", "D", ...), or 0 for any other character.
int keyCodeOfLetter(char letter);

// Takes back the last step made since the board was loaded: the man steps back, a pushed box
// comes back with him, couple marks are refreshed, the count and history lose the step.
// Returns false when there is nothing to undo.
bool undoStep(GameState& state);

// Makes the last undone step again as a normal step. Returns what it did.
StepKind redoStep(GameState& state);

// Forgets what can be undone or redone (the board now shows the stored room).
void clearUndo(GameState& state);

}  // namespace tarvo
