// The completion test and the texts a completion leaves in a record.
#include "rules/completion.h"

namespace tarvo {

bool isComplete(const RoomRecord& room) { return !room.goals->empty() && countBoxesOnGoals(room) == goalCount(room); }

std::string formatElapsed(std::int64_t milliseconds) {
  std::int64_t seconds = milliseconds < 0 ? 0 : milliseconds / 1000;
  std::int64_t minutes = (seconds / 60) % 60;
  seconds %= 60;
  std::string text(5, ':');
  text[0] = static_cast<char>('0' + minutes / 10);
  text[1] = static_cast<char>('0' + minutes % 10);
  text[3] = static_cast<char>('0' + seconds / 10);
  text[4] = static_cast<char>('0' + seconds % 10);
  return text;
}

std::string recordName(std::string_view typed) {
  std::string name(typed);
  for (char& c : name) {
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  }
  return name;
}

}  // namespace tarvo
