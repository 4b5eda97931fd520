// Opening and reading the command's input files.
#include "input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace tarvo::solver {

DescriptorBuffer::~DescriptorBuffer() {
  if (descriptor_ > 0) ::close(descriptor_);
}

DescriptorBuffer::int_type DescriptorBuffer::underflow() {
  ssize_t got = 0;
  do {
    got = ::read(descriptor_, bytes_, sizeof bytes_);
  } while (got < 0 && errno == EINTR);
  if (got < 0) {
    error_ = errno;
    throw std::system_error(error_, std::generic_category());
  }
  if (got == 0) return traits_type::eof();
  setg(bytes_, bytes_, bytes_ + got);
  return traits_type::to_int_type(bytes_[0]);
}

std::string InputFile::readFailure() const {
  return buffer && buffer->error() != 0 ? std::string(": ") + std::strerror(buffer->error()) : std::string();
}

InputFile openInput(const std::string& path) {
  InputFile input;
  input.shownName = path == "-" ? "standard input" : path;
  const int descriptor = path == "-" ? 0 : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) {
    input.error = "cannot open " + path + ": " + std::strerror(errno);
    return input;
  }
  input.buffer = std::make_unique<DescriptorBuffer>(descriptor);
  struct stat status {};
  if (::fstat(descriptor, &status) == 0 && S_ISDIR(status.st_mode)) {
    input.error = input.shownName + " is a folder, not a file of rooms";
    return input;
  }
  input.stream = std::make_unique<std::istream>(input.buffer.get());
  return input;
}

}  // namespace tarvo::solver
