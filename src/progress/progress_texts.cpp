// What the game says of the player's progress.
#include "progress/progress_texts.h"

#include "rules/completion.h"

namespace tarvo {

namespace {

std::string counted(std::int64_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

std::string progressSummary(const RoomProgress& progress) {
  const std::string times = progress.completions == 1 ? "once" : std::to_string(progress.completions) + " times";
  return "solved " + times + "; best " + counted(progress.bestMoves, "move", "moves") + ", " +
         counted(progress.bestPushes, "push", "pushes") + ", " + formatElapsed(progress.bestTimeMs);
}

std::string solvedBeforeNote(const RoomProgress& progress) {
  return "solved before: best " + counted(progress.bestMoves, "move", "moves") + ", " +
         counted(progress.bestPushes, "push", "pushes");
}

std::string unfinishedOffer(const UnfinishedGame& game) {
  return "an unfinished game of " + counted(movesOf(game.steps), "move", "moves") + ": Ctrl+Shift+R to go on";
}

}  // namespace tarvo
