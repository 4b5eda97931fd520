// Turns key events into the program's direction key codes.
#include "platform/direction_keys.h"

#include <QKeyEvent>

#include "rules/game_state.h"

namespace tarvo {

int directionKeyCode(const QKeyEvent& event) {
  const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
  switch (event.key()) {
    case Qt::Key_Up: return keyUp;
    case Qt::Key_Down: return keyDown;
    case Qt::Key_Right: return keyRight;
    case Qt::Key_Left: return keyLeft;
    // The digits count only on the keypad: the digit row is not a direction.
    case Qt::Key_8: return keypad ? keyUp : 0;
    case Qt::Key_2: return keypad ? keyDown : 0;
    case Qt::Key_6: return keypad ? keyRight : 0;
    case Qt::Key_4: return keypad ? keyLeft : 0;
    default: return 0;
  }
}

}  // namespace tarvo
