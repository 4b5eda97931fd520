// The text of a house file holding solved rooms, one record each.
#pragma once

#include <string>
#include <vector>

#include "board.h"
#include "solver.h"

namespace tarvo::solver {

struct SolvedRoom {
  Board board;
  Solution solution;
};

// The record's time: one second per two moves (rounded up) as "nn:ss", at most 59:59.
std::string recordTime(int moves);

// A whole house file: header, then per room its separator, ten rows of exactly ten symbols,
// empty forbidden lists and one record by "TarvoPlim". Every line ends in CR LF.
std::string houseText(const std::string& name, const std::vector<SolvedRoom>& rooms);

}  // namespace tarvo::solver
