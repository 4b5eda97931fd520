// Turns key events into the program's direction key codes.
#pragma once

class QKeyEvent;

namespace tarvo {

// keyUp, keyDown, keyRight or keyLeft for the keypad's 8, 2, 6, 4 (Num Lock on or off) and
// the arrow keys; 0 for any other key.
int directionKeyCode(const QKeyEvent& event);

}  // namespace tarvo
