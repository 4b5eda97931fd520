// tarvo_solve: solves rooms, with the fewest pushes where it can, and turns a list of rooms into a
// house file.
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "house/file_save.h"
#include "house/house_writer.h"
#include "input_file.h"
#include "room_list.h"
#include "rules/replay.h"
#include "solved_house.h"
#include "solver/solver.h"

namespace {

using namespace tarvo;
using namespace tarvo::solver;

constexpr std::size_t kDefaultPositionLimit = 3'000'000;
constexpr std::size_t kMostHouseRooms = 16;

const char* const kUsage = R"usage(usage:
  tarvo_solve [--exact] [--limit N] [--memory BYTES] [FILE...]
      Solves every room of the files (standard input when none are given or for "-")
      and prints for each room the numbers of pushes and moves and the steps:
      u d r l walk up, down, right, left; U D R L push up, down, right, left.
      A room is first searched for the fewest pushes, and among those the fewest
      moves; when that search stops at a bound, a faster search looks for some
      solution within the same bounds, and its line ends "(not the fewest)".
      Rooms are solved as they are read.
  tarvo_solve [--limit N] [--memory BYTES] --house NAME ROOMS [-o OUT]
      Solves every room of ROOMS (at most 16) with the fewest pushes and writes a
      house file named NAME that holds them, each with its solution as the record of
      "TarvoPlim", to OUT or to standard output. Nothing is written when a room
      cannot be solved.

Rooms are room collection text, as the game opens and saves it:
  #  wall    .  goal    $  box    *  box on a goal    @  man    +  man on a goal
  a space, "-" or "_" is a blank: floor inside the walls, outside them otherwise.
A digit run repeats the symbol after it ("3#" is "###") and "|" ends a row. A room
is a run of such lines; any other line ends it, and the last line before a room
that starts with ";" or "Title:" is its title. A room of at most ten rows and ten
columns is placed in the middle of the board; it must hold one man, a goal, at
least as many boxes as goals, and walls that keep the man in.
No line may be longer than 1024 bytes.

  --exact         the fewest pushes or nothing: no faster search after a bound
  --limit N       a search gives up after keeping N positions (default 3000000)
  --memory BYTES  a search gives up when its positions would take more memory
                  (default 1073741824, that is 1 GiB)

Exit status: 0 when every room was solved, 1 when one could not be played, was
unsolvable or too large, 2 for a usage, file or output error.
)usage";

struct Options {
  bool house = false;
  bool exact = false;
  std::string houseName;
  std::string output;
  std::vector<std::string> files;
  Limits limits;

  Options() { limits.positions = kDefaultPositionLimit; }
};

// A whole number above zero, or nothing.
std::optional<std::size_t> positiveNumber(const std::string& text) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  errno = 0;
  const unsigned long long value = std::strtoull(text.c_str(), nullptr, 10);
  if (errno == ERANGE || value == 0 || value > SIZE_MAX) return std::nullopt;
  return static_cast<std::size_t>(value);
}

// Reads the arguments into `options`; what is wrong with them, or nothing.
std::string parseOptions(int argc, char** argv, Options& options) {
  std::vector<std::string> args(argv + 1, argv + argc);
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool takesValue = arg == "--house" || arg == "-o" || arg == "--limit" || arg == "--memory";
    if (takesValue && i + 1 == args.size()) return arg + " needs a value";
    if (arg == "--house") {
      options.house = true;
      options.houseName = args[++i];
    } else if (arg == "-o") {
      options.output = args[++i];
    } else if (arg == "--limit" || arg == "--memory") {
      const std::string& text = args[++i];
      const std::optional<std::size_t> value = positiveNumber(text);
      if (!value) return arg + " takes a whole number from 1 to " + std::to_string(SIZE_MAX) + ", not \"" + text + "\"";
      (arg == "--limit" ? options.limits.positions : options.limits.memoryBytes) = *value;
    } else if (arg == "--exact") {
      options.exact = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      return "unknown option " + arg;
    } else {
      options.files.push_back(arg);
    }
  }
  if (options.house && options.files.size() != 1) {
    return "--house takes one file of rooms, not " + std::to_string(options.files.size());
  }
  if (!options.house && !options.output.empty()) return "-o goes with --house";
  return "";
}

std::string count(std::size_t n, const char* thing, const char* plural) {
  return std::to_string(n) + " " + (n == 1 ? thing : plural);
}

std::string counts(const Solution& solution) {
  return count(static_cast<std::size_t>(solution.pushes), "push", "pushes") + ", " +
         count(static_cast<std::size_t>(solution.moves), "move", "moves");
}

std::string label(std::size_t number, const CollectionRoom& room) {
  std::string text = "Room " + std::to_string(number);
  if (room.titled) text += " (" + room.title + ")";
  return text;
}

// Why a search gave up, naming the bound that stopped it; the bounds hold for each search, the
// positions are counted over all of them.
std::string gaveUp(const SolveResult& result, const Limits& limits, bool severalSearches) {
  const Budget budget{limits, limits};
  std::string bound = result.stoppedBy == Bound::Positions
                          ? "the bound of " + count(limits.positions, "position", "positions")
                          : describeBound(result, budget);
  return "gave up at " + bound + " after " + count(result.positions, "position", "positions") +
         (severalSearches ? " in all" : "");
}

