// Saving bytes over a file without ever destroying the file that was there (POSIX).
#include "house/file_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace tarvo {

namespace {

constexpr int kMaxLinks = 40;  // as many as the system itself follows before ELOOP

// A temporary name must stay within the 255 bytes a file name may have.
constexpr std::size_t kMaxTemporaryStem = 200;

SaveResult failure(int errorNumber, std::string description) {
  SaveResult result;
  result.ok = false;
  result.errorNumber = errorNumber;
  result.description = std::move(description);
  return result;
}

std::string systemText(int errorNumber) { return std::strerror(errorNumber); }

std::string nameOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The folder part of a path with its final "/", or nothing for a name alone.
std::string folderPrefixOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The folder for messages and for opening.
std::string folderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string shownFolder(const std::string& path) {
  return path.find('/') == std::string::npos ? "the current folder" : folderOf(path);
}

const char* kindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISSOCK(mode)) return "a socket";
  return "something else";
}

// The file a save goes to: the path with its links followed.
struct Target {
  std::string path;
  bool exists = false;
  struct stat status {};
};

std::optional<std::string> readLink(const std::string& path, int& error) {
  std::vector<char> buffer(256);
  for (;;) {
    const ssize_t length = ::readlink(path.c_str(), buffer.data(), buffer.size());
    if (length < 0) {
      error = errno;
      return std::nullopt;
    }
    if (static_cast<std::size_t>(length) < buffer.size())
      return std::string(buffer.data(), static_cast<std::size_t>(length));
    buffer.resize(buffer.size() * 2);
  }
}

// Follows links one by one (rather than asking for the real path) so that a link leading to a
// file not made yet still gives the place where that file belongs.
std::optional<SaveResult> findTarget(const std::string& path, Target& target) {
  target.path = path;
  for (int links = 0;; ++links) {
    if (nameOf(target.path).empty()) {
      return failure(kSaveNoFileName, "\"" + target.path + "\" names no file, so the house was not saved");
    }
    if (::lstat(target.path.c_str(), &target.status) != 0) {
      const int error = errno;
      // Nothing there to protect. A folder that is missing or is not a folder at all is
      // reported when no temporary file can be made in it.
      if (error == ENOENT || error == ENOTDIR) return std::nullopt;
      return failure(error, "cannot reach " + target.path + ", so the house was not saved: " + systemText(error));
    }
    if (!S_ISLNK(target.status.st_mode)) {
      target.exists = true;
      return std::nullopt;
    }
    if (links == kMaxLinks) {
      return failure(ELOOP,
                     "cannot follow the links from " + path + ", so the house was not saved: " + systemText(ELOOP));
    }
    int error = 0;
    const std::optional<std::string> link = readLink(target.path, error);
    if (!link)
      return failure(error,
                     "cannot read the link " + target.path + ", so the house was not saved: " + systemText(error));
    target.path = !link->empty() && (*link)[0] == '/' ? *link : folderPrefixOf(target.path) + *link;
  }
}

// POSIX reads the umask only by setting it, so it is put straight back. Saves run on the
// window's one thread, and nothing else in the program creates files meanwhile.
mode_t currentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

// The signals that end a program from outside while it saves: a terminal's Ctrl+C, a kill, a
// closed terminal. While a temporary file exists, each removes it before it ends the program.
constexpr std::array<int, 3> kEndingSignals = {SIGINT, SIGTERM, SIGHUP};

// The name the handler removes, written before the handler is installed; a handler may read
// nothing but such plain memory.
std::array<char, 4096> temporaryName{};
volatile std::sig_atomic_t temporaryNamed = 0;
std::array<struct sigaction, kEndingSignals.size()> actionsBefore{};

std::size_t signalPlace(int signal) {
  std::size_t k = 0;
  while (k + 1 < kEndingSignals.size() && kEndingSignals[k] != signal) ++k;
  return k;
}

// Removes the temporary file, then lets the signal do what it would have done without the save
// (end the program, or run the program's own handler): unlink, sigaction and raise are all
// async-signal-safe.
extern "C" void removeTemporaryFileAndGoOn(int signal) {
  if (temporaryNamed != 0) ::unlink(temporaryName.data());
  temporaryNamed = 0;
  ::sigaction(signal, &actionsBefore[signalPlace(signal)], nullptr);
  ::raise(signal);  // delivered once this handler returns
}

// Installs the handler for the life of a save, for each ending signal that is not ignored; it
// removes the temporary file once one is named.
class SignalGuard {
 public:
  SignalGuard() {
    struct sigaction action {};
    action.sa_handler = removeTemporaryFileAndGoOn;
    sigfillset(&action.sa_mask);
    for (std::size_t k = 0; k < kEndingSignals.size(); ++k) {
      struct sigaction before {};
      ::sigaction(kEndingSignals[k], nullptr, &before);
      installed_[k] = before.sa_handler != SIG_IGN;
      if (installed_[k]) ::sigaction(kEndingSignals[k], &action, &actionsBefore[k]);
    }
  }
  SignalGuard(const SignalGuard&) = delete;
  SignalGuard& operator=(const SignalGuard&) = delete;
  // The temporary file now exists under this path.
  void name(const std::string& path) {
    if (path.size() >= temporaryName.size()) return;  // no such path reaches the file system
    std::memcpy(temporaryName.data(), path.c_str(), path.size() + 1);
    temporaryNamed = 1;
  }
  ~SignalGuard() {
    temporaryNamed = 0;
    for (std::size_t k = 0; k < kEndingSignals.size(); ++k) {
      if (installed_[k]) ::sigaction(kEndingSignals[k], &actionsBefore[k], nullptr);
    }
  }

