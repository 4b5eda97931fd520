// tarvo_solve: solves rooms with the fewest pushes and turns a list of rooms into a house file.
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "house/file_save.h"
#include "house/house_writer.h"
#include "room_list.h"
#include "rules/replay.h"
#include "solved_house.h"
#include "solver/board.h"
#include "solver/solver.h"

namespace {

using namespace tarvo::solver;

constexpr std::size_t kDefaultPositionLimit = 3'000'000;

const char* const kUsage = R"(usage:
  tarvo_solve [--limit N] [--memory BYTES] [FILE...]
      Solves every room of the files (standard input when none are given) with the
      fewest pushes, and among those the fewest moves, and prints for each room the
      numbers of pushes and moves and the steps: u d r l walk up, down, right, left;
      U D R L push up, down, right, left.
  tarvo_solve [--limit N] [--memory BYTES] --house NAME ROOMS [-o OUT]
      Solves every room of ROOMS (at most 16) and writes a house file named NAME that
      holds them, each with its solution as the record of "TarvoPlim", to OUT or to
      standard output. Nothing is written when a room cannot be solved.

Rooms are ten lines of ten symbols each:
  #  wall            .  goal            $  box            *  box on a goal
     floor (blank)   @  man             +  man on a goal  -  outside the walls
A line shorter than ten characters is floor on its right. Between rooms, blank lines
are skipped and lines starting with ";" are comments; the last comment before a room
is its title. A room must be closed by walls, hold one man and as many boxes as goals.

  --limit N       give up on a room after keeping N positions (default 3000000)
  --memory BYTES  give up on a room when its positions would take more memory
                  (default 1073741824, that is 1 GiB)

Exit status: 0 when every room was solved, 1 when one was malformed, unsolvable or
too large, 2 for a usage or file error.
)";

struct Options {
  bool house = false;
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

bool parseOptions(int argc, char** argv, Options& options) {
  std::vector<std::string> args(argv + 1, argv + argc);
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    bool hasValue = i + 1 < args.size();
    if (arg == "--house" && hasValue) {
      options.house = true;
      options.houseName = args[++i];
    } else if (arg == "-o" && hasValue) {
      options.output = args[++i];
    } else if ((arg == "--limit" || arg == "--memory") && hasValue) {
      const std::optional<std::size_t> value = positiveNumber(args[++i]);
      if (!value) return false;
      (arg == "--limit" ? options.limits.positions : options.limits.memoryBytes) = *value;
    } else if (arg.size() > 1 && arg[0] == '-') {
      return false;
    } else {
      options.files.push_back(arg);
    }
  }
  if (options.house) return options.files.size() == 1;
  return options.output.empty();
}

bool readInputs(const std::vector<std::string>& files, std::vector<ListedRoom>& rooms) {
  std::vector<std::string> names = files.empty() ? std::vector<std::string>{"-"} : files;
  for (const std::string& name : names) {
    std::ifstream file;
    if (name != "-") {
      file.open(name, std::ios::binary);
      if (!file) {
        std::cerr << "tarvo_solve: cannot open " << name << "\n";
        return false;
      }
    }
    RoomList list = readRoomList(name == "-" ? std::cin : file);
    if (!list.error.empty()) {
      std::cerr << "tarvo_solve: " << name << ": " << list.error << "\n";
      return false;
    }
    rooms.insert(rooms.end(), list.rooms.begin(), list.rooms.end());
  }
  return true;
}

std::string counts(const Solution& solution) {
  auto count = [](int n, const char* thing, const char* plural) {
    return std::to_string(n) + " " + (n == 1 ? thing : plural);
  };
  return count(solution.pushes, "push", "pushes") + ", " + count(solution.moves, "move", "moves");
}

std::string label(std::size_t number, const ListedRoom& room) {
  std::string text = "Room " + std::to_string(number);
  if (!room.title.empty()) text += " (" + room.title + ")";
  return text;
}

// Solves one room and plays the solution through the game's rules; prints why when the room
// cannot be solved.
bool solveOne(const ListedRoom& room, const std::string& name, const Limits& limits, SolvedRoom& solved,
              std::ostream& report) {
  BoardResult read = readBoard(room.rows, room.firstLine);
  if (!read.ok()) {
    report << name << ": malformed: " << read.error << "\n";
    return false;
  }
  const SolveResult result = solve(snapshotOf(read.room), limits);
  if (result.outcome == Outcome::NoSolution) {
    report << name << ": no solution\n";
    return false;
  }
  if (result.outcome == Outcome::LimitReached) {
    report << name << ": gave up after " << result.positions << " positions (see --limit)\n";
    return false;
  }
  if (std::optional<std::string> problem = replayProblem(read.room, result.solution.steps)) {
    report << name << ": the solution found does not play in the game: " << *problem << "\n";
    return false;
  }
  solved = SolvedRoom{read.room, result.solution};
  return true;
}

int solveRooms(const std::vector<ListedRoom>& rooms, const Limits& limits) {
  bool allSolved = true;
  for (std::size_t i = 0; i < rooms.size(); ++i) {
    std::string name = label(i + 1, rooms[i]);
    SolvedRoom solved;
    if (!solveOne(rooms[i], name, limits, solved, std::cout)) {
      allSolved = false;
      continue;
    }
    std::cout << name << ": " << counts(solved.solution) << "\n" << solved.solution.steps << "\n";
  }
  return allSolved ? 0 : 1;
}

int writeHouseFile(const Options& options, const std::vector<ListedRoom>& rooms) {
  if (rooms.empty() || rooms.size() > 16) {
    std::cerr << "tarvo_solve: a house holds 1 to 16 rooms, not " << rooms.size() << "\n";
    return 1;
  }
  // The name fills one line of the file: a line break in it would shift every line after.
  for (unsigned char c : options.houseName) {
    if (c < 0x20 || c == 0x7f) {
      std::cerr << "tarvo_solve: the house name may not hold control characters\n";
      return 2;
    }
  }
  std::vector<SolvedRoom> solved(rooms.size());
  for (std::size_t i = 0; i < rooms.size(); ++i) {
    std::string name = label(i + 1, rooms[i]);
    if (!solveOne(rooms[i], name, options.limits, solved[i], std::cerr)) return 1;
    std::cerr << name << ": " << counts(solved[i].solution) << "\n";
    if (i > 0 && solved[i].solution.pushes < solved[i - 1].solution.pushes) {
      std::cerr << "  warning: fewer pushes than the room before\n";
    }
  }
  const std::string bytes = tarvo::writeHouse(solvedHouse(options.houseName, solved));
  if (options.output.empty()) {
    std::cout << bytes;
    return std::cout ? 0 : 2;
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
  Options options;
  if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
    std::cout << kUsage;
    return 0;
  }
  if (!parseOptions(argc, argv, options)) {
    std::cerr << kUsage;
    return 2;
  }
  std::vector<ListedRoom> rooms;
  if (!readInputs(options.files, rooms)) return 2;
  return options.house ? writeHouseFile(options, rooms) : solveRooms(rooms, options.limits);
}
