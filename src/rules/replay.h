// Playing a recorded solution through the game's own rules, as a player's keys would.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "rules/direction.h"
#include "rules/game_state.h"
#include "rules/play.h"
#include "rules/room.h"

namespace tarvo {

// What one letter of a solution did to the game.
struct ReplayedStep {
  KeyOutcome outcome;                  // the step made; none when the letter did not fit
  std::optional<std::string> problem;  // why the letter was not played, naming the step
};

// Plays letter `index` of `steps` through playStep when it fits: a lower-case letter must walk,
// an upper-case one must push a box. A letter that is no step letter, or whose step would be
// something else, is not played, and the problem says so ("step 3 'R' walks without pushing").
// Precondition: index < steps.size().
ReplayedStep replayStep(GameState& state, std::string_view steps, std::size_t index);

// After the last letter: what is wrong when a goal is still bare.
std::optional<std::string> replayEndProblem(const RoomRecord& room);

// Starts the room as the game does and plays the steps one by one with replayStep, then
// checks the end with replayEndProblem. Returns what went wrong, or nothing.
std::optional<std::string> replayProblem(const RoomRecord& room, std::string_view steps);

// The steps a text holds: step letters (u, d, l, r, capitals for pushes) with any white space
// between them, which goes. Nothing when it holds no step letter or any other character.
std::optional<std::string> stepsOfText(std::string_view text);

// The first push a solution makes from the room's position.
struct Push {
  std::int32_t box = 0;  // the cell of the box pushed
  Direction direction = Direction::Up;
};

// Nothing when the steps push nothing or do not fit the room up to their first push.
std::optional<Push> firstPush(const RoomRecord& room, std::string_view steps);

}  // namespace tarvo
