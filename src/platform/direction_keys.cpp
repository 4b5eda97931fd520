// Turns key events into the program's directions: the one place that knows the keys.
#include "platform/direction_keys.h"

#include <QKeyEvent>

namespace tarvo {

std::optional<int> keyCodeOf(const QKeyEvent& event) {
  const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
  switch (event.key()) {
    case Qt::Key_Up: return keyUp;
    case Qt::Key_Down: return keyDown;
    case Qt::Key_Right: return keyRight;
    case Qt::Key_Left: return keyLeft;
    // The digits count only on the keypad: the digit row is not a direction.
    case Qt::Key_8: return keypad ? std::optional(keyUp) : std::nullopt;
    case Qt::Key_2: return keypad ? std::optional(keyDown) : std::nullopt;
    case Qt::Key_6: return keypad ? std::optional(keyRight) : std::nullopt;
    case Qt::Key_4: return keypad ? std::optional(keyLeft) : std::nullopt;
    default: return std::nullopt;
  }
}

}  // namespace tarvo
