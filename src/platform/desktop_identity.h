// How the running program introduces itself to the desktop: its desktop entry and its icon.
#pragma once

namespace tarvo {

// Names the desktop entry the windows belong to, so that the desktop ties them to their
// launcher, and gives every window the game's icon: the icon theme's when it has one, else
// the copy built into the program. Call after the application object exists.
void introduceToDesktop();

}  // namespace tarvo
