// The command as a user runs it: what it prints for a solved room, the rooms it refuses, its
// limits, and its exit statuses.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "scratch_folder.h"

namespace tarvo::solver {
namespace {

struct CommandRun {
  int status = -1;
  std::string out;
};

// Runs tarvo_solve with `arguments` on a file holding `rooms`, standard error joined to the output.
CommandRun solveText(const std::string& arguments, const std::string& rooms) {
  const test::ScratchFolder folder;
  const std::string file = folder.file("rooms.txt");
  std::ofstream(file, std::ios::binary) << rooms;
  const std::string command = std::string("'") + TARVO_SOLVE + "' " + arguments + " '" + file + "' 2>&1";
  CommandRun run;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  return run;
}

const std::string kCorridor = "; corridor\n#######\n#@ $ .#\n#######\n\n\n\n\n\n\n\n";

TEST(SolveCommand, PrintsCountsAndStepsOrSaysWhyNot) {
  CommandRun run = solveText("", kCorridor);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "Room 1 (corridor): 2 pushes, 3 moves\nrRR\n");

  run = solveText("", "#######\n#@ $$.#\n#######\n\n\n\n\n\n\n\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "Room 1: malformed: 2 boxes but 1 goal\n");

  run = solveText("", "#####\n#@x.#\n#####\n\n\n\n\n\n\n\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "Room 1: malformed: unknown symbol 'x' at line 2, column 3\n");

  run = solveText("", kCorridor + "#####\n#@$.#\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.out.find("the room starting at line 12 has only 2 rows"), std::string::npos) << run.out;
}

TEST(SolveCommand, GivesUpAtItsLimitsAndRefusesBadOnes) {
  CommandRun run = solveText("--limit 1", kCorridor);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "Room 1 (corridor): gave up after 1 positions (see --limit)\n");
  EXPECT_EQ(solveText("--memory 1000", kCorridor).status, 1);
  EXPECT_EQ(solveText("--memory 1073741824", kCorridor).status, 0);
  for (const char* bad : {"--memory 0", "--memory -5", "--memory 12x", "--limit 99999999999999999999999", "--memory"}) {
    run = solveText(bad, kCorridor);
    EXPECT_EQ(run.status, 2) << bad;
    EXPECT_EQ(run.out.rfind("usage:", 0), 0u) << bad;
  }
}

}  // namespace
}  // namespace tarvo::solver
