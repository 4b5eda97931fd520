// The large house that the file benchmarks read and write, the same on every run.
#include "bench_house.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>

#include "house/house_writer.h"

namespace tarvo::bench {

namespace {

// Names as players type them: a few letters, some accented (UTF-8 here, Windows-1252 on disk).
constexpr const char* kNames[] = {"Ann",
                                  "Bo",
                                  "Zo\xC3\xA9",
                                  "L\xC3\xA9"
                                  "a",
                                  "Max",
                                  "Ren\xC3\xA9"
                                  "e",
                                  "\xC3\x89"
                                  "va",
                                  "Tom",
                                  "Jos\xC3\xA9",
                                  "Kai",
                                  "Ines",
                                  "Ga\xC3\xAB"
                                  "l"};
constexpr char kSteps[] = {'u', 'd', 'l', 'r', 'U', 'D', 'L', 'R'};

// A walled room with a man, three boxes and three goals placed by `number`.
void makeRoom(RoomRecord& room, int number) {
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      bool wall = row == 0 || row == kRows - 1 || column == 0 || column == kColumns - 1;
      room.cells[cellIndex(row, column)] = wall ? WALL : FLOOR;
    }
  }
  const int row = 2 + number % 5;
  for (int k = 0; k < 3; ++k) {
    room.cells[cellIndex(row, 2 + k)] = BOX;
    room.cells[cellIndex(row + 2, 2 + k)] = GOAL;
    room.goals->push_back(cellIndex(row + 2, 2 + k));
  }
  room.man = cellIndex(1, 1 + number % 8);
  room.cells[room.man] = MAN;
  room.forbPlaceCount = 2;
  room.forbPlaces[1] = cellIndex(1, 8);
  room.forbPlaces[2] = cellIndex(8, 1);
  room.forbCoupleCount = 1;
  room.forbCouples[1] = CouplePair{cellIndex(7, 7), cellIndex(7, 8)};
}

std::string twoDigits(unsigned value) {
  return std::string{static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

HouseRecord makeHouse() {
  HouseRecord house;
  house.houseName = "Caf\xC3\xA9 des bo\xC3\xAEtes";
  house.roomCount = kMaxRooms;
  std::mt19937 random(20240601);  // fixed: every run measures the same file
  for (int r = 0; r < kMaxRooms; ++r) {
    RoomRecord& room = house.rooms[static_cast<std::size_t>(r)];
    makeRoom(room, r);
    const int records = kBenchRecords / kMaxRooms + (r < kBenchRecords % kMaxRooms ? 1 : 0);
    for (int k = 0; k < records; ++k) {
      const std::size_t steps = 20 + random() % 181;  // 20..200 letters
      std::string solution(steps, ' ');
      for (char& letter : solution) letter = kSteps[random() % 8];
      const char* name = kNames[random() % std::size(kNames)];
      const std::string time = twoDigits(random() % 60) + ":" + twoDigits(random() % 60);
      room.records->add(RecordFields{name, std::to_string(steps), time, solution});
    }
  }
  return house;
}

std::unique_ptr<BenchHouse>& made() {
  static std::unique_ptr<BenchHouse> house;
  return house;
}

}  // namespace

const BenchHouse& benchHouse() {
  std::unique_ptr<BenchHouse>& bench = made();
  if (bench) return *bench;
  bench = std::make_unique<BenchHouse>();
  bench->house = makeHouse();
  bench->bytes = writeHouse(bench->house);
  bench->lines = static_cast<std::size_t>(std::count(bench->bytes.begin(), bench->bytes.end(), '\n'));
  const std::filesystem::path folder = std::filesystem::temp_directory_path();
  const std::string stem = "tarvo-bench-" + std::to_string(::getpid());
  bench->path = (folder / (stem + ".hou")).string();
  bench->outputPath = (folder / (stem + "-out.hou")).string();
  std::FILE* file = std::fopen(bench->path.c_str(), "wb");
  if (file == nullptr || std::fwrite(bench->bytes.data(), 1, bench->bytes.size(), file) != bench->bytes.size() ||
      std::fclose(file) != 0) {
    std::perror(bench->path.c_str());
    std::exit(EXIT_FAILURE);
  }
  return *bench;
}

void removeBenchFiles() {
  if (const std::unique_ptr<BenchHouse>& bench = made()) {
    std::error_code ignored;
    std::filesystem::remove(bench->path, ignored);
    std::filesystem::remove(bench->outputPath, ignored);
  }
}

}  // namespace tarvo::bench