// Solves one room, with the fewest pushes only when `exact`, and plays the solution through the
// game's rules; prints why when the room cannot be solved.
bool solveOne(const CollectionRoom& room, const std::string& name, const Limits& limits, bool exact, SolvedRoom& solved,
              bool& fewest, std::ostream& report) {
  if (!room.canBeTaken()) {
    report << name << ": cannot be played: " << describeProblem(room) << "\n";
    return false;
  }
  const RoomRecord played = roomOfCollection(room);
  const Snapshot snapshot = snapshotOf(played);
  const SolveResult result = exact ? solve(snapshot, limits) : solveOrFind(snapshot, Budget{limits, limits});
  if (result.outcome == Outcome::NoSolution) {
    report << name << ": no solution\n";
    return false;
  }
  if (result.outcome != Outcome::Solved) {
    report << name << ": " << gaveUp(result, limits, !exact) << "\n";
    return false;
  }
  if (std::optional<std::string> problem = replayProblem(played, result.solution.steps)) {
    report << name << ": the solution found does not play in the game: " << *problem << "\n";
    return false;
  }
  solved = SolvedRoom{played, result.solution};
  fewest = result.fewest;
  return true;
}

// What reading the files gave.
enum class Reading {
  Read,       // every file read to its end, each with a room at least
  NoRoom,     // some file held no room, which a message named
  CannotRead  // a file could not be read to its end, which a message said
};

// Calls `take` with each room of the files as it is read, until it returns false; a file that
// cannot be read to its end, or holds no room, is named on standard error.
template <typename Take>
Reading readRooms(const std::vector<std::string>& files, Take take) {
  const std::vector<std::string> names = files.empty() ? std::vector<std::string>{"-"} : files;
  Reading reading = Reading::Read;
  for (const std::string& name : names) {
    const InputFile input = openInput(name);
    if (!input.error.empty()) {
      std::cerr << "tarvo_solve: " << input.error << "\n";
      return Reading::CannotRead;
    }
    RoomListReader reader(*input.stream);
    std::size_t rooms = 0;
    while (std::optional<CollectionRoom> room = reader.next()) {
      ++rooms;
      if (!take(*room)) return reading;
    }
    if (!reader.error().empty()) {
      std::cerr << "tarvo_solve: " << input.shownName << ": " << reader.error() << input.readFailure() << "\n";
      return Reading::CannotRead;
    }
    // A file of no room is no answer of "all solved".
    if (rooms == 0) {
      std::cerr << "tarvo_solve: " << input.shownName << " holds no room\n";
      reading = Reading::NoRoom;
    }
  }
  return reading;
}

// Whether standard output took everything; says so when not.
bool outputWritten() {
  if (std::cout.flush()) return true;
  std::cerr << "tarvo_solve: cannot write to standard output\n";
  return false;
}

int solveRooms(const Options& options) {
  bool allSolved = true;
  std::size_t number = 0;
  const Reading read = readRooms(options.files, [&](const CollectionRoom& room) {
    const std::string name = label(++number, room);
    SolvedRoom solved;
    bool fewest = true;
    if (solveOne(room, name, options.limits, options.exact, solved, fewest, std::cout)) {
      std::cout << name << ": " << counts(solved.solution) << (fewest ? "" : " (not the fewest)") << "\n"
                << solved.solution.steps << "\n";
    } else {
      allSolved = false;
    }
    // Each answer is out before the next room's search starts; once the output is lost, solving on is pointless.
    return static_cast<bool>(std::cout.flush());
  });
  if (!outputWritten() || read == Reading::CannotRead) return 2;
  return allSolved && read == Reading::Read ? 0 : 1;
}

int writeHouseFile(const Options& options) {
  // The name fills one line of the file: a line break in it would shift every line after.
  for (unsigned char c : options.houseName) {
    if (c < 0x20 || c == 0x7f) {
      std::cerr << "tarvo_solve: the house name may not hold control characters\n";
      return 2;
    }
  }
  // A house holds few rooms: they are all read, and counted, before any is solved.
  std::vector<CollectionRoom> rooms;
  std::size_t roomCount = 0;
  const Reading read = readRooms(options.files, [&](const CollectionRoom& room) {
    if (++roomCount <= kMostHouseRooms) rooms.push_back(room);
    return true;
  });
  if (read == Reading::CannotRead) return 2;
  if (read == Reading::NoRoom) return 1;
  if (roomCount == 0 || roomCount > kMostHouseRooms) {
    std::cerr << "tarvo_solve: a house holds 1 to 16 rooms, not " << roomCount << "\n";
    return 1;
  }
  std::vector<SolvedRoom> solved(rooms.size());
  for (std::size_t i = 0; i < rooms.size(); ++i) {
    std::string name = label(i + 1, rooms[i]);
    bool fewest = true;
    if (!solveOne(rooms[i], name, options.limits, true, solved[i], fewest, std::cerr)) return 1;
    std::cerr << name << ": " << counts(solved[i].solution) << "\n";
    if (i > 0 && solved[i].solution.pushes < solved[i - 1].solution.pushes) {
      std::cerr << "  warning: fewer pushes than the room before\n";
    }
  }
  const std::string bytes = tarvo::writeHouse(solvedHouse(options.houseName, solved));
  if (options.output.empty()) {
    std::cout << bytes;
    return outputWritten() ? 0 : 2;
  }
  const tarvo::SaveResult saved = tarvo::saveFileSafely(options.output, bytes);
  if (!saved.ok) {
    std::cerr << "tarvo_solve: " << saved.description << "\n";
    return 2;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // Past a file size limit a write must fail with "File too large", so that the safe save removes
  // its temporary file and says why, rather than the program ending there.
  std::signal(SIGXFSZ, SIG_IGN);
  Options options;
  if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
    std::cout << kUsage;
    return outputWritten() ? 0 : 2;
  }
  if (const std::string wrong = parseOptions(argc, argv, options); !wrong.empty()) {
    std::cerr << "tarvo_solve: " << wrong << "\n" << kUsage;
    return 2;
  }
  return options.house ? writeHouseFile(options) : solveRooms(options);
}
