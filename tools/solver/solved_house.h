// A house of solved rooms, each holding its solution as the one record of "TarvoPlim".
#pragma once

#include <string>
#include <vector>

#include "rules/room.h"
#include "solver/solver.h"

namespace tarvo::solver {

struct SolvedRoom {
  RoomRecord room;
  Solution solution;
};

// The record's time: one second per two moves (rounded up) as "nn:ss", at most 59:59.
std::string recordTime(int moves);

// The house named `name` with the rooms in order (at most sixteen are taken), each with one
// record: "TarvoPlim", the solution's moves, recordTime of them and the steps.
HouseRecord solvedHouse(const std::string& name, const std::vector<SolvedRoom>& rooms);

}  // namespace tarvo::solver
