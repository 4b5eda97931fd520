// The marks that forbidden places and couples put on the working room.
#pragma once

#include "rules/room.h"

namespace tarvo {

// Both passes touch only the cells the lists name, and leave each of them marked exactly when
// it is a forbidden place, or when it belongs to a couple whose other cell holds a box. A
// deleted couple (0, 0) names no cell, and a list value outside the cell array is ignored.

// At the start of a room: marks the places and the couples.
void applyForbiddenMarks(RoomRecord& room);

// After a push: the couple marks follow the boxes; places stay marked.
void refreshCoupleMarks(RoomRecord& room);

}  // namespace tarvo
