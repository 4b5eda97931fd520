// The tests' own simulator and brute-force optimum.
#include "replay.h"

#include <map>
#include <queue>
#include <set>

namespace tarvo::solver::check {

namespace {

int manCell(const Grid& grid) {
  for (int cell = 0; cell < 100; ++cell) {
    char c = grid[cell / 10][cell % 10];
    if (c == '@' || c == '+') return cell;
  }
  return -1;
}

char& at(Grid& grid, int cell) { return grid[cell / 10][cell % 10]; }

bool isFree(char c) { return c == ' ' || c == '.'; }
bool isBox(char c) { return c == '$' || c == '*'; }
bool isGoal(char c) { return c == '.' || c == '+' || c == '*'; }

// A step stays on the board; a closed room never lets the man near the edge anyway.
bool onBoard(int cell) { return cell >= 0 && cell < 100; }

}  // namespace

Grid makeGrid(const std::vector<std::string>& rows) {
  Grid grid(rows.begin(), rows.end());
  grid.resize(10);
  for (std::string& row : grid) row.resize(10, ' ');
  return grid;
}

bool applyStep(Grid& grid, char letter) {
  static const std::string walks = "udrl";
  static const std::string pushes = "UDRL";
  static const int offsets[] = {-10, 10, 1, -1};
  std::size_t d = walks.find(letter);
  bool push = d == std::string::npos;
  if (push) d = pushes.find(letter);
  if (d == std::string::npos) return false;
  int man = manCell(grid);
  int target = man + offsets[d];
  int beyond = target + offsets[d];
  if (man < 0 || !onBoard(target)) return false;
  if (push) {
    if (!isBox(at(grid, target)) || !onBoard(beyond) || !isFree(at(grid, beyond))) return false;
    at(grid, beyond) = at(grid, beyond) == '.' ? '*' : '$';
    at(grid, target) = at(grid, target) == '*' ? '.' : ' ';
  } else if (!isFree(at(grid, target))) {
    return false;
  }
  at(grid, target) = at(grid, target) == '.' ? '+' : '@';
  at(grid, man) = at(grid, man) == '+' ? '.' : ' ';
  return true;
}

Replay replay(Grid grid, const std::string& steps) {
  Replay result;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    if (!applyStep(grid, steps[i])) {
      result.everyStepMoved = false;
      result.failedStep = static_cast<int>(i);
      return result;
    }
    if (steps[i] >= 'A' && steps[i] <= 'Z') ++result.pushes;
  }
  result.solved = isSolved(grid);
  return result;
}

bool isSolved(const Grid& grid) {
  for (const std::string& row : grid) {
    for (char c : row) {
      if (isGoal(c) && c != '*') return false;
    }
  }
  return true;
}

bool manCanLeave(const Grid& grid) {
  std::set<int> seen{manCell(grid)};
  std::vector<int> todo{manCell(grid)};
  while (!todo.empty()) {
    int cell = todo.back();
    todo.pop_back();
    int row = cell / 10;
    int column = cell % 10;
    if (row == 0 || row == 9 || column == 0 || column == 9 || grid[row][column] == '-') return true;
    for (int next : {cell - 10, cell + 10, cell + 1, cell - 1}) {
      if (grid[next / 10][next % 10] != '#' && seen.insert(next).second) todo.push_back(next);
    }
  }
  return false;
}

std::pair<int, int> bruteForceOptimum(const Grid& grid) {
  using Cost = std::pair<int, int>;  // pushes, then moves
  using Entry = std::pair<Cost, Grid>;
  std::priority_queue<Entry, std::vector<Entry>, std::greater<>> queue;
  std::map<Grid, Cost> best{{grid, {0, 0}}};
  queue.push({{0, 0}, grid});
  while (!queue.empty()) {
    auto [cost, current] = queue.top();
    queue.pop();
    if (best[current] < cost) continue;
    if (isSolved(current)) return cost;
    for (char letter : std::string("udrlUDRL")) {
      Grid next = current;
      if (!applyStep(next, letter)) continue;
      Cost nextCost{cost.first + (letter < 'a' ? 1 : 0), cost.second + 1};
      auto found = best.find(next);
      if (found == best.end() || nextCost < found->second) {
        best[next] = nextCost;
        queue.push({nextCost, next});
      }
    }
  }
  return {-1, -1};
}

}  // namespace tarvo::solver::check
