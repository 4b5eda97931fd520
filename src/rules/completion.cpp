// The completion test and the texts a completion leaves in a record.
#include "rules/completion.h"

namespace tarvo {

bool isComplete(const RoomRecord& room) { return !room.goals->empty() && countBoxesOnGoals(room) == goalCount(room); }

std::string formatElapsed(std::int64_t milliseconds) {
  const std::int64_t seconds = milliseconds < 0 ? 0 : milliseconds / 1000;
  // The minutes go on past the hour, so a long game is never recorded as a short one.
  std::string minutes = std::to_string(seconds / 60);
  if (minutes.size() < 2) minutes.insert(0, 1, '0');
  const std::int64_t rest = seconds % 60;
  return minutes + ':' + static_cast<char>('0' + rest / 10) + static_cast<char>('0' + rest % 10);
}

std::string recordName(std::string_view typed) {
  std::string name(typed);
  for (char& c : name) {
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  }
  return name;
}

}  // namespace tarvo
