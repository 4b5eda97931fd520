// tarvo_open_rooms: writes open rooms for the solver benchmark, as a list of ten-row rooms on
// standard output: 10 x 10 cells walled round, at most five walls inside, 8 to 14 boxes. Each
// room starts solved and the man then pulls boxes away from their goals at random, so every
// room has a solution: its pulls played back as pushes. The seed fixes the rooms.
//
// Usage: tarvo_open_rooms [COUNT [SEED]]   (default 60 rooms, seed 1)
#include <algorithm>
#include <array>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kSide = 10;
constexpr int kCells = kSide * kSide;
constexpr std::array<int, 4> kOffsets = {-kSide, kSide, 1, -1};

struct Room {
  std::array<bool, kCells> wall{};
  std::array<bool, kCells> goal{};
  std::array<bool, kCells> box{};
  int man = 0;
};

bool open(const Room& room, int cell) { return cell >= 0 && cell < kCells && !room.wall[cell] && !room.box[cell]; }

// The cells the man reaches without moving a box.
std::array<bool, kCells> reach(const Room& room) {
  std::array<bool, kCells> seen{};
  std::vector<int> queue{room.man};
  seen[static_cast<std::size_t>(room.man)] = true;
  for (std::size_t head = 0; head < queue.size(); ++head) {
    for (int offset : kOffsets) {
      const int next = queue[head] + offset;
      if (open(room, next) && !seen[static_cast<std::size_t>(next)]) {
        seen[static_cast<std::size_t>(next)] = true;
        queue.push_back(next);
      }
    }
  }
  return seen;
}

Room makeRoom(std::mt19937& random) {
  auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  Room room;
  std::vector<int> inside;
  for (int cell = 0; cell < kCells; ++cell) {
    const int row = cell / kSide, column = cell % kSide;
    const bool border = row == 0 || row == kSide - 1 || column == 0 || column == kSide - 1;
    room.wall[static_cast<std::size_t>(cell)] = border;
    if (!border) inside.push_back(cell);
  }
  std::shuffle(inside.begin(), inside.end(), random);
  const int walls = below(6), boxes = 8 + below(7);
  std::size_t next = 0;
  for (int k = 0; k < walls; ++k) room.wall[static_cast<std::size_t>(inside[next++])] = true;
  for (int k = 0; k < boxes; ++k) {
    const auto cell = static_cast<std::size_t>(inside[next++]);
    room.goal[cell] = room.box[cell] = true;
  }
  room.man = inside[next];
  // Pulls: the man stands beside a box, steps back, and the box follows him.
  for (int pull = 0; pull < 1000; ++pull) {
    const std::array<bool, kCells> reached = reach(room);
    std::vector<std::pair<int, int>> pulls;  // box, offset from the box to the man
    for (int cell = 0; cell < kCells; ++cell) {
      if (!room.box[static_cast<std::size_t>(cell)]) continue;
      for (int offset : kOffsets) {
        const int stand = cell + offset, back = cell + 2 * offset;
        if (open(room, stand) && reached[static_cast<std::size_t>(stand)] && open(room, back))
          pulls.emplace_back(cell, offset);
      }
    }
    if (pulls.empty()) break;
    const auto [cell, offset] = pulls[static_cast<std::size_t>(below(static_cast<int>(pulls.size())))];
    room.box[static_cast<std::size_t>(cell)] = false;
    room.box[static_cast<std::size_t>(cell + offset)] = true;
    room.man = cell + 2 * offset;
  }
  return room;
}

// A room with most of its boxes off their goals: a room whose man got boxed in early is made
// again.
Room makeOpenRoom(std::mt19937& random) {
  for (;;) {
    const Room room = makeRoom(random);
    int boxes = 0, away = 0;
    for (int cell = 0; cell < kCells; ++cell) {
      boxes += room.box[static_cast<std::size_t>(cell)] ? 1 : 0;
      away += room.box[static_cast<std::size_t>(cell)] && !room.goal[static_cast<std::size_t>(cell)] ? 1 : 0;
    }
    if (2 * away >= boxes) return room;
  }
}

void write(const Room& room, int number) {
  std::cout << "; open " << number << "\n";
  for (int row = 0; row < kSide; ++row) {
    std::string line;
    for (int column = 0; column < kSide; ++column) {
      const auto cell = static_cast<std::size_t>(row * kSide + column);
      const bool man = static_cast<int>(cell) == room.man;
      line += room.wall[cell]  ? '#'
              : room.box[cell] ? (room.goal[cell] ? '*' : '$')
              : man            ? (room.goal[cell] ? '+' : '@')
                               : (room.goal[cell] ? '.' : ' ');
    }
    std::cout << line << "\n";
  }
  std::cout << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 60;
  std::mt19937 random(argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 1u);
  for (int k = 1; k <= count; ++k) write(makeOpenRoom(random), k);
  return 0;
}
