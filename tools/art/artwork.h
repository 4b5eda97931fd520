// Writes the game's artwork files (both sprite sheets, the page background and the About
// window's pictures and the program's icon in several sizes) into a folder.
#pragma once

#include <QString>

namespace art {

inline constexpr const char* largeSheetFile = "sprites32.png";
inline constexpr const char* smallSheetFile = "sprites8.png";
inline constexpr const char* backgroundFile = "background.gif";
inline constexpr const char* aboutFilmFile = "about_film.png";
inline constexpr const char* aboutTitleFile = "about_title.png";
inline constexpr const char* linkPointerFile = "link_pointer.png";

// Creates the folder when needed and writes the files named above, and icon<N>.png for
// each of appIconSizes (art/app_icon.h). The About title draws
// text, so a QGuiApplication must exist. Each file is written to a
// temporary name and renamed into place, so a failure never leaves a truncated file that
// a build would take for finished. On failure returns false and says why in error.
bool writeArtwork(const QString& folder, QString& error);

}  // namespace art
