// A box is pinned on an axis when a wall stands on either side, when both sides are dead
// cells, or when a box beside it is itself frozen while this one counts as a wall: until
// one of the pair moves, neither can.
#include "solver/frozen_boxes.h"

namespace tarvo::solver {

namespace {

class Freeze {
 public:
  Freeze(const Layout& layout, const CellSet& dead, const CellSet& boxes)
      : layout_(layout), dead_(dead), boxes_(boxes) {}

  // Whether the box on `cell` is frozen, given that the boxes being checked below it on the
  // way here stay put; `offGoal` gains whether it or a box it leans on is off its goal.
  bool frozen(int cell, bool& offGoal) {
    asWall_.set(cell);
    bool leansOffGoal = false;
    const bool pinned = pinnedOnAxis(cell, 0, leansOffGoal) && pinnedOnAxis(cell, 2, leansOffGoal);
    asWall_.reset(cell);
    if (pinned) offGoal = offGoal || leansOffGoal || !layout_.goals.test(cell);
    return pinned;
  }

 private:
  // The axis of directions `first` and `first + 1`: up and down, or right and left.
  bool pinnedOnAxis(int cell, int first, bool& leansOffGoal) {
    const int a = cell + kOffsets[static_cast<std::size_t>(first)];
    const int b = cell + kOffsets[static_cast<std::size_t>(first + 1)];
    if (!layout_.isFree(a) || asWall_.test(a) || !layout_.isFree(b) || asWall_.test(b)) return true;
    if (dead_.test(a) && dead_.test(b)) return true;
    for (int side : {a, b}) {
      bool offGoal = false;
      if (boxes_.test(side) && frozen(side, offGoal)) {
        leansOffGoal = leansOffGoal || offGoal;
        return true;
      }
    }
    return false;
  }

  const Layout& layout_;
  const CellSet& dead_;
  const CellSet& boxes_;
  CellSet asWall_;  // the boxes on the way here, held in place
};

}  // namespace

bool freezesOffGoal(const Layout& layout, const CellSet& dead, const CellSet& boxes, int cell) {
  bool offGoal = false;
  return Freeze(layout, dead, boxes).frozen(cell, offGoal) && offGoal;
}

}  // namespace tarvo::solver
