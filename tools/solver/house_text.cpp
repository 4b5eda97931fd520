// Writing solved rooms as a house file.
#include "house_text.h"

#include <algorithm>

namespace tarvo::solver {

namespace {

const std::string kEnd = "\r\n";
const std::string kRun(39, '=');

}  // namespace

std::string recordTime(int moves) {
  int seconds = std::min((std::max(moves, 0) + 1) / 2, 59 * 60 + 59);
  std::string text;
  for (int part : {seconds / 60, seconds % 60}) {
    if (!text.empty()) text += ':';
    text += static_cast<char>('0' + part / 10);
    text += static_cast<char>('0' + part % 10);
  }
  return text;
}

std::string houseText(const std::string& name, const std::vector<SolvedRoom>& rooms) {
  std::string text = "HOUSE FILE FOR TARVO PLIM" + kEnd + "Version:1.0" + kEnd + "HOUSE's NAME:" + name + kEnd +
                     "NUMBER OF ROOM:" + std::to_string(rooms.size()) + kEnd;
  for (std::size_t r = 0; r < rooms.size(); ++r) {
    const SolvedRoom& room = rooms[r];
    text += kRun + " ROOM " + std::to_string(r) + kRun + kEnd;
    for (int row = 0; row < kSide; ++row) text += boardRow(room.board, row) + kEnd;
    text += "FORBBIDEN PLACE:" + kEnd;
    text += "FORBBIDEN COUPLE:" + kEnd;
    text += "NUMBER OF RECCORD:1" + kEnd;
    text += "TarvoPlim\t" + std::to_string(room.solution.moves) + "\t" + recordTime(room.solution.moves) + "\t" +
            room.solution.steps + "\t" + kEnd;
  }
  return text;
}

}  // namespace tarvo::solver
