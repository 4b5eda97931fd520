// A room known by its content as played: the same room in two houses, or centred in a collection,
// is one room to the player's progress.
#pragma once

#include <string>

#include "rules/room.h"

namespace tarvo {

// The room's walls, goals, boxes and man as room text rows joined by "|", cropped to the rows and
// columns that hold anything. Floor the man can reach is " "; a cell he can never reach that holds
// no wall, goal or box is "-", as outside is, since no play can tell them apart. Marks, the
// forbidden lists, the records and where the room stands on the board are not part of it. Two
// rooms with the same content play alike: every solution of one solves the other.
std::string roomContent(const RoomRecord& room);

}  // namespace tarvo
