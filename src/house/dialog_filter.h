// The file type list of the house dialogs, built from a list of extensions.
#pragma once

#include <string>
#include <string_view>

namespace tarvo {

// "HOU" gives "Fichiers HOU|*.HOU"; "HOU TXT" gives "Fichiers HOU|*.HOU|Fichiers TXT|*.TXT";
// an empty list gives "Tous les fichiers (*.*)|*.*". Extensions are put in capitals.
std::string buildDialogFilter(std::string_view extensions);

}  // namespace tarvo
