// Whole files as bytes.
#include "house/file_bytes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace tarvo {

bool readFileBytes(const std::string& path, std::string& bytes, std::string& error) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) {
    error = std::strerror(errno);
    return false;
  }
  // Read straight into the string, sized from the file when it tells a believable size (a
  // directory on ext4 reports the largest offset there is, which no string can hold).
  long size = std::fseek(file.get(), 0, SEEK_END) == 0 ? std::ftell(file.get()) : -1;
  std::rewind(file.get());
  bool sizeKnown = size > 0 && size < (long{1} << 30);
  bytes.resize(sizeKnown ? static_cast<std::size_t>(size) + 1 : std::size_t{1} << 16);
  std::size_t used = 0;
  errno = 0;
  for (;;) {
    used += std::fread(bytes.data() + used, 1, bytes.size() - used, file.get());
    if (used < bytes.size()) break;
    bytes.resize(bytes.size() * 2);
  }
  bytes.resize(used);
  if (std::ferror(file.get())) {
    error = std::strerror(errno != 0 ? errno : EIO);
    return false;
  }
  return true;
}

}  // namespace tarvo
