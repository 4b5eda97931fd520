// tarvo_solver_bench: the core's solver against the frozen baseline on the bundled house and on lists of rooms, and
// alone, within the window's bounds, on open rooms that the exact search cannot finish.
// Each solver meets each set in a child process of its own, so that the child's peak resident memory is what that
// solver needed for that set; every room is solved several times and the quickest run counts. The core's solver is
// the exact search and, where that stops at a bound, the fast one. The two solvers must agree on every room: the same
// push and move counts where both solve it and the core's answer is exact, no fewer pushes where it is not, the same
// verdict unless one gave up at its limit. The core's solutions must also play through the game's rules, and every
// open room must get one.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "baseline/board.h"
#include "baseline/solver.h"
#include "house/house_reader.h"
#include "room_list.h"
#include "rules/replay.h"
#include "rules/room_text.h"
#include "solver/solver.h"
#include "solver/window_budget.h"

namespace {

using namespace tarvo;

struct BenchRoom {
  std::string name;               // for messages: number, title and line
  std::string label;              // for tables: the title, or the number when there is none
  RoomRecord room;                // as the game reads it: for the core's solver and for replaying
  baseline::Board board;          // the same room for the baseline
  std::vector<std::string> rows;  // shown when the solvers disagree
};

struct RoomSet {
  std::string name;
  std::vector<BenchRoom> rooms;
  // Open rooms: the core's solver alone, within the window's bounds, once per room (its bounds are clock time, so
  // runs may differ), and every room must be solved.
  bool open = false;
};

enum class Solver { Baseline, Core };
const char* nameOf(Solver solver) { return solver == Solver::Baseline ? "baseline" : "new"; }

enum class Verdict : std::int32_t { Solved, NoSolution, Limit, Other };

// What one solver made of one room, sent from the child to the parent as it stands.
struct RoomRun {
  Verdict verdict = Verdict::Other;
  std::int32_t pushes = 0;
  std::int32_t moves = 0;
  std::int32_t fewest = 1;  // the solution has the fewest pushes (then moves)
  std::uint64_t positions = 0;
  double seconds = 0;      // the quickest run
  double wallSeconds = 0;  // the same run by the clock
  char fault[240] = {};    // empty, or why this room's result cannot be trusted
};

// One solver over one set, as the parent saw it.
struct SetRun {
  std::vector<RoomRun> rooms;  // in set order; short when the child died
  double peakMiB = 0;
  std::string death;  // how the child ended when it did not finish normally
};

// ---- Reading the sets ----

// The baseline reads the room as the game writes it in its ten rows.
bool addRoom(RoomSet& set, const std::string& name, const std::string& label, const RoomRecord& room,
             std::string& error) {
  const RowBuffer rowBuffer = buildRoomRows(room);
  const std::vector<std::string> rows(rowBuffer.begin(), rowBuffer.end());
  baseline::BoardResult read = baseline::readBoard(rows);
  if (!read.ok()) {
    error = name + ": the baseline cannot read it: " + read.error;
    return false;
  }
  set.rooms.push_back(BenchRoom{name, label, room, read.board, rows});
  return true;
}

std::optional<RoomSet> readHouseSet(const std::string& path, std::string& error) {
  HouseRecord house;
  const HouseReadResult read = readHouseFile(path, house);
  if (!read.ok()) {
    error = read.describe();
    return std::nullopt;
  }
  RoomSet set{"house " + std::filesystem::path(path).filename().string(), {}, false};
  for (std::int32_t n = 1; n <= house.roomCount; ++n) {
    const std::string name = "room " + std::to_string(n);
    if (!addRoom(set, name, name, *house.roomNumber(n), error)) return std::nullopt;
  }
  return set;
}

std::optional<RoomSet> readListSet(const std::string& path, bool open, std::string& error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    error = "cannot open " + path;
    return std::nullopt;
  }
  const solver::RoomList list = solver::readRoomList(file);
  if (!list.error.empty()) {
    error = path + ": " + list.error;
    return std::nullopt;
  }
  const std::string fileName = std::filesystem::path(path).filename().string();
  RoomSet set{open ? "open rooms (" + fileName + ")" : fileName, {}, open};
  for (std::size_t i = 0; i < list.rooms.size(); ++i) {
    const CollectionRoom& listed = list.rooms[i];
    const std::string number = "room " + std::to_string(i + 1);
    const std::string label = listed.titled ? listed.title : number;
    std::string name = number;
    if (listed.titled) name += " (" + listed.title + ")";
    if (!listed.canBeTaken()) {
      error = path + ": " + name + ": " + describeProblem(listed);
      return std::nullopt;
    }
    if (!addRoom(set, name, label, roomOfCollection(listed), error)) return std::nullopt;
  }
  return set;
}

