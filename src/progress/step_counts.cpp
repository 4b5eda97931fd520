// The moves and pushes of a solution's steps, with or without a store to keep them in.
#include <algorithm>
#include <cctype>

#include "progress/progress_store.h"

namespace tarvo {

std::int32_t movesOf(std::string_view steps) { return static_cast<std::int32_t>(steps.size()); }

std::int32_t pushesOf(std::string_view steps) {
  return static_cast<std::int32_t>(std::count_if(
      steps.begin(), steps.end(), [](char step) { return std::isupper(static_cast<unsigned char>(step)); }));
}

}  // namespace tarvo
