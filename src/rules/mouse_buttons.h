// Mouse buttons as the handlers of the boards receive them; a drag reports the sum of those held.
#pragma once

namespace tarvo {

inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

}  // namespace tarvo
