// Whole files as bytes.
#include "house/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

namespace tarvo {

namespace {

// What a file that is not a regular file is, for the user.
const char* kindOfFile(mode_t mode) {
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISFIFO(mode)) return "a FIFO (named pipe)";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  if (S_ISSOCK(mode)) return "a socket";
  return "a special file";
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }

 private:
  int fd_;
};

// Where reading starts when the file tells no believable size (the files of /proc say 0).
constexpr std::size_t kFirstCapacity = std::size_t{1} << 16;

}  // namespace

void FileBytes::grow(std::size_t capacity) {
  auto larger = std::make_unique_for_overwrite<char[]>(capacity);
  if (size_ > 0) std::memcpy(larger.get(), data_.get(), size_);
  data_ = std::move(larger);
  capacity_ = capacity;
}

std::unique_ptr<char[]> FileBytes::release() {
  size_ = 0;
  capacity_ = 0;
  return std::move(data_);
}

FileBytes::Outcome FileBytes::read(const std::string& path, std::size_t maxBytes, std::string& reason) {
  size_ = 0;
  // Look before opening: opening a FIFO for reading waits for a writer, and opening a device
  // can have effects of its own.
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    reason = std::strerror(errno);
    return Outcome::CannotOpen;
  }
  if (!S_ISREG(info.st_mode)) {
    reason = kindOfFile(info.st_mode);
    return Outcome::NotAFile;
  }
  // The path may have been replaced since: O_NONBLOCK keeps even a FIFO put there from
  // blocking, and what was opened is checked again.
  Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.get() < 0 || ::fstat(file.get(), &info) != 0) {
    reason = std::strerror(errno);
    return Outcome::CannotOpen;
  }
  if (!S_ISREG(info.st_mode)) {
    reason = kindOfFile(info.st_mode);
    return Outcome::NotAFile;
  }
  if (info.st_size < 0 || static_cast<std::uintmax_t>(info.st_size) > maxBytes) return Outcome::TooLarge;

  // Room for one byte more than the file says it has, so that the read that meets its end
  // finds space; a file that grows meanwhile is followed up to one byte past the limit.
  const std::size_t limit = maxBytes + 1;
  const auto told = static_cast<std::size_t>(info.st_size);
  grow(std::min(told > 0 ? told + 1 : kFirstCapacity, limit));
  for (;;) {
    if (size_ == capacity_) {
      if (capacity_ == limit) {
        size_ = 0;
        return Outcome::TooLarge;
      }
      grow(std::min(capacity_ * 2, limit));
    }
    const ssize_t got = ::read(file.get(), data_.get() + size_, capacity_ - size_);
    if (got < 0) {
      if (errno == EINTR) continue;
      reason = std::strerror(errno);
      size_ = 0;
      return Outcome::CannotOpen;
    }
    if (got == 0) break;
    size_ += static_cast<std::size_t>(got);
  }
  return Outcome::Read;
}

}  // namespace tarvo
