// Writes the game's artwork files (both sprite sheets and the page background) into a folder.
#pragma once

#include <QString>

namespace art {

inline constexpr const char* largeSheetFile = "sprites32.png";
inline constexpr const char* smallSheetFile = "sprites8.png";
inline constexpr const char* backgroundFile = "background.gif";

// Creates the folder when needed and writes the three files. Each file is written to a
// temporary name and renamed into place, so a failure never leaves a truncated file that
// a build would take for finished. On failure returns false and says why in error.
bool writeArtwork(const QString& folder, QString& error);

}  // namespace art
