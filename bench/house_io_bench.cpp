// Reading and writing the large house, each against plain line-by-line file I/O of the same
// bytes: reading should cost at most one and a half times what moving the lines costs, and
// writing no more than it.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "bench_house.h"
#include "house/house_reader.h"
#include "house/house_writer.h"

namespace tarvo::bench {

namespace {

void setThroughput(benchmark::State& state, const BenchHouse& bench) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(bench.bytes.size()));
  state.counters["lines"] = static_cast<double>(bench.lines);
}

// Open, read and parse the file into a house, as "Choose a house" does. Freeing the house
// read is not part of reading it, so it happens outside the timed part.
void BM_ReadHouse(benchmark::State& state) {
  const BenchHouse& bench = benchHouse();
  for (auto _ : state) {
    state.PauseTiming();
    auto house = std::make_unique<HouseRecord>();
    state.ResumeTiming();
    HouseReadResult result = readHouseFile(bench.path, *house);
    if (!result.ok()) {
      state.SkipWithError(result.describe().c_str());
      break;
    }
    std::size_t records = 0;
    for (const RoomRecord& room : house->rooms) records += room.recordCount();
    if (records != static_cast<std::size_t>(kBenchRecords)) {
      state.SkipWithError("the house read back with another number of records");
      break;
    }
    state.PauseTiming();
    house.reset();
    state.ResumeTiming();
  }
  setThroughput(state, bench);
}

// The floor under any reader: every line of the file into one reused string.
void BM_ReadBaseline(benchmark::State& state) {
  const BenchHouse& bench = benchHouse();
  for (auto _ : state) {
    std::ifstream file(bench.path, std::ios::binary);
    std::string line;
    std::size_t lines = 0;
    while (std::getline(file, line)) ++lines;
    if (lines != bench.lines) {
      state.SkipWithError("the baseline counted other lines than the house has");
      break;
    }
    benchmark::DoNotOptimize(lines);
  }
  setThroughput(state, bench);
}

bool writeAll(const std::string& path, std::string_view bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

// "Save to disk": the house to bytes, the bytes to the file.
void BM_WriteHouse(benchmark::State& state) {
  const BenchHouse& bench = benchHouse();
  for (auto _ : state) {
    const std::string bytes = writeHouse(bench.house);
    if (!writeAll(bench.outputPath, bytes)) {
      state.SkipWithError("cannot write the output file");
      break;
    }
  }
  setThroughput(state, bench);
}

// The floor under any writer: the same lines, ready made, written one by one.
void BM_WriteBaseline(benchmark::State& state) {
  const BenchHouse& bench = benchHouse();
  std::vector<std::string> lines;
  lines.reserve(bench.lines);
  for (std::size_t start = 0; start < bench.bytes.size();) {
    const std::size_t end = bench.bytes.find('\n', start) + 1;
    lines.emplace_back(bench.bytes, start, end - start);
    start = end;
  }
  for (auto _ : state) {
    std::FILE* file = std::fopen(bench.outputPath.c_str(), "wb");
    bool written = file != nullptr;
    for (const std::string& line : lines) {
      if (!written) break;
      written = std::fwrite(line.data(), 1, line.size(), file) == line.size();
    }
    if (file == nullptr || std::fclose(file) != 0 || !written) {
      state.SkipWithError("cannot write the output file");
      break;
    }
  }
  setThroughput(state, bench);
}

}  // namespace

// Each is repeated and also reports its fastest repetition ("_min"), which the ratios use:
// file I/O on a shared machine is easily disturbed, and the least disturbed run compares best.
void fileBenchmark(benchmark::internal::Benchmark* benchmark) {
  benchmark->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->Repetitions(5)
      ->DisplayAggregatesOnly(true)
      ->ComputeStatistics(
          "min", [](const std::vector<double>& times) { return *std::min_element(times.begin(), times.end()); });
}

BENCHMARK(BM_ReadHouse)->Apply(fileBenchmark);
BENCHMARK(BM_ReadBaseline)->Apply(fileBenchmark);
BENCHMARK(BM_WriteHouse)->Apply(fileBenchmark);
BENCHMARK(BM_WriteBaseline)->Apply(fileBenchmark);

}  // namespace tarvo::bench
