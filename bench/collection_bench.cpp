// Reading a collection of 100,000 rooms, 10 MB of text, as a player's largest files are.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "roomtext/room_collection.h"

namespace tarvo::bench {

namespace {

// Rooms of 8 x 8 to 10 x 10 cells: a wall round a floor with a few inner walls, boxes and
// goals and one man, about 100 bytes each with its title; every tenth written with run lengths.
std::string collectionText(int rooms) {
  std::mt19937 random(20);
  std::string text;
  text.reserve(static_cast<std::size_t>(rooms) * 110);
  for (int k = 1; k <= rooms; ++k) {
    const int side = 8 + static_cast<int>(random() % 3);
    std::vector<std::string> rows(static_cast<std::size_t>(side), std::string(static_cast<std::size_t>(side), ' '));
    for (int r = 0; r < side; ++r) {
      for (int c = 0; c < side; ++c) {
        const bool edge = r == 0 || c == 0 || r == side - 1 || c == side - 1;
        const unsigned roll = random() % 16;
        rows[r][c] = edge || roll == 0 ? '#' : roll == 1 ? '$' : roll == 2 ? '.' : ' ';
      }
    }
    rows[1][1] = '@';
    text += "; Room " + std::to_string(k) + "\n";
    for (std::string& row : rows) {
      if (k % 10 == 0 && row.find_first_not_of('#') == std::string::npos) row = std::to_string(side) + "#";
      text += row;
      text += '\n';
    }
    text += '\n';
  }
  return text;
}

void BM_ReadRoomCollection(benchmark::State& state) {
  const std::string text = collectionText(static_cast<int>(state.range(0)));
  std::size_t rooms = 0;
  for (auto _ : state) {
    const RoomCollection read(text);
    rooms = read.size();
    benchmark::DoNotOptimize(&read.summary(0));
  }
  state.counters["bytes"] = static_cast<double>(text.size());
  state.counters["rooms"] = static_cast<double>(rooms);
}

}  // namespace

BENCHMARK(BM_ReadRoomCollection)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace tarvo::bench
