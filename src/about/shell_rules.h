// The rules of handing a document to the desktop: how the request is made, and what a
// refusal tells the user.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvo {

// What is handed to the desktop.
struct ShellCall {
  std::string target;
  std::string parameters;
  std::string directory;
  std::string operation;
  int showMode = 1;
};

// A target with ".EXE" anywhere (in any case) opens hidden (show mode 0); with neither
// parameters nor a directory the call is made with show mode 1 (normal) whatever was asked.
ShellCall shellCall(std::string_view target, int showMode, std::string_view parameters, std::string_view directory,
                    std::string_view operation);

// The desktop's answer as a shell number: above 32, or negative, is success; 0 to 32 an error.
struct ShellFailure {
  std::int64_t errorNumber = 0;
  std::string message;
};
std::optional<ShellFailure> shellFailure(std::int64_t shellNumber);

// "Erreur " + the error number + CR LF + the message.
std::string shellFailureText(const ShellFailure& failure);

// The shell numbers of the Linux opener (xdg-open): what its exit status means, and what it
// means that it could not be started at all.
inline constexpr std::int64_t kShellOpened = 42;
inline constexpr std::int64_t kShellNoOpener = 31;
std::int64_t shellNumberOfOpenerExit(int exitStatus);

}  // namespace tarvo
