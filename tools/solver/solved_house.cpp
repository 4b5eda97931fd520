// A house of solved rooms.
#include "solved_house.h"

#include <algorithm>

#include "rules/completion.h"

namespace tarvo::solver {

std::string recordTime(int moves) {
  const int seconds = std::min((std::max(moves, 0) + 1) / 2, 59 * 60 + 59);
  return formatElapsed(std::int64_t{seconds} * 1000);
}

HouseRecord solvedHouse(const std::string& name, const std::vector<SolvedRoom>& rooms) {
  HouseRecord house;
  house.houseName = name;
  house.roomCount = static_cast<std::int32_t>(std::min<std::size_t>(rooms.size(), kMaxRooms));
  for (std::int32_t r = 0; r < house.roomCount; ++r) {
    const SolvedRoom& solved = rooms[static_cast<std::size_t>(r)];
    RoomRecord& room = house.rooms[static_cast<std::size_t>(r)];
    room = solved.room;
    // The copy shares its lists with the solved room: the record goes into lists of its own.
    room.records = std::make_shared<RecordList>();
    room.records->add(RecordFields{"TarvoPlim", std::to_string(solved.solution.moves),
                                   recordTime(solved.solution.moves), solved.solution.steps});
  }
  return house;
}

}  // namespace tarvo::solver
