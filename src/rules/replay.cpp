// Playing a recorded solution through the game's own rules.
#include "rules/replay.h"

#include "rules/completion.h"
#include "rules/moves.h"
#include "rules/symbols.h"

namespace tarvo {

namespace {

const char* whatHappens(StepKind kind) {
  switch (kind) {
    case StepKind::None: return "is blocked";
    case StepKind::Walk: return "walks without pushing";
    case StepKind::Push: return "pushes a box";
  }
  return "";
}

bool isPushLetter(char letter) { return letter >= 'A' && letter <= 'Z'; }

}  // namespace

ReplayedStep replayStep(GameState& state, std::string_view steps, std::size_t index) {
  const char letter = steps[index];
  // A byte that would not show in the message is named by its code: "step 2 (byte 0x01)".
  const std::string shown = shownByte(letter);
  const std::string step =
      "step " + std::to_string(index + 1) + (isShownAsTyped(letter) ? " " + shown : " (" + shown + ")");
  const std::optional<Direction> direction = directionOfLetter(letter);
  if (!direction) return {{}, step + " is no step letter"};
  // Tried on a copy first, so a letter that does not fit leaves the board as it was before it.
  RoomRecord trial = state.curRoom;
  const StepKind kind = moveMan(trial, *direction);
  const StepKind expected = isPushLetter(letter) ? StepKind::Push : StepKind::Walk;
  if (kind != expected) return {{}, step + " " + whatHappens(kind)};
  return {playStep(state, *direction), std::nullopt};
}

std::optional<std::string> replayEndProblem(const RoomRecord& room) {
  if (isComplete(room)) return std::nullopt;
  return std::string("the room is not complete after the last step");
}

std::optional<std::string> replayProblem(const RoomRecord& room, std::string_view steps) {
  GameState state;
  initRules(state);  // room 1 of a one-room house
  state.house.rooms[0] = room;
  startRoom(state, 0);
  for (std::size_t k = 0; k < steps.size(); ++k) {
    if (std::optional<std::string> problem = replayStep(state, steps, k).problem) return problem;
  }
  return replayEndProblem(state.curRoom);
}

std::optional<Push> firstPush(const RoomRecord& room, std::string_view steps) {
  RoomRecord trial = room;
  for (char letter : steps) {
    const std::optional<Direction> direction = directionOfLetter(letter);
    if (!direction) return std::nullopt;
    const Push push{trial.man + offsetOf(*direction), *direction};
    const StepKind kind = moveMan(trial, *direction);
    if (kind != (isPushLetter(letter) ? StepKind::Push : StepKind::Walk)) return std::nullopt;
    if (kind == StepKind::Push) return push;
  }
  return std::nullopt;
}

std::optional<std::string> stepsOfText(std::string_view text) {
  std::string steps;
  for (char letter : text) {
    if (letter == ' ' || letter == '\t' || letter == '\r' || letter == '\n') continue;
    if (!directionOfLetter(letter)) return std::nullopt;
    steps += letter;
  }
  if (steps.empty()) return std::nullopt;
  return steps;
}

}  // namespace tarvo
