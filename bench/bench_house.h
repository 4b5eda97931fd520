// The large house that the file benchmarks read and write, the same on every run.
#pragma once

#include <cstddef>
#include <string>

#include "rules/room.h"

namespace tarvo::bench {

inline constexpr int kBenchRecords = 200000;  // over all 16 rooms

struct BenchHouse {
  HouseRecord house;
  std::string bytes;       // the house as written
  std::string path;        // the house file, in the temporary folder
  std::string outputPath;  // where the write benchmarks put their files
  std::size_t lines = 0;
};

// Made and written to disk on first use (so the reads come from the page cache).
const BenchHouse& benchHouse();

// Deletes the files of benchHouse(), if it was made.
void removeBenchFiles();

}  // namespace tarvo::bench
