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
  std::string_view view() const { return {data_.get(), size_}; }

  // Reads the whole file. On failure returns false and sets `error` to the system's description.
  bool read(const std::string& path, std::string& error);

 private:
  void grow(std::size_t capacity);

  std::unique_ptr<char[]> data_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace tarvo
