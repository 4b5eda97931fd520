// The completion test and the record a completion leaves in the house.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "rules/game_state.h"
#include "rules/moves.h"

namespace tarvo {

// Every goal holds a box. A room without goals is never complete.
bool isComplete(const RoomRecord& room);

// Elapsed milliseconds as "nn:ss": two-digit minutes and seconds, whole hours dropped.
std::string formatElapsed(std::int64_t milliseconds);

// A name fit for a record line: TAB, CR and LF would break the file and become blanks.
std::string recordName(std::string_view typed);

// Appends the time, solution and move count of the finished game to the current room's
// record lists (in that order) and sets endTime. The caller then asks the player's name and
// appends it with appendRecordName. Returns false, changing nothing, when the current room
// number names no slot.
// What a key press did, and whether its step turned an incomplete room complete (only then
// is a record made: keys pressed while every goal stays covered make none).
struct KeyOutcome {
  StepKind step = StepKind::None;
  bool completed = false;
};
KeyOutcome playKey(GameState& state, int keyCode);
KeyOutcome playRedo(GameState& state);

bool appendRecordExceptName(GameState& state, std::int64_t now);
void appendRecordName(GameState& state, std::string_view typed);

}  // namespace tarvo
