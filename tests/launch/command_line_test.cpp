// The command line: one house file, --help and --version, and what is refused.
#include <gtest/gtest.h>

#include "launch/command_line.h"

namespace tarvo {
namespace {

using Action = CommandLine::Action;

TEST(CommandLine, OneHouseFileOrHelpOrVersionAndNothingElse) {
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
}

}  // namespace
}  // namespace tarvo
