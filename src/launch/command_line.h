// The program's command line: a house file to open, the zoom to start at, --help and --version.
#pragma once

#include <string>
#include <vector>

namespace tarvo {

struct CommandLine {
  enum class Action { Play, Help, Version, UsageError };
  Action action = Action::Play;
  std::string houseFile;  // empty: the default house
  int zoom = 1;           // the whole window at this multiple of its size, as far as the screen allows
  std::string problem;    // what is wrong with a refused command line
};

// Reads the arguments after the program's name: at most one house file, "--zoom N" (or
// "--zoom=N", N from 1 to kMostZoom), or --help, or --version. Two files, an unknown option or a
// zoom that is no such number are refused. "--" ends the options: every
// argument after it is a file name, whatever it begins with.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

inline constexpr int kMostZoom = 8;

// The texts of --help and --version.
std::string usageText();
std::string versionText();

}  // namespace tarvo
