// Pasting a megabyte into the editor's text box and importing it into a room: only the first
// ten lines of ten characters count, so the rest must cost next to nothing.
#include <benchmark/benchmark.h>

#include <string>

#include "roomtext/room_exchange.h"

namespace tarvo::bench {

namespace {

// About a megabyte of lines of `lineLength` bytes: symbols, letters and multi-byte characters.
std::string pastedText(std::size_t lineLength) {
  const std::string pattern = "#@$.*+ -x\xC3\xA9\xE2\x82\xAC";
  std::string line;
  while (line.size() < lineLength) line += pattern;
  line.resize(lineLength);
  line += "\r\n";
  std::string text;
  text.reserve((std::size_t{1} << 20) + line.size());
  while (text.size() < (std::size_t{1} << 20)) text += line;
  return text;
}

void BM_ImportPastedText(benchmark::State& state) {
  const std::string text = pastedText(static_cast<std::size_t>(state.range(0)));
  RoomRecord room;
  for (auto _ : state) {
    importRoomText(room, text);
    benchmark::DoNotOptimize(room);
  }
  state.counters["pasted_bytes"] = static_cast<double>(text.size());
}

}  // namespace

// Lines of 200 bytes, and one line of a megabyte, which has to be read through to its end.
BENCHMARK(BM_ImportPastedText)->Arg(200)->Arg(1 << 20)->Unit(benchmark::kMicrosecond);

}  // namespace tarvo::bench
