// The pictures of the About window: its looping film, its title bar and the link pointer.
#pragma once

#include <QImage>

#include <array>

namespace art {

inline constexpr int filmFrameWidth = 160;
inline constexpr int filmFrameHeight = 85;
inline constexpr int filmFrameCount = 15;

// How long each frame of the film stays up, in milliseconds. The window plays them in
// order and starts again; frames 0, 5 and 10 are the pauses between moves.
inline constexpr std::array<int, filmFrameCount> filmFrameMs{1000, 200, 200,  200, 200, 1000, 200, 200,
                                                             200,  200, 1000, 200, 200, 200,  100};

// The film, frames of 160 x 85 stacked top to bottom in one opaque 160 x 1275 picture:
// in a walled room of our own tiles the man pushes a box two slabs along onto its goal,
// the goals light up when both boxes stand on them, and the picture closes in a shrinking
// circle around the placed box, so the dark last frame gives way to the first again.
QImage makeAboutFilm();

inline constexpr int titleWidth = 387;
inline constexpr int titleHeight = 18;

// "About..." in light bold letters on a dark-to-light blue band, 387 x 18, opaque.
// Draws text, so a QGuiApplication must exist.
QImage makeAboutTitle();

// The pointer shown over a link: a white pointing hand with a dark outline on a
// transparent 32 x 32 picture. Its hot spot is in art/link_pointer_hotspot.h.
QImage makeLinkPointer();

}  // namespace art
