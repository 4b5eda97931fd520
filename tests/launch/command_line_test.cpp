// The command line: one house file, the zoom, --help and --version, and what is refused.
#include <gtest/gtest.h>

#include "launch/command_line.h"

namespace tarvo {
namespace {

using Action = CommandLine::Action;

TEST(CommandLine, OneHouseFileOrHelpOrVersionAndNothingElseAndTwoDashesEndTheOptions) {
  EXPECT_EQ(parseCommandLine({}).action, Action::Play);
  const CommandLine house = parseCommandLine({"rooms/My House.hou"});
  EXPECT_EQ(house.action, Action::Play);
  EXPECT_EQ(house.houseFile, "rooms/My House.hou");
  EXPECT_EQ(parseCommandLine({"--version"}).action, Action::Version);
  EXPECT_EQ(parseCommandLine({"--version", "-h"}).action, Action::Help);
  EXPECT_EQ(parseCommandLine({"--help", "--version"}).action, Action::Help);
  for (const auto& refused : {std::vector<std::string>{"a.hou", "b.hou"}, {"--fast"}, {"-x"}}) {
    const CommandLine line = parseCommandLine(refused);
    EXPECT_EQ(line.action, Action::UsageError) << refused.front();
    EXPECT_FALSE(line.problem.empty());
  }
  // Two dashes end the options.
  const CommandLine dashed = parseCommandLine({"--", "-x.hou"});
  EXPECT_EQ(dashed.action, Action::Play);
  EXPECT_EQ(dashed.houseFile, "-x.hou");
  EXPECT_EQ(parseCommandLine({"--", "--help"}).houseFile, "--help");
  EXPECT_EQ(parseCommandLine({"--", "a.hou", "--"}).action, Action::UsageError) << "a second file";
  EXPECT_NE(usageText().find("--  "), std::string::npos) << "--help names it";
}

TEST(CommandLine, ZoomTakesOneWholeNumberFromOneToTheLargestInEitherForm) {
  const struct {
    std::vector<std::string> arguments;
    int zoom;  // 0: refused
  } rows[] = {
      {{}, 1},
      {{"--zoom", "2"}, 2},
      {{"--zoom=3", "a.hou"}, 3},
      {{"a.hou", "--zoom", "8"}, 8},
      {{"--zoom", "1", "--zoom", "4"}, 4},  // the last one counts
      {{"--zoom"}, 0},
      {{"--zoom", "0"}, 0},
      {{"--zoom", "9"}, 0},
      {{"--zoom", "10"}, 0},
      {{"--zoom", "-2"}, 0},
      {{"--zoom", "2x"}, 0},
      {{"--zoom="}, 0},
      {{"--zoom", "a.hou"}, 0},
  };
  for (const auto& row : rows) {
    const CommandLine line = parseCommandLine(row.arguments);
    std::string shown;
    for (const std::string& argument : row.arguments) shown += argument + " ";
    if (row.zoom == 0) {
      EXPECT_EQ(line.action, Action::UsageError) << shown;
      EXPECT_NE(line.problem.find("--zoom"), std::string::npos) << shown;
    } else {
      EXPECT_EQ(line.action, Action::Play) << shown;
      EXPECT_EQ(line.zoom, row.zoom) << shown;
    }
  }
  EXPECT_EQ(parseCommandLine({"--", "--zoom", "2"}).action, Action::UsageError) << "after --, two files";
  EXPECT_EQ(parseCommandLine({"--zoom", "2", "a.hou"}).houseFile, "a.hou");
  EXPECT_NE(usageText().find("--zoom N"), std::string::npos);
  EXPECT_NE(usageText().find("Ctrl+Plus"), std::string::npos);
}

}  // namespace
}  // namespace tarvo
