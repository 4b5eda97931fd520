// The push path is a search over (box cell, man cell) by pushes and then moves; a room of 100 cells
// has at most 10,000 such positions, so a plain priority queue serves.
#include "solver/push_path.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <queue>
#include <tuple>
#include <utility>
#include <vector>

#include "solver/walks.h"

namespace tarvo::solver {

std::optional<std::string> walkPath(const Snapshot& snapshot, int target) {
  const Layout layout = layoutOf(snapshot);
  if (layout.man < 0 || !layout.isFree(target)) return std::nullopt;
  const Walks walks(layout, layout.boxes, layout.man);
  if (!walks.reaches(target)) return std::nullopt;
  return walks.pathTo(target);
}

namespace {

struct Reached {
  int pushes = -1;  // -1: not reached
  int moves = 0;
  int parent = -1;  // the position before the last push
  int stand = -1;   // where the man stood for that push
  int direction = 0;
};

int positionOf(int box, int man) { return box * kCells + man; }

}  // namespace

std::optional<std::string> pushPath(const Snapshot& snapshot, int box, int target) {
  const Layout layout = layoutOf(snapshot);
  if (layout.man < 0 || box < 0 || box >= kCells || !layout.boxes.test(box) || !layout.isFree(target)) {
    return std::nullopt;
  }
  if (box == target) return std::string();
  CellSet others = layout.boxes;
  others.reset(box);
  if (others.test(target)) return std::nullopt;

  std::vector<Reached> reached(kCells * kCells);
  using Entry = std::tuple<int, int, int>;  // pushes, moves, position: least first
  std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
  const int start = positionOf(box, layout.man);
  reached[static_cast<std::size_t>(start)] = Reached{0, 0, -1, -1, 0};
  open.emplace(0, 0, start);
  while (!open.empty()) {
    const auto [pushes, moves, position] = open.top();
    open.pop();
    const Reached& here = reached[static_cast<std::size_t>(position)];
    if (here.pushes != pushes || here.moves != moves) continue;  // reached better since
    const int at = position / kCells;
    if (at == target) {
      // Back through the pushes, each walk from the man's cell before it.
      std::string steps;
      for (int p = position; reached[static_cast<std::size_t>(p)].parent >= 0;) {
        const Reached& step = reached[static_cast<std::size_t>(p)];
        CellSet boxes = others;
        boxes.set(step.parent / kCells);
        const Walks walks(layout, boxes, step.parent % kCells);
        std::string leg = walks.pathTo(step.stand);
        leg += kPushLetters[static_cast<std::size_t>(step.direction)];
        steps.insert(0, leg);
        p = step.parent;
      }
      return steps;
    }
    CellSet boxes = others;
    boxes.set(at);
    const Walks walks(layout, boxes, position % kCells);
    for (int d = 0; d < 4; ++d) {
      const int stand = layout.step(at, d ^ 1);
      const int to = layout.step(at, d);
      if (stand < 0 || to < 0 || others.test(to) || !walks.reaches(stand)) continue;
      const int next = positionOf(to, at);
      const int nextMoves = moves + walks.distance(stand) + 1;
      Reached& known = reached[static_cast<std::size_t>(next)];
      if (known.pushes >= 0 && std::make_pair(known.pushes, known.moves) <= std::make_pair(pushes + 1, nextMoves)) {
        continue;
      }
      known = Reached{pushes + 1, nextMoves, position, stand, d};
      open.emplace(pushes + 1, nextMoves, next);
    }
  }
  return std::nullopt;
}

Pointing pointAt(const Snapshot& snapshot, std::optional<int> selected, int cell) {
  if (selected == cell) return {};
  if (cell >= 0 && cell < kCells && layoutOf(snapshot).boxes.test(cell)) return {cell, {}};
  const std::optional<std::string> steps = selected ? pushPath(snapshot, *selected, cell) : walkPath(snapshot, cell);
  return {std::nullopt, steps.value_or(std::string())};
}

}  // namespace tarvo::solver
