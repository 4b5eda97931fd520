// A file of rooms opened for reading, whose read errors reach the stream that reads it.
#pragma once

#include <istream>
#include <memory>
#include <streambuf>
#include <string>

namespace tarvo::solver {

// Reads a file descriptor. A failed read throws, which the reading stream's get() turns into
// its bad state, so a failure is never taken for the end of the text; error() keeps why.
class DescriptorBuffer : public std::streambuf {
 public:
  // Takes the descriptor; standard input (0) is read but never closed.
  explicit DescriptorBuffer(int descriptor) : descriptor_(descriptor) {}
  DescriptorBuffer(const DescriptorBuffer&) = delete;
  DescriptorBuffer& operator=(const DescriptorBuffer&) = delete;
  ~DescriptorBuffer() override;

  int error() const { return error_; }  // the errno of the failed read, or 0

 protected:
  int_type underflow() override;

 private:
  int descriptor_;
  int error_ = 0;
  char bytes_[1 << 16];
};

// A file of rooms, or standard input for "-".
struct InputFile {
  std::string shownName;  // "standard input" or the path
  std::unique_ptr<DescriptorBuffer> buffer;
  std::unique_ptr<std::istream> stream;
  std::string error;  // why the file cannot be read at all; then there is no stream

  // What went wrong in a read, after the reader saw its stream go bad: ": " and the system's
  // words, or nothing.
  std::string readFailure() const;
};

// Opens a path for reading. A folder is refused with a message; other kinds (a FIFO, a
// device) are read, their read errors and endless lines caught by the reader.
InputFile openInput(const std::string& path);

}  // namespace tarvo::solver
