// The program's command line: a house file to open, --help and --version.
#pragma once

#include <string>
#include <vector>

namespace tarvo {

struct CommandLine {
  enum class Action { Play, Help, Version, UsageError };
  Action action = Action::Play;
  std::string houseFile;  // empty: the default house
  std::string problem;    // what is wrong with a refused command line
};

// Reads the arguments after the program's name: at most one house file, or --help, or
// --version. Two files or an unknown option are refused. "--" ends the options: every
// argument after it is a file name, whatever it begins with.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The texts of --help and --version.
std::string usageText();
std::string versionText();

}  // namespace tarvo
