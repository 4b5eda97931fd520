// Mouse buttons as the handlers of the boards and the editor's buttons number them: 1 left,
// 2 right, 4 middle; a drag reports the sum of those held.
#pragma once

#include <Qt>

namespace tarvo {

inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// The number of a button, or the sum for several held.
constexpr int buttonNumber(Qt::MouseButtons buttons) {
  return (buttons.testFlag(Qt::LeftButton) ? kLeftButton : 0) + (buttons.testFlag(Qt::RightButton) ? kRightButton : 0) +
         (buttons.testFlag(Qt::MiddleButton) ? kMiddleButton : 0);
}

}  // namespace tarvo
