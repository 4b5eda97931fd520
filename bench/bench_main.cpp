// Runs the benchmarks, then sets each reader and writer figure against its line-I/O baseline.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "bench_house.h"

namespace {

// The console output as usual, plus the real and CPU time of every benchmark in seconds.
class RecordingReporter : public benchmark::ConsoleReporter {
 public:
  struct Times {
    double real = 0;
    double cpu = 0;
  };

  RecordingReporter() : ConsoleReporter(OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const bool fastest = run.run_type == Run::RT_Aggregate && run.aggregate_name == "min";
      if (run.error_occurred || (run.run_type != Run::RT_Iteration && !fastest)) continue;
      const double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
      const Times times{run.GetAdjustedRealTime() / unit, run.GetAdjustedCPUTime() / unit};
      // With repetitions, the fastest run is the one least disturbed by other work on the
      // machine; the same holds for the baseline it is set against.
      auto [it, inserted] = timesByName.try_emplace(run.run_name.function_name, times);
      if (!inserted && times.real < it->second.real) it->second = times;
    }
  }

  std::map<std::string, Times> timesByName;
};

// Prints "read ratio 1.4 (target <= 1.5)" from the real times, marked when it misses, with the
// CPU-time ratio beside it: on a busy machine waiting for the processor swells real times. A
// miss does not fail the run, since one disturbed baseline can tip it.
void printRatio(const RecordingReporter& reporter, const char* what, const char* measured, const char* baseline,
                double target) {
  auto m = reporter.timesByName.find(measured);
  auto b = reporter.timesByName.find(baseline);
  if (m == reporter.timesByName.end() || b == reporter.timesByName.end()) return;
  if (b->second.real <= 0 || b->second.cpu <= 0) return;
  const double ratio = m->second.real / b->second.real;
  std::printf("%s ratio %.2f (target <= %g)%s   cpu ratio %.2f   %s %.2f ms, %s %.2f ms\n", what, ratio, target,
              ratio <= target ? "" : "  MISSED", m->second.cpu / b->second.cpu, measured, m->second.real * 1e3,
              baseline, b->second.real * 1e3);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  tarvo::bench::removeBenchFiles();

  std::printf("\n");
  // Reading a house should cost little more than moving its lines, writing no more.
  printRatio(reporter, "read", "BM_ReadHouse", "BM_ReadBaseline", 1.5);
  printRatio(reporter, "write", "BM_WriteHouse", "BM_WriteBaseline", 1.0);
  auto step = reporter.timesByName.find("BM_StepAndRedraw");
  if (step != reporter.timesByName.end()) std::printf("step + redraw %.0f ns\n", step->second.real * 1e9);
  return 0;
}
