// The pushes a search tries from a position: those that can still lead to a solution as far as
// one cell and one box can tell.
#pragma once

#include <array>

#include "solver/frozen_boxes.h"
#include "solver/layout.h"
#include "solver/walks.h"

namespace tarvo::solver {

// One push a search may try: the box, the direction (an index of kOffsets), the boxes after it
// and the man's walk to the cell behind the box.
struct BoxPush {
  int box = 0;
  int direction = 0;
  CellSet moved;
  int walk = 0;
};

// At most four pushes a box.
struct Pushes {
  std::array<BoxPush, 4 * kCells> list;
  int count = 0;
  const BoxPush* begin() const { return list.data(); }
  const BoxPush* end() const { return list.data() + count; }
};

// Every push of a box that the man can make from `man`: he can walk to the cell behind the box,
// the cell ahead is free, holds no box and is not `dead`, and, unless a box may be spared, the
// push freezes no box off its goal (tests let such pushes through too, with `freeze` false).
// Boxes come in cell order and each box's directions in kOffsets order, so a search meets its
// positions in the same order whatever it does with them.
inline void pushesFrom(const Layout& layout, const CellSet& dead, bool spare, bool freeze, const CellSet& boxes,
                       int man, Pushes& pushes) {
  pushes.count = 0;
  // Whole sets at a time: for each direction, the boxes with a live free cell ahead and a free
  // cell behind, and the cells behind them, where the walk must reach.
  const CellSet open = layout.free.without(boxes);
  const CellSet ahead = open.without(dead);
  std::array<CellSet, 4> pushable;
  CellSet any;
  CellSet stands;
  for (std::size_t d = 0; d < 4; ++d) {
    const int offset = kOffsets[d];
    pushable[d] = boxes & ahead.shifted(-offset) & open.shifted(offset);
    any = any | pushable[d];
    stands = stands | pushable[d].shifted(-offset);
  }
  if (any.none()) return;
  const Walks walks(layout, boxes, man, stands);
  any.forEach([&](int box) {
    for (std::size_t d = 0; d < 4; ++d) {
      const int stand = box - kOffsets[d];
      if (!pushable[d].test(box) || !walks.reaches(stand)) continue;
      const int target = box + kOffsets[d];
      BoxPush& push = pushes.list[static_cast<std::size_t>(pushes.count)];
      push.moved = boxes;
      push.moved.reset(box);
      push.moved.set(target);
      if (!spare && freeze && freezesOffGoal(layout, dead, push.moved, target)) continue;
      push.box = box;
      push.direction = static_cast<int>(d);
      push.walk = walks.distance(stand);
      ++pushes.count;
    }
  });
}

}  // namespace tarvo::solver
