// Whole files as bytes.
#pragma once

#include <string>

namespace tarvo {

// Reads the whole file into `bytes`. On failure returns false and sets `error` to the
// system's description.
bool readFileBytes(const std::string& path, std::string& bytes, std::string& error);

}  // namespace tarvo
