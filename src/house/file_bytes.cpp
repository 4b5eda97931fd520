// Whole files as bytes.
#include "house/file_bytes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tarvo {

void FileBytes::grow(std::size_t capacity) {
  auto larger = std::make_unique_for_overwrite<char[]>(capacity);
  if (size_ > 0) std::memcpy(larger.get(), data_.get(), size_);
  data_ = std::move(larger);
  capacity_ = capacity;
}

bool FileBytes::read(const std::string& path, std::string& error) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) {
    error = std::strerror(errno);
    return false;
  }
  // Read straight into the buffer, sized from the file when it tells a believable size (a
  // directory on ext4 reports the largest offset there is, which no buffer can hold).
  long size = std::fseek(file.get(), 0, SEEK_END) == 0 ? std::ftell(file.get()) : -1;
  std::rewind(file.get());
  bool sizeKnown = size > 0 && size < (long{1} << 30);
  size_ = 0;
  grow(sizeKnown ? static_cast<std::size_t>(size) + 1 : std::size_t{1} << 16);
  errno = 0;
  for (;;) {
    size_ += std::fread(data_.get() + size_, 1, capacity_ - size_, file.get());
    if (size_ < capacity_) break;
    grow(capacity_ * 2);
  }
  if (std::ferror(file.get())) {
    error = std::strerror(errno != 0 ? errno : EIO);
    return false;
  }
  return true;
}

}  // namespace tarvo
