// Marks of forbidden places and couples on the working room.
#pragma once

#include "rules/room.h"

namespace tarvo {

// Marks every forbidden place, then runs the couple pass.
void applyForbiddenMarks(RoomRecord& room);

// For each couple in list order: unmark both cells, then mark each cell whose partner holds a
// box. A cell in several couples ends as the last of them decides.
void refreshCoupleMarks(RoomRecord& room);

}  // namespace tarvo
