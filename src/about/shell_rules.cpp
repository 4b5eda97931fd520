// The rules of handing a document to the desktop: how the request is made, and what a
// refusal tells the user.
#include "about/shell_rules.h"

#include <algorithm>
#include <cctype>

namespace tarvo {

namespace {

constexpr std::int64_t kDefaultErrorBase = -2147220456;

}  // namespace

ShellCall shellCall(std::string_view target, int showMode, std::string_view parameters, std::string_view directory,
                    std::string_view operation) {
  std::string upper(target);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  if (upper.find(".EXE") != std::string::npos) showMode = 0;
  if (parameters.empty() && directory.empty()) showMode = 1;
  return ShellCall{std::string(target), std::string(parameters), std::string(directory), std::string(operation),
                   showMode};
}

std::optional<ShellFailure> shellFailure(std::int64_t shellNumber) {
  if (shellNumber < 0 || shellNumber > 32) return std::nullopt;
  const auto fallback = [&](const char* message) { return ShellFailure{shellNumber + kDefaultErrorBase, message}; };
  switch (shellNumber) {
    case 0: return ShellFailure{7, "Out of memory"};
    case 2: return ShellFailure{53, "File not found"};
    case 3: return ShellFailure{76, "Path not found"};
    case 5: return ShellFailure{75, "Path/file access error"};
    case 8: return ShellFailure{7, "Out of memory"};
    case 11: return fallback("The executable file is invalid or corrupt");
    case 26: return ShellFailure{75, "A sharing violation occurred."};
    case 27: return fallback("This file type does not have a valid file association.");
    case 28: return ShellFailure{286, "The file could not be opened due to time out.  Please try again in a moment."};
    case 29:
      return ShellFailure{
          285, "The file could not be opened because the DDE transaction failed.  Please try again in a moment."};
    case 30:
      return ShellFailure{
          285, "The file could not be opened because the target application is busy.  Please try again in a moment."};
    case 31: return fallback("No application is associated with this file type.");
    case 32: return ShellFailure{48, "The specified dynamic-link library was not found."};
    default: return fallback("An error occurred occurred whilst trying to open or print the selected file.");
  }
}

std::string shellFailureText(const ShellFailure& failure) {
  return "Erreur " + std::to_string(failure.errorNumber) + "\r\n" + failure.message;
}

std::int64_t shellNumberOfOpenerExit(int exitStatus) {
  switch (exitStatus) {
    case 0: return kShellOpened;
    case 1: return 1;   // bad arguments: the catch-all row
    case 2: return 2;   // a file that does not exist
    case 3: return 31;  // no tool for this kind of target
    case 4: return 27;  // the action failed
    default: return 1;
  }
}

}  // namespace tarvo
