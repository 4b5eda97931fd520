// The command as a user runs it: what it prints for a solved room, the rooms it refuses, its
// bounds, its input and output errors, and its exit statuses.
#include <gtest/gtest.h>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

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

// Runs tarvo_solve with `arguments` on a file holding `rooms`.
CommandRun solveText(const std::string& arguments, const std::string& rooms) {
  const test::ScratchFolder folder;
  const std::string file = folder.file("rooms.txt");
  std::ofstream(file, std::ios::binary) << rooms;
  return runShell(quoted(TARVO_SOLVE) + " " + arguments + " " + quoted(file));
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
}

TEST(SolveCommand, AnswersWithSomeSolutionWhereTheFewestPushesAreOutOfItsBoundsUnlessExact) {
  CommandRun run = solveText("--limit 400", kThreeBoxes);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_TRUE(firstLine(run.out).ends_with(" (not the fewest)")) << run.out;

  run = solveText("--limit 400 --exact", kThreeBoxes);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "Room 1: gave up at the bound of 400 positions after 400 positions\n");

  run = solveText("--exact", kThreeBoxes);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(firstLine(run.out), "Room 1: 12 pushes, 23 moves");
}

TEST(SolveCommand, NamesTheBoundThatStoppedARoom) {
  CommandRun run = solveText("--limit 1", kCorridor);
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
  const test::ScratchFolder folder;
  const std::string rooms = folder.file("rooms.txt");
  std::ofstream(rooms, std::ios::binary) << kCorridor;
  const std::string solve = quoted(TARVO_SOLVE) + " " + quoted(rooms) + " ";

  CommandRun run = runShell(solve + quoted(folder.path()));
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "Room 1 (corridor): 2 pushes, 3 moves\nrRR\ntarvo_solve: " + folder.path() +
                         " is a folder, not a file of rooms\n");

  // Reading a process's memory from its first address fails at once.
  run = runShell(solve + "/proc/self/mem");
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

// A room's answer comes as soon as the room is read, while its input is still open.
TEST(SolveCommand, SolvesEachRoomAsItIsRead) {
  int toCommand[2];
  int fromCommand[2];
  ASSERT_EQ(::pipe(toCommand), 0);
  ASSERT_EQ(::pipe(fromCommand), 0);
  const pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    ::dup2(toCommand[0], 0);
    ::dup2(fromCommand[1], 1);
    for (int fd : {toCommand[0], toCommand[1], fromCommand[0], fromCommand[1]}) ::close(fd);
    ::execl(TARVO_SOLVE, TARVO_SOLVE, static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(toCommand[0]);
  ::close(fromCommand[1]);
  ASSERT_EQ(::write(toCommand[1], kCorridor.data(), kCorridor.size()), static_cast<ssize_t>(kCorridor.size()));
  std::string out;
  pollfd answer{fromCommand[0], POLLIN, 0};
  while (out.find("rRR\n") == std::string::npos && ::poll(&answer, 1, 20000) == 1) {
    char buffer[256];
    const ssize_t n = ::read(fromCommand[0], buffer, sizeof buffer);
    if (n <= 0) break;
    out.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(toCommand[1]);
  ::close(fromCommand[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  EXPECT_EQ(out, "Room 1 (corridor): 2 pushes, 3 moves\nrRR\n");
}

// Fails on the first read past `good` bytes, as a disk may.
class FailingBuffer : public std::stringbuf {
 public:
  FailingBuffer(const std::string& text, std::size_t good) : std::stringbuf(text.substr(0, good)) {}

 protected:
  int_type underflow() override {
    const int_type c = std::stringbuf::underflow();
    if (c == traits_type::eof()) throw std::ios_base::failure("read");
    return c;
  }
};

TEST(RoomListReader, GivesTheRoomsReadBeforeAFailureAndThenSaysWhere) {
  FailingBuffer buffer(kCorridor + kCorridor, kCorridor.size() + 15);
  std::istream in(&buffer);
  RoomListReader reader(in);
  EXPECT_TRUE(reader.next().has_value());
  EXPECT_FALSE(reader.next().has_value());
  EXPECT_EQ(reader.error(), "reading stopped at line 13");

  const std::string longest(RoomListReader::kLongestLine, ' ');
  std::istringstream text("; " + longest.substr(2) + "\r\n#" + longest + "\n");
  const RoomList list = readRoomList(text);
  EXPECT_TRUE(list.rooms.empty());
  EXPECT_EQ(list.error, "line 2 is longer than 1024 bytes");
}

}  // namespace
}  // namespace tarvo::solver
