// Turns key events into the program's directions: the one place that knows the keys.
#pragma once

#include <optional>

#include "rules/direction.h"

class QKeyEvent;

namespace tarvo {

// The keypad's 8, 2, 6, 4 (Num Lock on or off) and the arrow keys; nothing for any other key.
std::optional<Direction> directionOfKey(const QKeyEvent& event);

}  // namespace tarvo
