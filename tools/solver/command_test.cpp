// The command as a user runs it: what it prints for a solved room, the rooms it refuses, its
// bounds, its input and output errors, and its exit statuses.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "room_list.h"
#include "scratch_folder.h"

namespace tarvo::solver {
namespace {

struct CommandRun {
  int status = -1;
  std::string out;
};

// Runs a shell command, standard error joined to the output.
CommandRun runShell(const std::string& command) {
  CommandRun run;
  if (FILE* pipe = ::popen((command + " 2>&1").c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  return run;
}

std::string quoted(const std::string& text) { return "'" + text + "'"; }

// Runs tarvo_solve with `arguments` on a file holding `rooms`, then on the file `next` if one is given.
CommandRun solveText(const std::string& arguments, const std::string& rooms, const std::string& next = "") {
  const test::ScratchFolder folder;
  const std::string file = folder.file("rooms.txt");
  std::ofstream(file, std::ios::binary) << rooms;
  return runShell(quoted(TARVO_SOLVE) + " " + arguments + " " + quoted(file) +
                  (next.empty() ? "" : " " + quoted(next)));
}

std::string firstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

const std::string kCorridor = "; corridor\n#######\n#@ $ .#\n#######\n\n\n\n\n\n\n\n";

// Three boxes in the open: the fewest pushes take some thousands of positions, some solution about a hundred.
const std::string kThreeBoxes = "##########\n#@       #\n# $ $ $  #\n#        #\n#   . . .#\n##########\n\n\n\n\n";

TEST(SolveCommand, PrintsCountsAndStepsOrSaysWhyNot) {
  CommandRun run = solveText("", kCorridor);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "Room 1 (corridor): 2 pushes, 3 moves\nrRR\n");

  // Room text as the game reads it: run lengths, "|" rows, "Title:", a spare box.
  run = solveText("", "Title: spare\n7#|#@ $.#|# $  #|7#");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "Room 1 (spare): 1 push, 2 moves\nrR\n");

  run = solveText("", "#######\n#@ $..#\n#######\n\n#####\n#@$. \n#####\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "Room 1: cannot be played: fewer boxes than goals\nRoom 2: cannot be played: open\n");

  // A box in a corner off its goal: no solution, and the status says a room was not solved.
  run = solveText("", "; stuck\n#####\n#$ .#\n#  @#\n#####\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "Room 1 (stuck): no solution\n");
}

TEST(SolveCommand, AnswersWithSomeSolutionWhereTheFewestPushesAreOutOfItsBoundsUnlessExactAndNamesTheBound) {
  CommandRun run = solveText("--limit 400", kThreeBoxes);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_TRUE(firstLine(run.out).ends_with(" (not the fewest)")) << run.out;

  run = solveText("--limit 400 --exact", kThreeBoxes);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "Room 1: gave up at the bound of 400 positions after 400 positions\n");

  run = solveText("--exact", kThreeBoxes);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(firstLine(run.out), "Room 1: 12 pushes, 23 moves");

  // Each bound that stops a room is named.
  run = solveText("--limit 1", kCorridor);
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.out.starts_with("Room 1 (corridor): gave up at the bound of 1 position after ")) << run.out;
  EXPECT_TRUE(run.out.ends_with(" positions in all\n")) << run.out;

  run = solveText("--memory 1000", kCorridor);
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.out.starts_with("Room 1 (corridor): gave up at the memory bound of 1000 bytes after ")) << run.out;
  EXPECT_EQ(solveText("--memory 1073741824", kCorridor).status, 0);
}

TEST(SolveCommand, SaysWhatIsWrongWithARefusedArgumentBeforeTheUsage) {
  const std::pair<const char*, const char*> refused[] = {
      {"--limit 0", "--limit takes a whole number from 1 to"},
      {"--memory -5", "--memory takes a whole number from 1 to"},
      {"--memory 12x", "--memory takes a whole number from 1 to"},
      {"--limit 99999999999999999999999", "--limit takes a whole number from 1 to"},
      {"--bogus", "unknown option --bogus"},
      {"-o out.hou", "-o goes with --house"},
      {"--house Name a.txt b.txt", "--house takes one file of rooms, not 2"},
      {"--memory", "--memory needs a value"},
  };
  for (const auto& [arguments, message] : refused) {
    const CommandRun run = runShell(quoted(TARVO_SOLVE) + " " + arguments + " </dev/null");
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_TRUE(run.out.starts_with(std::string("tarvo_solve: ") + message)) << arguments << "\n" << run.out;
    EXPECT_NE(run.out.find("\nusage:\n"), std::string::npos) << arguments;
  }
}

// A file that cannot be read to its end is an error naming it, even after rooms already solved.
TEST(SolveCommand, AFolderAReadErrorOrAnEndlessLineIsAFileError) {
  const std::string folder = std::filesystem::temp_directory_path().string();
  CommandRun run = solveText("", kCorridor, folder);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "Room 1 (corridor): 2 pushes, 3 moves\nrRR\ntarvo_solve: " + folder +
                         " is a folder, not a file of rooms\n");

