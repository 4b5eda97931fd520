// Turns key events into the program's directions: the one place that knows the keys.
#pragma once

#include <optional>

#include "rules/direction.h"

class QKeyEvent;

namespace tarvo {

// The direction key codes: the numeric keypad's 8, 2, 6 and 4 with Num Lock on.
inline constexpr int keyUp = 104;
inline constexpr int keyDown = 98;
inline constexpr int keyRight = 102;
inline constexpr int keyLeft = 100;

// The key code of a direction key: the keypad's 8, 2, 6, 4 (Num Lock on or off) and the arrow
// keys; nothing for any other key.
std::optional<int> keyCodeOf(const QKeyEvent& event);

// The direction a key code steps the man; nothing for a code that is no direction key.
constexpr std::optional<Direction> directionOfKeyCode(int keyCode) {
  switch (keyCode) {
    case keyUp: return Direction::Up;
    case keyDown: return Direction::Down;
    case keyRight: return Direction::Right;
    case keyLeft: return Direction::Left;
    default: return std::nullopt;
  }
}

}  // namespace tarvo
