// Whole files as bytes.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace tarvo {

// The bytes of a whole file, in a buffer that is not cleared before the file fills it.
class FileBytes {
 public:
  enum class Outcome {
    Read,
    CannotOpen,  // missing, no permission, a read error: `reason` is the system's description
    NotAFile,    // a folder, a FIFO, a device or a socket: `reason` names which
    TooLarge,    // more than the bytes allowed
  };

  // The bytes of the last read that succeeded; empty after one that failed.
  std::string_view view() const { return {data_.get(), size_}; }
  // Hands the buffer of the last read that succeeded over to the caller: its first view().size()
  // bytes are the file's. The bytes are empty afterwards.
  std::unique_ptr<char[]> release();

  // Reads the whole file if it is a regular file of at most `maxBytes` bytes. Anything else
  // is refused before it is opened for reading, so a FIFO never blocks and a device never
  // pours bytes in; a file that grows while it is read stops at `maxBytes` + 1 bytes and is
  // refused as too large. Allocation failures are thrown as std::bad_alloc.
  // Precondition: maxBytes < SIZE_MAX.
  Outcome read(const std::string& path, std::size_t maxBytes, std::string& reason);

 private:
  void grow(std::size_t capacity);

  std::unique_ptr<char[]> data_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace tarvo
