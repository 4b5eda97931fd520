// The program's command line: a house file to open, the zoom to start at, --help and --version.
#include "launch/command_line.h"

namespace tarvo {

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  const auto refuse = [&](std::string problem) {
    line.action = CommandLine::Action::UsageError;
    line.problem = std::move(problem);
    return line;
  };
  bool options = true;  // "--" ends them: what follows is a file name, even "-x.hou"
  for (std::size_t k = 0; k < arguments.size(); ++k) {
    const std::string& argument = arguments[k];
    const bool option = options && argument.size() > 1 && argument[0] == '-';
    if (option && (argument == "--zoom" || argument.starts_with("--zoom="))) {
      std::string value;
      if (argument == "--zoom") {
        if (k + 1 == arguments.size()) return refuse("--zoom needs a number, 1 to " + std::to_string(kMostZoom));
        value = arguments[++k];
      } else {
        value = argument.substr(7);
      }
      const bool digit = value.size() == 1 && value[0] >= '1' && value[0] <= '0' + kMostZoom;
      if (!digit)
        return refuse("--zoom takes a whole number from 1 to " + std::to_string(kMostZoom) + ", not " + value);
      line.zoom = value[0] - '0';
    } else if (option && argument == "--") {
      options = false;
    } else if (option && (argument == "--help" || argument == "-h")) {
      line.action = CommandLine::Action::Help;
    } else if (option && argument == "--version") {
      if (line.action != CommandLine::Action::Help) line.action = CommandLine::Action::Version;
    } else if (option) {
      return refuse("unknown option " + argument);
    } else if (!line.houseFile.empty()) {
      return refuse("one house file at a time, not " + line.houseFile + " and " + argument);
    } else {
      line.houseFile = argument;
    }
  }
  return line;
}

std::string usageText() {
  return "usage: tarvoplim [--zoom N] [--] [FILE.hou | ROOMS.txt]\n"
         "       tarvoplim --help | --version\n"
         "\n"
         "A puzzle game with its own room editor: push every box onto a goal.\n"
         "\n"
         "  FILE.hou    open this house file instead of the bundled default house\n"
         "  ROOMS.txt   open a collection of rooms in plain text, choosing up to 16 of them\n"
         "  --zoom N    start with the window N times its size (1 to 8, as far as the screen\n"
         "              allows); Ctrl+Plus, Ctrl+Minus and Ctrl+0 change it while playing\n"
         "  --          end of the options: a file name after it may begin with \"-\"\n"
         "  --help      print this help and exit\n"
         "  --version   print the version and exit\n";
}

std::string versionText() {
  return "tarvoplim " + std::to_string(TARVO_VERSION_MAJOR) + "." + std::to_string(TARVO_VERSION_MINOR) + "." +
         std::to_string(TARVO_VERSION_PATCH) + "\n";
}

}  // namespace tarvo