 private:
  std::array<bool, kEndingSignals.size()> installed_{};
};

// The temporary file: closed and removed unless it was put in place.
class TemporaryFile {
 public:
  TemporaryFile(int descriptor, std::string path, const SaveCalls& calls)
      : descriptor_(descriptor), path_(std::move(path)), calls_(calls) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (descriptor_ >= 0) ::close(descriptor_);
    if (!placed_) ::unlink(path_.c_str());
  }

  const std::string& path() const { return path_; }

  // Closing reports a failed write on some file systems, so its result counts. On EINTR
  // Linux has closed the file all the same.
  int close() {
    const int result = calls_.close(descriptor_);
    descriptor_ = -1;
    return result == 0 || errno == EINTR ? 0 : errno;
  }
  void placed() { placed_ = true; }

 private:
  int descriptor_;
  std::string path_;
  const SaveCalls& calls_;
  bool placed_ = false;
};

// Returns 0 or the error number; write may take fewer bytes than asked, and a signal may
// interrupt it before it takes any.
int writeAll(const SaveCalls& calls, int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = calls.write(descriptor, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (written == 0) return kSaveNothingWritten;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

int syncFile(const SaveCalls& calls, int descriptor) {
  while (calls.fsync(descriptor) != 0) {
    if (errno != EINTR) return errno;
  }
  return 0;
}

// Gives the new file the old one's mode and, where we may, its owner: root saving someone
// else's house must not take it from them. The owner goes first, since a change of owner
// can clear the set-ID bits.
int takeOverMode(int descriptor, const Target& target) {
  if (!target.exists) return ::fchmod(descriptor, 0666 & ~currentUmask()) == 0 ? 0 : errno;
  if (target.status.st_uid != ::geteuid() || target.status.st_gid != ::getegid()) {
    if (::fchown(descriptor, target.status.st_uid, target.status.st_gid) != 0) {
      // Not allowed: the new file stays ours, as any new file of ours would be.
    }
  }
  return ::fchmod(descriptor, target.status.st_mode & 07777) == 0 ? 0 : errno;
}

// Makes the rename itself survive a crash; the save has happened whatever this returns.
void syncFolder(const std::string& path) {
  const int folder = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) return;
  syncFile(systemSaveCalls(), folder);
  ::close(folder);
}

}  // namespace

SaveCalls systemSaveCalls() { return {::write, ::fsync, ::close, ::rename}; }

SaveResult saveFileSafely(const std::string& path, std::string_view bytes, const SaveCalls& calls) {
  Target target;
  if (std::optional<SaveResult> error = findTarget(path, target)) return *error;
  if (target.exists && !S_ISREG(target.status.st_mode)) {
    // A rename would put a regular file where the device or FIFO was.
    const std::string subject = target.path == path ? path : path + " leads to " + target.path + ", which";
    return failure(kSaveNotARegularFile, subject + " is " + kindOf(target.status.st_mode) +
                                             ", not a regular file, so the house was not saved");
  }

  std::string pattern = folderPrefixOf(target.path) + nameOf(target.path).substr(0, kMaxTemporaryStem) + ".XXXXXX";
  // Declared before the temporary file, so that it goes after the file is removed.
  SignalGuard guard;
  const int descriptor = ::mkstemp(pattern.data());
  if (descriptor < 0) {
    const int error = errno;
    return failure(error, "cannot write a new file in " + shownFolder(target.path) +
                              ", so the house was not saved: " + systemText(error));
  }
  guard.name(pattern);
  TemporaryFile temporary(descriptor, pattern, calls);
  ::fcntl(descriptor, F_SETFD, FD_CLOEXEC);

  int error = writeAll(calls, descriptor, bytes);
  if (error == 0) error = takeOverMode(descriptor, target);
  // A full disk may only show here, when the data is written out.
  if (error == 0) error = syncFile(calls, descriptor);
  if (error == 0) error = temporary.close();
  if (error != 0) {
    std::string description =
        "cannot write the house in a new file in " + shownFolder(target.path) + ", so it was not saved";
    if (target.exists) description += " and " + target.path + " is as it was";
    const std::string reason = error == kSaveNothingWritten ? "the system took no bytes" : systemText(error);
    return failure(error, description + ": " + reason);
  }

  if (calls.rename(temporary.path().c_str(), target.path.c_str()) != 0) {
    error = errno;
    return failure(error, "cannot put the new file in place of " + target.path +
                              ", so the house was not saved: " + systemText(error));
  }
  temporary.placed();
  syncFolder(target.path);
  return SaveResult{};
}

}  // namespace tarvo
