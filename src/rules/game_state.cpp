// The one state object of a running game: the house, the room in play, the pages' working rooms
// and the play counters.
#include "rules/game_state.h"

namespace tarvo {

void initRules(GameState& state) {
  state.house.currentRoom = 1;
  state.house.roomCount = 1;
}

void forgetWorkingRooms(GameState& state) {
  state.editRoom = WorkingRoom{};
  state.helpRoom = WorkingRoom{};
}

}  // namespace tarvo
