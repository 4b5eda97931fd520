// Turns key events into the program's directions: the one place that knows the keys.
#include "platform/direction_keys.h"

#include <QKeyEvent>

namespace tarvo {

std::optional<Direction> directionOfKey(const QKeyEvent& event) {
  const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
  switch (event.key()) {
    case Qt::Key_Up: return Direction::Up;
    case Qt::Key_Down: return Direction::Down;
    case Qt::Key_Right: return Direction::Right;
    case Qt::Key_Left: return Direction::Left;
    // The digits count only on the keypad: the digit row is not a direction.
    case Qt::Key_8: return keypad ? std::optional(Direction::Up) : std::nullopt;
    case Qt::Key_2: return keypad ? std::optional(Direction::Down) : std::nullopt;
    case Qt::Key_6: return keypad ? std::optional(Direction::Right) : std::nullopt;
    case Qt::Key_4: return keypad ? std::optional(Direction::Left) : std::nullopt;
    default: return std::nullopt;
  }
}

}  // namespace tarvo
