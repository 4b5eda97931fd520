// The command line: one house file, --help and --version, and what is refused.
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

}  // namespace
}  // namespace tarvo
