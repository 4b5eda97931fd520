// The name prompt of a new record.
#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace tarvo {

// Asks "Enter Your Name" in a modal prompt titled "It's a new record", empty at first. The
// field takes only characters that a house file can hold, typed or pasted, and says under it
// what it left out. Nothing when the player cancels.
std::optional<QString> askRecordName(QWidget* parent);

}  // namespace tarvo
