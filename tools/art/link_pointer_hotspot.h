// Where the link pointer (link_pointer.png) points: the top of the hand's raised finger,
// pixel (9, 0), the left of the two middle pixels of the fingertip's outline.
// Kept free of any other header so the game can use it without the art tool.
#pragma once

namespace art {

inline constexpr int kLinkPointerHotX = 9;
inline constexpr int kLinkPointerHotY = 0;

}  // namespace art
