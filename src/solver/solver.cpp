// Push-optimal search: layers of positions by push count, walking between pushes by BFS.
#include "solver/solver.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

namespace tarvo::solver {

namespace {

// A position after a push: where the boxes stand and the man's exact cell.
struct Key {
  BoxSet boxes;
  std::uint8_t man = 0;
  bool operator==(const Key&) const = default;
};

struct KeyHash {
  std::size_t operator()(const Key& key) const { return std::hash<BoxSet>{}(key.boxes) * 31u + key.man; }
};

struct Node {
  Key key;
  int parent = -1;
  int moves = 0;
  int pushes = 0;
  std::int8_t boxFrom = -1;  // the cell of the pushed box before the push
  std::int8_t direction = -1;
};

// Shortest walks of the man among the boxes; `from` keeps the direction that led to each cell.
struct Walks {
  std::array<int, kCells> distance;
  std::array<std::int8_t, kCells> from;
};

class Search {
 public:
  explicit Search(const Board& board) : board_(board), region_(manRegion(board)) { findDeadCells(); }

  SolveResult run(std::size_t stateLimit) {
    SolveResult result;
    addNode(Node{Key{board_.boxes, static_cast<std::uint8_t>(board_.man)}});
    std::vector<int> layer{0};
    while (!layer.empty()) {
      int best = -1;
      for (int id : layer) {
        if (isSolved(nodes_[id].key) && (best < 0 || nodes_[id].moves < nodes_[best].moves)) best = id;
      }
      if (best >= 0) {
        result.outcome = Outcome::Solved;
        result.solution = rebuild(best);
        break;
      }
      layer = expand(layer);
      if (nodes_.size() > stateLimit) {
        result.outcome = Outcome::LimitReached;
        break;
      }
    }
    result.states = nodes_.size();
    return result;
  }

 private:
  bool open(int cell) const { return region_.test(cell) && board_.ground[cell] != Ground::Wall; }

  bool isSolved(const Key& key) const { return (key.boxes & ~board_.goals).none(); }

  // A box on a dead cell can never reach a goal: walk back from every goal by pulls.
  void findDeadCells() {
    BoxSet live;
    std::vector<int> todo;
    for (int cell = 0; cell < kCells; ++cell) {
      if (board_.goals.test(cell) && open(cell)) {
        live.set(cell);
        todo.push_back(cell);
      }
    }
    while (!todo.empty()) {
      int cell = todo.back();
      todo.pop_back();
      for (int offset : kOffsets) {
        int before = cell - offset;      // the box came from here...
        int pusher = cell - 2 * offset;  // ...pushed by the man standing here
        if (open(before) && open(pusher) && !live.test(before)) {
          live.set(before);
          todo.push_back(before);
        }
      }
    }
    dead_ = ~live;
  }

  // Four boxes or walls in a square can never move again; with a box off its goal among
  // them the room is lost.
  bool frozenSquare(const BoxSet& boxes, int cell) const {
    for (int top : {cell, cell - kSide}) {
      for (int left : {top, top - 1}) {
        bool allStuck = true;
        bool offGoal = false;
        for (int square : {left, left + 1, left + kSide, left + kSide + 1}) {
          bool box = boxes.test(square);
          if (!box && open(square)) allStuck = false;
          if (box && !board_.goals.test(square)) offGoal = true;
        }
        if (allStuck && offGoal) return true;
      }
    }
    return false;
  }

  Walks walk(const BoxSet& boxes, int man) const {
    Walks walks;
    walks.distance.fill(-1);
    walks.from.fill(-1);
    std::vector<int> queue{man};
    walks.distance[man] = 0;
    for (std::size_t head = 0; head < queue.size(); ++head) {
      int cell = queue[head];
      for (int d = 0; d < 4; ++d) {
        int next = cell + kOffsets[d];
        if (open(next) && !boxes.test(next) && walks.distance[next] < 0) {
          walks.distance[next] = walks.distance[cell] + 1;
          walks.from[next] = static_cast<std::int8_t>(d);
          queue.push_back(next);
        }
      }
    }
    return walks;
  }

  void addNode(const Node& node) {
    index_.emplace(node.key, static_cast<int>(nodes_.size()));
    nodes_.push_back(node);
  }

  std::vector<int> expand(const std::vector<int>& layer) {
    std::vector<int> next;
    for (int id : layer) {
      const Node parent = nodes_[id];  // a copy: nodes_ grows below
      const BoxSet& boxes = parent.key.boxes;
      Walks walks = walk(boxes, parent.key.man);
      for (int box = 0; box < kCells; ++box) {
        if (!boxes.test(box)) continue;
        for (int d = 0; d < 4; ++d) {
          int stand = box - kOffsets[d];
          int target = box + kOffsets[d];
          if (!open(stand) || walks.distance[stand] < 0) continue;
          if (!open(target) || boxes.test(target) || dead_.test(target)) continue;
          BoxSet moved = boxes;
          moved.reset(box);
          moved.set(target);
          if (frozenSquare(moved, target)) continue;
          Node child{Key{moved, static_cast<std::uint8_t>(box)},
                     id,
                     parent.moves + walks.distance[stand] + 1,
                     parent.pushes + 1,
                     static_cast<std::int8_t>(box),
                     static_cast<std::int8_t>(d)};
          auto found = index_.find(child.key);
          if (found == index_.end()) {
            next.push_back(static_cast<int>(nodes_.size()));
            addNode(child);
          } else {
            Node& known = nodes_[found->second];
            if (known.pushes == child.pushes && child.moves < known.moves) known = child;
          }
        }
      }
    }
    return next;
  }

  Solution rebuild(int id) const {
    std::vector<int> chain;
    for (int at = id; at >= 0; at = nodes_[at].parent) chain.push_back(at);
    std::reverse(chain.begin(), chain.end());
    Solution solution;
    for (std::size_t i = 1; i < chain.size(); ++i) {
      const Node& before = nodes_[chain[i - 1]];
      const Node& push = nodes_[chain[i]];
      int stand = push.boxFrom - kOffsets[push.direction];
      Walks walks = walk(before.key.boxes, before.key.man);
      std::string path;
      for (int cell = stand; cell != before.key.man; cell -= kOffsets[walks.from[cell]]) {
        path += kWalkLetters[walks.from[cell]];
      }
      std::reverse(path.begin(), path.end());
      solution.steps += path;
      solution.steps += kPushLetters[push.direction];
    }
    solution.pushes = static_cast<int>(chain.size()) - 1;
    solution.moves = static_cast<int>(solution.steps.size());
    return solution;
  }

  const Board& board_;
  BoxSet region_;
  BoxSet dead_;
  std::vector<Node> nodes_;
  std::unordered_map<Key, int, KeyHash> index_;
};

}  // namespace

SolveResult solve(const Board& board, std::size_t stateLimit) { return Search(board).run(stateLimit); }

}  // namespace tarvo::solver
