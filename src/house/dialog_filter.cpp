// The file type list of the house dialogs, built from a list of extensions.
#include "house/dialog_filter.h"

#include <cctype>

namespace tarvo {

std::string buildDialogFilter(std::string_view extensions) {
  if (extensions.empty()) return "Tous les fichiers (*.*)|*.*";
  std::string filter;
  std::size_t start = 0;
  while (start <= extensions.size()) {
    std::size_t end = extensions.find(' ', start);
    if (end == std::string_view::npos) end = extensions.size();
    std::string extension(extensions.substr(start, end - start));
    for (char& c : extension) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    // A repeated extension is listed once.
    const std::string pair = "Fichiers " + extension + "|*." + extension;
    if (!extension.empty() && ("|" + filter + "|").find("|" + pair + "|") == std::string::npos) {
      filter += filter.empty() ? pair : "|" + pair;
    }
    start = end + 1;
  }
  return filter;
}

}  // namespace tarvo
