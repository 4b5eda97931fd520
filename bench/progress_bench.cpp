// The player's progress store on the disk the build is on: the cost of committing a completion
// (the moment a room is solved), of writing the game in play (every few steps), of looking up the
// progress of a house's 16 rooms (a house shown on "Room"), and of opening the store after the
// first frame, on a store that already holds a player's years of play.
//
//   build/bench/tarvo_progress_bench [FOLDER]   (FOLDER: where the store is made; the build folder)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "progress/journal_copier.h"
#include "progress/progress_store.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRoomsPlayed = 2000;
constexpr int kCompletionsBefore = 10000;
constexpr int kRuns = 2000;

// A room of its own for each number, as roomContent writes one.
std::string room(int number) {
  std::string content = "##########|#@";
  for (int bit = 0; bit < 12; ++bit) content += (number >> bit) & 1 ? '$' : ' ';
  return content + ".#|##########";
}

std::string steps(int length) {
  std::string letters;
  for (int k = 0; k < length; ++k) letters += "uRdLlDrU"[k % 8];
  return letters;
}

struct Figures {
  double median, p99, most;  // milliseconds
};

template <typename Work>
Figures measure(int runs, Work work) {
  std::vector<double> ms;
  for (int k = 0; k < runs; ++k) {
    const auto start = Clock::now();
    work(k);
    ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  std::sort(ms.begin(), ms.end());
  return {ms[ms.size() / 2], ms[ms.size() * 99 / 100], ms.back()};
}

void print(const char* what, const Figures& figures, double bound) {
  std::printf("%-52s median %7.3f ms  p99 %7.3f ms  most %7.3f ms  (bound %.0f ms: %s)\n", what, figures.median,
              figures.p99, figures.most, bound, figures.median < bound ? "within" : "OVER");
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::filesystem::path folder = argc > 1 ? argv[1] : std::filesystem::current_path();
  const std::string path = (folder / "progress-bench.sqlite3").string();
  for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(path + suffix);
  const std::int64_t now = 1'796'668'200;
  {
    std::unique_ptr<tarvo::ProgressStore> store = tarvo::ProgressStore::open(path, now).store;
    if (!store) {
      std::fprintf(stderr, "cannot make a store at %s\n", path.c_str());
      return 1;
    }
    tarvo::JournalCopier journal(path);
    for (int k = 0; k < kCompletionsBefore; ++k) {
      store->addCompletion(
          {room(k % kRoomsPlayed), "A player", steps(60 + k % 200), 30000 + k, "/houses/a.hou", 1, now});
      journal.afterWrite(*store);
    }
  }
  std::printf("a store of %d completions of %d rooms at %s\n", kCompletionsBefore, kRoomsPlayed, path.c_str());

  const Figures opening = measure(20, [&](int) { tarvo::ProgressStore::open(path, now); });
  std::unique_ptr<tarvo::ProgressStore> store = tarvo::ProgressStore::open(path, now).store;
  // As the window writes: the journal copied into the file on a thread of its own.
  tarvo::JournalCopier journal(path);
  const Figures completion = measure(kRuns, [&](int k) {
    const std::int64_t id =
        store->addCompletion({room(k % kRoomsPlayed), "", steps(120), 41000, "/houses/b.hou", 3, now});
    store->nameCompletion(id, "Another player");
    journal.afterWrite(*store);
  });
  const Figures game = measure(kRuns, [&](int k) {
    store->saveUnfinished(room(k % 16), {steps(4 + k % 400), 1000 + k, false}, now);
    journal.afterWrite(*store);
  });
  const Figures lookup = measure(kRuns, [&](int k) {
    for (int slot = 0; slot < 16; ++slot) store->progressOf(room((k * 16 + slot) % (kRoomsPlayed * 2)));
  });
  print("committing a completion and its name", completion, 5);
  print("writing the game in play", game, 5);
  print("the progress of a house's 16 rooms", lookup, 5);
  print("opening the store (after the first frame)", opening, 50);
  store.reset();
  for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(path + suffix);
  return completion.median < 5 && lookup.median < 5 ? 0 : 1;
}
