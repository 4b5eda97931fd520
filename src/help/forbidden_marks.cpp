// Marks of forbidden places and couples on the working room.
#include "help/forbidden_marks.h"

#include <algorithm>

namespace tarvo {

void applyForbiddenMarks(RoomRecord& room) {
  int count = std::clamp(room.forbPlaceCount, 0, kMaxPlaces);
  for (int i = 1; i <= count; ++i) setMark(room, room.forbPlaces[static_cast<std::size_t>(i)]);
  refreshCoupleMarks(room);
}

void refreshCoupleMarks(RoomRecord& room) {
  int count = std::clamp(room.forbCoupleCount, 0, kMaxCouples);
  for (int i = 1; i <= count; ++i) {
    const CouplePair& couple = room.forbCouples[static_cast<std::size_t>(i)];
    clearMark(room, couple.cellA);
    clearMark(room, couple.cellB);
    if (isBox(room, couple.cellA)) setMark(room, couple.cellB);
    if (isBox(room, couple.cellB)) setMark(room, couple.cellA);
  }
}

}  // namespace tarvo
