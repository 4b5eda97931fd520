// How the running program introduces itself to the desktop: its desktop entry and its icon.
#pragma once

namespace tarvo {

// Names the desktop entry the windows belong to, so that the desktop ties them to their
// launcher. Call after the application object exists, before a window shows.
void introduceToDesktop();

// Gives every window, those open and those to come, the game's icon: the icon theme's when it
// has one, else the copy built into the program.
void giveWindowsTheIcon();

}  // namespace tarvo