// ---- The child: solving ----

void setFault(RoomRun& run, const std::string& text) { std::snprintf(run.fault, sizeof run.fault, "%s", text.c_str()); }

double secondsOf(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The processor time of the solving thread. The machine the benchmark runs on is often shared, and time spent
// waiting for a processor would swamp the difference between the solvers in wall-clock figures.
double cpuSeconds() { return secondsOf(CLOCK_THREAD_CPUTIME_ID); }

// The clock the solver's time bounds count by.
double wallSeconds() { return secondsOf(CLOCK_MONOTONIC); }

// The core's bounds: on open rooms the window's; elsewhere the exact search's defaults, which every room of those
// sets fits, and the same for the fast search in case one does not.
solver::Budget budgetFor(const RoomSet& set) { return set.open ? solver::windowBudget() : solver::Budget{}; }

// One run of one solver on one room; the steps of the core's solution go to `steps`.
RoomRun solveOnce(Solver solver, const BenchRoom& room, const solver::Budget& budget, std::string& steps) {
  RoomRun run;
  const double start = cpuSeconds();
  const double wallStart = wallSeconds();
  if (solver == Solver::Baseline) {
    const baseline::SolveResult result = baseline::solve(room.board);
    run.seconds = cpuSeconds() - start;
    run.positions = result.states;
    switch (result.outcome) {
      case baseline::Outcome::Solved: run.verdict = Verdict::Solved; break;
      case baseline::Outcome::NoSolution: run.verdict = Verdict::NoSolution; break;
      case baseline::Outcome::LimitReached: run.verdict = Verdict::Limit; break;
    }
    run.pushes = result.solution.pushes;
    run.moves = result.solution.moves;
    return run;
  }
  const solver::SolveResult result = solver::solveOrFind(solver::snapshotOf(room.room), budget);
  run.seconds = cpuSeconds() - start;
  run.wallSeconds = wallSeconds() - wallStart;
  run.positions = result.positions;
  run.fewest = result.fewest ? 1 : 0;
  switch (result.outcome) {
    case solver::Outcome::Solved: run.verdict = Verdict::Solved; break;
    case solver::Outcome::NoSolution: run.verdict = Verdict::NoSolution; break;
    case solver::Outcome::LimitReached: run.verdict = Verdict::Limit; break;
    case solver::Outcome::NoMan: setFault(run, "the new solver found no man"); break;
    case solver::Outcome::Cancelled: setFault(run, "the new solver says it was cancelled"); break;
  }
  run.pushes = result.solution.pushes;
  run.moves = result.solution.moves;
  steps = result.solution.steps;
  return run;
}

RoomRun solveRoom(Solver solver, const BenchRoom& room, const solver::Budget& budget, int runs) {
  std::string steps;
  RoomRun best = solveOnce(solver, room, budget, steps);
  for (int i = 1; i < runs; ++i) {
    std::string again;
    const RoomRun run = solveOnce(solver, room, budget, again);
    if (run.verdict != best.verdict || run.pushes != best.pushes || run.moves != best.moves ||
        run.positions != best.positions || again != steps) {
      setFault(best, std::string(nameOf(solver)) + " gave a different result on run " + std::to_string(i + 1));
    }
    if (run.seconds < best.seconds) {
      best.seconds = run.seconds;
      best.wallSeconds = run.wallSeconds;
    }
  }
  if (solver == Solver::Core && best.verdict == Verdict::Solved && best.fault[0] == '\0') {
    if (std::optional<std::string> problem = replayProblem(room.room, steps)) {
      setFault(best, "the new solver's solution does not play: " + *problem);
    } else if (static_cast<std::int32_t>(steps.size()) != best.moves ||
               std::count_if(steps.begin(), steps.end(), [](char c) { return c >= 'A' && c <= 'Z'; }) != best.pushes) {
      setFault(best, "the new solver's counts do not match its steps");
    }
  }
  return best;
}

bool writeAll(int fd, const void* data, std::size_t size) {
  const char* bytes = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t written = write(fd, bytes, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

[[noreturn]] void childMain(Solver solver, const RoomSet& set, int runs, int out) {
  const solver::Budget budget = budgetFor(set);
  for (const BenchRoom& room : set.rooms) {
    const RoomRun run = solveRoom(solver, room, budget, set.open ? 1 : runs);
    if (!writeAll(out, &run, sizeof run)) _exit(3);
  }
  _exit(0);
}

// ---- The parent: running children ----

// Reads as many whole records as arrive before the end of the pipe; 0 at the end, -1 on error.
ssize_t readAll(int fd, void* data, std::size_t size) {
  char* bytes = static_cast<char*>(data);
  std::size_t got = 0;
  while (got < size) {
    const ssize_t n = read(fd, bytes + got, size - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  return static_cast<ssize_t>(got);
}

std::string describeStatus(int status) {
  if (WIFSIGNALED(status)) return std::string("killed by signal ") + strsignal(WTERMSIG(status));
  if (WIFEXITED(status) && WEXITSTATUS(status) != 0) return "exit status " + std::to_string(WEXITSTATUS(status));
  return "";
}

// Runs one solver over one set in a child; a null set measures a child that solves nothing.
std::optional<SetRun> runChild(Solver solver, const RoomSet* set, int runs, std::string& error) {
  int fds[2];
  if (pipe(fds) != 0) {
    error = std::string("pipe: ") + std::strerror(errno);
    return std::nullopt;
  }
  std::fflush(stdout);
  std::fflush(stderr);
  const pid_t pid = fork();
  if (pid < 0) {
    error = std::string("fork: ") + std::strerror(errno);
    close(fds[0]);
    close(fds[1]);
    return std::nullopt;
  }
  if (pid == 0) {
    close(fds[0]);
    if (set == nullptr) _exit(0);
    childMain(solver, *set, runs, fds[1]);
  }
  close(fds[1]);
  SetRun result;
  const bool showProgress = set != nullptr && isatty(STDERR_FILENO) != 0;
  for (;;) {
    RoomRun run;
    const ssize_t got = readAll(fds[0], &run, sizeof run);
    if (got != static_cast<ssize_t>(sizeof run)) break;
    run.fault[sizeof run.fault - 1] = '\0';
    result.rooms.push_back(run);
    if (showProgress) {
      std::fprintf(stderr, "\r  %s: %zu of %zu rooms ", nameOf(solver), result.rooms.size(), set->rooms.size());
    }
  }
  if (showProgress) std::fprintf(stderr, "\r%60s\r", "");
  close(fds[0]);
  int status = 0;
  rusage usage{};
  while (wait4(pid, &status, 0, &usage) < 0) {
    if (errno != EINTR) {
      error = std::string("wait4: ") + std::strerror(errno);
      return std::nullopt;
    }
  }
  result.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
  result.death = describeStatus(status);
  if (set != nullptr && result.death.empty() && result.rooms.size() != set->rooms.size()) {
    result.death = "ended after " + std::to_string(result.rooms.size()) + " rooms";
  }
  return result;
}

// ---- Report ----

struct Totals {
  int solved = 0;
  int exact = 0;
  int limits = 0;
  std::int64_t pushes = 0;
  std::int64_t moves = 0;
  std::uint64_t positions = 0;
  double seconds = 0;
  double slowest = 0;
  std::size_t slowestRoom = 0;
};

Totals totalsOf(const SetRun& run) {
  Totals totals;
  for (std::size_t i = 0; i < run.rooms.size(); ++i) {
    const RoomRun& room = run.rooms[i];
    if (room.verdict == Verdict::Solved) {
      ++totals.solved;
      totals.exact += room.fewest != 0 ? 1 : 0;
      totals.pushes += room.pushes;
      totals.moves += room.moves;
    }
    if (room.verdict == Verdict::Limit) ++totals.limits;
    totals.positions += room.positions;
    totals.seconds += room.seconds;
    if (room.seconds >= totals.slowest) {
      totals.slowest = room.seconds;
      totals.slowestRoom = i;
    }
  }
  return totals;
}

void printRow(Solver solver, const SetRun& run, std::size_t roomCount) {
  const Totals t = totalsOf(run);
  const double nsPerPosition = t.positions == 0 ? 0.0 : t.seconds * 1e9 / static_cast<double>(t.positions);
  const std::string solved = std::to_string(t.solved) + "/" + std::to_string(roomCount);
  std::printf("  %-9s %11s %5d %9d %5d %8" PRId64 " %9" PRId64 " %12" PRIu64 " %9.1f %9.3f %9.3f %8.0f\n",
              nameOf(solver), solved.c_str(), t.exact, t.solved - t.exact, t.limits, t.pushes, t.moves, t.positions,
              run.peakMiB, t.seconds, t.slowest, nsPerPosition);
}

const char* verdictText(Verdict verdict) {
  switch (verdict) {
    case Verdict::Solved: return "solved";
    case Verdict::NoSolution: return "no solution";
    case Verdict::Limit: return "gave up at its limit";
    case Verdict::Other: return "failed";
  }
  return "?";
}

// A short set gets a line per room: both counts, each solver's positions and time.
constexpr std::size_t kMostRoomsListed = 16;

std::string countsText(const RoomRun& run) {
  switch (run.verdict) {
    case Verdict::Solved: break;
    case Verdict::NoSolution: return "none";
    case Verdict::Limit: return "limit";
    case Verdict::Other: return "failed";
  }
  return std::to_string(run.pushes) + "/" + std::to_string(run.moves) + (run.fewest != 0 ? "" : "*");
}

void printRooms(const RoomSet& set, const SetRun& base, const SetRun& core) {
  std::printf("  %-24s %14s %12s %9s %14s %12s %9s\n", "room", "baseline p/m", "positions", "s", "new p/m", "positions",
              "s");
  const std::size_t both = std::min(base.rooms.size(), core.rooms.size());
  for (std::size_t i = 0; i < both; ++i) {
    const RoomRun& b = base.rooms[i];
    const RoomRun& c = core.rooms[i];
    std::printf("  %-24.24s %14s %12" PRIu64 " %9.3f %14s %12" PRIu64 " %9.3f\n", set.rooms[i].label.c_str(),
                countsText(b).c_str(), b.positions, b.seconds, countsText(c).c_str(), c.positions, c.seconds);
  }
  if (std::any_of(core.rooms.begin(), core.rooms.end(), [](const RoomRun& run) { return run.fewest == 0; })) {
    std::printf("  * some solution, not the fewest pushes\n");
  }
}

void printRoom(const BenchRoom& room) {
  for (const std::string& row : room.rows) std::printf("      |%s|\n", row.c_str());
}

// Compares the two runs room by room and prints every disagreement and fault; returns how many there were. On open
// rooms, where the baseline does not run, every room must be solved.
int reportFaults(const RoomSet& set, const SetRun& base, const SetRun& core) {
  int faults = 0;
  for (const auto& [solver, run] : {std::pair{Solver::Baseline, &base}, std::pair{Solver::Core, &core}}) {
    if (set.open && solver == Solver::Baseline) continue;
    if (!run->death.empty()) {
      const std::size_t at = run->rooms.size();
      std::printf("  FAULT: the %s child died (%s)%s%s\n", nameOf(solver), run->death.c_str(),
                  at < set.rooms.size() ? " while on " : "", at < set.rooms.size() ? set.rooms[at].name.c_str() : "");
      ++faults;
    }
  }
  const std::size_t both = set.open ? core.rooms.size() : std::min(base.rooms.size(), core.rooms.size());
  for (std::size_t i = 0; i < both; ++i) {
    const BenchRoom& room = set.rooms[i];
    const RoomRun b = set.open ? RoomRun{} : base.rooms[i];
    const RoomRun& c = core.rooms[i];
    bool shown = false;
    auto fault = [&](const std::string& text) {
      std::printf("  FAULT: %s: %s\n", room.name.c_str(), text.c_str());
      if (!shown) printRoom(room);
      shown = true;
      ++faults;
    };
    if (b.fault[0] != '\0') fault(b.fault);
    if (c.fault[0] != '\0') fault(c.fault);
    if (set.open) {
      if (c.verdict != Verdict::Solved) fault(std::string("new: ") + verdictText(c.verdict));
    } else if (b.verdict == Verdict::Solved && c.verdict == Verdict::Solved && c.fewest == 0) {
      if (c.pushes < b.pushes) {
        fault("new: some solution of " + std::to_string(c.pushes) + " pushes, fewer than the baseline's fewest, " +
              std::to_string(b.pushes));
      }
    } else if (b.verdict == Verdict::Solved && c.verdict == Verdict::Solved) {
      if (b.pushes != c.pushes || b.moves != c.moves) {
        fault("baseline " + std::to_string(b.pushes) + " pushes, " + std::to_string(b.moves) + " moves; new " +
              std::to_string(c.pushes) + " pushes, " + std::to_string(c.moves) + " moves");
      }
    } else if (b.verdict != c.verdict && b.verdict != Verdict::Limit && c.verdict != Verdict::Limit &&
               c.verdict != Verdict::Other) {
      fault(std::string("baseline: ") + verdictText(b.verdict) + "; new: " + verdictText(c.verdict));
    }
  }
  return faults;
}

// Runs both solvers over the set (the core's alone on open rooms), prints its table; returns the number of faults
// found.
int benchSet(const RoomSet& set, int runs, bool& ok) {
  if (set.open) {
    std::printf("\n%s: %zu rooms, one run each, within the window's bounds; no baseline\n", set.name.c_str(),
                set.rooms.size());
  } else {
    std::printf("\n%s: %zu rooms, best of %d runs each\n", set.name.c_str(), set.rooms.size(), runs);
  }
  std::string error;
  const std::optional<SetRun> base = set.open ? SetRun{} : runChild(Solver::Baseline, &set, runs, error);
  const std::optional<SetRun> core = base ? runChild(Solver::Core, &set, runs, error) : std::nullopt;
  if (!base || !core) {
    std::fprintf(stderr, "tarvo_solver_bench: %s\n", error.c_str());
    ok = false;
    return 0;
  }
  std::printf("  %-9s %11s %5s %9s %5s %8s %9s %12s %9s %9s %9s %8s\n", "solver", "solved", "exact", "not exact",
              "limit", "pushes", "moves", "positions", "peak MiB", "total s", "slowest s", "ns/pos");
  if (!set.open) printRow(Solver::Baseline, *base, set.rooms.size());
  printRow(Solver::Core, *core, set.rooms.size());

  const Totals bt = totalsOf(*base);
  const Totals ct = totalsOf(*core);
  if (set.open) {
    if (!core->rooms.empty()) {
      const auto slowest =
          std::max_element(core->rooms.begin(), core->rooms.end(),
                           [](const RoomRun& a, const RoomRun& b) { return a.wallSeconds < b.wallSeconds; });
      std::printf("  slowest room: %s; by the clock, which the bounds count: %s, %.3f s\n",
                  set.rooms[ct.slowestRoom].name.c_str(),
                  set.rooms[static_cast<std::size_t>(slowest - core->rooms.begin())].name.c_str(),
                  slowest->wallSeconds);
    }
    return reportFaults(set, *base, *core);
  }
  if (!base->rooms.empty() && !core->rooms.empty()) {
    std::printf("  slowest room: baseline %s, new %s\n", set.rooms[bt.slowestRoom].name.c_str(),
                set.rooms[ct.slowestRoom].name.c_str());
  }
  int common = 0;
  double baseSeconds = 0;
  double coreSeconds = 0;
  const std::size_t both = std::min(base->rooms.size(), core->rooms.size());
  for (std::size_t i = 0; i < both; ++i) {
    if (base->rooms[i].verdict == Verdict::Solved && core->rooms[i].verdict == Verdict::Solved) {
      ++common;
      baseSeconds += base->rooms[i].seconds;
      coreSeconds += core->rooms[i].seconds;
    }
  }
  if (common > 0 && coreSeconds > 0) {
    std::printf("  over the %d rooms both solve: baseline %.3f s, new %.3f s, baseline/new %.2f\n", common, baseSeconds,
                coreSeconds, baseSeconds / coreSeconds);
  } else {
    std::printf("  no room solved by both\n");
  }
  if (set.rooms.size() <= kMostRoomsListed) printRooms(set, *base, *core);
  return reportFaults(set, *base, *core);
}

const char* const kUsage =
    "usage: tarvo_solver_bench [--runs N] HOUSE_FILE [ROOM_LIST...] [--open ROOM_LIST]...\n"
    "Solves every room of the house file and of each room list (room collection text, as\n"
    "tarvo_solve reads it) with the baseline solver and with the new one, each set in a child process\n"
    "per solver, the quickest of N runs per room (default 3). The new solver is the exact\n"
    "search, then the fast one where the exact one stops at a bound. An --open list is solved\n"
    "by the new solver alone, once per room, within the window's bounds, and every room must\n"
    "be solved. Exit status 0 when the solvers agree and every new solution plays, 1 on a\n"
    "disagreement or fault, 2 on a usage or file error. Sets of at most 16 rooms get a line\n"
    "per room.\n";

}  // namespace

int main(int argc, char** argv) {
  int runs = 3;
  std::vector<std::string> files;
  std::vector<std::string> openFiles;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--runs" && i + 1 < argc) {
      const std::string value = argv[++i];
      if (value.size() != 1 || value[0] < '1' || value[0] > '9') {
        std::fputs(kUsage, stderr);
        return 2;
      }
      runs = value[0] - '0';
    } else if (arg == "--open" && i + 1 < argc) {
      openFiles.push_back(argv[++i]);
    } else if (arg.size() > 1 && arg[0] == '-') {
      std::fputs(kUsage, stderr);
      return 2;
    } else {
      files.push_back(arg);
    }
  }
  if (files.empty()) {
    std::fputs(kUsage, stderr);
    return 2;
  }

  std::vector<RoomSet> sets;
  for (std::size_t i = 0; i < files.size(); ++i) {
    std::string error;
    std::optional<RoomSet> set = i == 0 ? readHouseSet(files[i], error) : readListSet(files[i], false, error);
    if (!set) {
      std::fprintf(stderr, "tarvo_solver_bench: %s\n", error.c_str());
      return 2;
    }
    sets.push_back(std::move(*set));
  }
  for (const std::string& file : openFiles) {
    std::string error;
    std::optional<RoomSet> set = readListSet(file, true, error);
    if (!set) {
      std::fprintf(stderr, "tarvo_solver_bench: %s\n", error.c_str());
      return 2;
    }
    sets.push_back(std::move(*set));
  }

  std::string error;
  const std::optional<SetRun> idle = runChild(Solver::Core, nullptr, 1, error);
  if (!idle) {
    std::fprintf(stderr, "tarvo_solver_bench: %s\n", error.c_str());
    return 2;
  }
  std::printf(
      "Times are processor seconds of the solving thread; peak memory is each child's largest resident size\n"
      "(a child that solves nothing holds %.1f MiB).\n",
      idle->peakMiB);
  const solver::Budget window = solver::windowBudget();
  std::printf(
      "Baseline limit: %zu positions; new solver limit: %zu MiB of positions for each search.\n"
      "Open rooms: the window's bounds, the exact search %lld s and %zu MiB, then the fast one %lld s and %zu MiB.\n",
      baseline::kDefaultStateLimit, solver::kDefaultMemoryLimit >> 20,
      static_cast<long long>(window.exact.time->count() / 1000), window.exact.memoryBytes >> 20,
      static_cast<long long>(window.fast.time->count() / 1000), window.fast.memoryBytes >> 20);

  bool ok = true;
  int faults = 0;
  for (const RoomSet& set : sets) faults += benchSet(set, runs, ok);
  if (!ok) return 2;
  if (faults > 0) {
    std::printf("\n%d fault%s: the solvers disagree, a solution does not play or an open room is not solved\n", faults,
                faults == 1 ? "" : "s");
    return 1;
  }
  std::printf("\nThe solvers agree on every room, every new solution plays and every open room is solved.\n");
  return 0;
}