  // Reading a process's memory from its first address fails at once.
  run = solveText("", kCorridor, "/proc/self/mem");
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.out.ends_with("tarvo_solve: /proc/self/mem: reading stopped at line 1: Input/output error\n"))
      << run.out;

  // Bounded, so that a reader without its line bound fails here rather than filling the machine.
  run = runShell("ulimit -v 2000000; timeout 20 " + quoted(TARVO_SOLVE) + " /dev/zero");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "tarvo_solve: /dev/zero: line 1 is longer than 1024 bytes\n");
}

TEST(SolveCommand, AHouseBeyondTheFileSizeLimitIsAnErrorAndLeavesNoFileBehind) {
  const test::ScratchFolder folder;
  const std::string rooms = folder.file("rooms.txt");
  std::ofstream(rooms, std::ios::binary) << kCorridor;
  const CommandRun run = runShell("ulimit -f 0; exec " + quoted(TARVO_SOLVE) + " --house Name " + quoted(rooms) +
                                  " -o " + quoted(folder.file("out.hou")));
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.out.find("File too large"), std::string::npos) << run.out;
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) ++files;
  EXPECT_EQ(files, 1) << "only the rooms";
}

// A room's answer comes as soon as the room is read, while its input is still open: the command
// runs as a coprocess whose input stays open until its first two lines have come.
TEST(SolveCommand, SolvesEachRoomAsItIsRead) {
  const std::string script =
      "coproc { exec \"$0\"; }; printf %s \"$1\" >&\"${COPROC[1]}\"; timeout 20 head -n 2 <&\"${COPROC[0]}\"; kill "
      "\"$COPROC_PID\"";
  const CommandRun run = runShell("bash -c " + quoted(script) + " " + quoted(TARVO_SOLVE) + " " + quoted(kCorridor));
  EXPECT_EQ(run.out, "Room 1 (corridor): 2 pushes, 3 moves\nrRR\n");
}

// A file without a room is no success: each is named, and the status is that of a room that
// cannot be played. A room that never ends is told too large once it passes ten rows, within a
// bounded memory, and the rooms after it are solved.
TEST(SolveCommand, AFileWithoutARoomIsNamedAndAnEndlessRoomIsToldTooLarge) {
  const test::ScratchFolder folder;
  std::ofstream(folder.file("cr.txt"), std::ios::binary) << "\r\r\r";
  CommandRun run = solveText("", kCorridor, folder.file("cr.txt"));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out,
            "Room 1 (corridor): 2 pushes, 3 moves\nrRR\ntarvo_solve: " + folder.file("cr.txt") + " holds no room\n");
  run = runShell(quoted(TARVO_SOLVE) + " < /dev/null");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "tarvo_solve: standard input holds no room\n");

  run = runShell("{ yes '##########' | head -n 3000000; printf '\\n%s' " + quoted(kCorridor) +
                 "; } | (ulimit -v 200000; " + quoted(TARVO_SOLVE) + ")");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out,
            "Room 1: cannot be played: too large: more than 10 rows\nRoom 2 (corridor): 2 pushes, 3 moves\nrRR\n");
}

// A line of exactly the bound is read; one byte more is an error naming its line.
TEST(RoomListReader, TakesLinesUpToItsBound) {
  const std::string longest(RoomListReader::kLongestLine, ' ');
  std::istringstream text("; " + longest.substr(2) + "\r\n#" + longest + "\n");
  const RoomList list = readRoomList(text);
  EXPECT_TRUE(list.rooms.empty());
  EXPECT_EQ(list.error, "line 2 is longer than 1024 bytes");
}

}  // namespace
}  // namespace tarvo::solver
