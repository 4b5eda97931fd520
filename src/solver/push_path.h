// Where a player points: the man's shortest walk to a cell, and the best way to push one box to a cell while every
// other box stays where it is.
#pragma once

#include <optional>
#include <string>

#include "solver/layout.h"

namespace tarvo::solver {

// The letters "udrl" of a shortest walk of the man to `target` among the boxes; empty when he
// stands there; nothing when he cannot get there.
std::optional<std::string> walkPath(const Snapshot& snapshot, int target);

// The steps that bring the box on `box` to `target` with the fewest pushes and, among those,
// the fewest moves, pushing no other box; nothing when it cannot be done (or `box` holds no
// movable box). Empty when the box is already there.
std::optional<std::string> pushPath(const Snapshot& snapshot, int box, int target);

// What a click on a cell of the board asks for: the box chosen afterwards, if any, and the steps
// to play (a walk, or the push of the box chosen before), empty when nothing moves.
struct Pointing {
  std::optional<int> selected;
  std::string steps;
};

// A click on `cell` while `selected` names the box chosen by an earlier click (or nothing). A
// box is chosen by a click on it and let go by a second one; a click on another box chooses that
// one instead. With a box chosen, any other cell is where to push it; without one, where to walk.
// A cell that cannot be reached that way lets the box go and moves nothing.
Pointing pointAt(const Snapshot& snapshot, std::optional<int> selected, int cell);

}  // namespace tarvo::solver
