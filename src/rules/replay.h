// Playing a recorded solution through the game's own rules, as a player's keys would.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "rules/room.h"

namespace tarvo {

// Starts the room as the game does and plays the steps one by one: each lower-case letter
// must walk, each upper-case letter must push a box, and the room must be complete after the
// last step. Returns what went wrong, or nothing.
std::optional<std::string> replayProblem(const RoomRecord& room, std::string_view steps);

}  // namespace tarvo
