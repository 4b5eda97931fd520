// Playing a recorded solution through the game's own rules.
#include "rules/replay.h"

#include "rules/completion.h"
#include "rules/play.h"

namespace tarvo {

namespace {

const char* whatHappened(StepKind kind) {
  switch (kind) {
    case StepKind::None: return "is blocked";
    case StepKind::Walk: return "walks without pushing";
    case StepKind::Push: return "pushes a box";
  }
  return "";
}

}  // namespace

std::optional<std::string> replayProblem(const RoomRecord& room, std::string_view steps) {
  GameState state;
  initRules(state);  // room 1 of a one-room house
  state.house.rooms[0] = room;
  startRoom(state, 0);
  for (std::size_t k = 0; k < steps.size(); ++k) {
    const char letter = steps[k];
    const std::string step = "step " + std::to_string(k + 1) + " '" + std::string(1, letter) + "'";
    const std::optional<Direction> direction = directionOfLetter(letter);
    if (!direction) return step + " is no step letter";
    const StepKind expected = letter >= 'A' && letter <= 'Z' ? StepKind::Push : StepKind::Walk;
    const StepKind made = playStep(state, *direction).step;
    if (made != expected) return step + " " + whatHappened(made);
  }
  if (!isComplete(state.curRoom)) return std::string("the room is not complete after the last step");
  return std::nullopt;
}

}  // namespace tarvo
