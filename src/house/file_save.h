// Saving bytes over a file without ever destroying the file that was there (POSIX).
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tarvo {

// Failures the system gives no error number for get numbers of our own, above any errno.
inline constexpr int kSaveNotARegularFile = 1001;  // the target is a device, FIFO, folder, ...
inline constexpr int kSaveNoFileName = 1002;       // the path ends in "/" or is empty
inline constexpr int kSaveNothingWritten = 1003;   // the system took no bytes and named no error
inline constexpr int kSaveUnreadable = 1004;       // the reader would refuse the house written

struct SaveResult {
  bool ok = true;
  int errorNumber = 0;      // errno where the system gave one, else one of the numbers above
  std::string description;  // a whole sentence for the user: what failed, where, and why
};

// The system calls that write the new file and put it in place. Tests make each fail in turn;
// the program uses the system's own.
struct SaveCalls {
  std::function<ssize_t(int, const void*, std::size_t)> write;
  std::function<int(int)> fsync;
  std::function<int(int)> close;
  std::function<int(const char*, const char*)> rename;
};
SaveCalls systemSaveCalls();

// Writes the bytes into a new temporary file in the target's folder, flushes them to disk,
// gives the file the mode (and, where allowed, the owner) of the file it replaces, or
// 0666 less the umask for a new file, and renames it over the target. On any failure the
// temporary file is removed and the target is left exactly as it was.
//
// Only a regular file is ever replaced: a device, a FIFO, a socket or a folder is refused
// untouched. A symbolic link is followed, so the file it leads to is replaced and the link
// stays a link (a link that leads nowhere yet gets its file created).
SaveResult saveFileSafely(const std::string& path, std::string_view bytes, const SaveCalls& calls = systemSaveCalls());

}  // namespace tarvo
