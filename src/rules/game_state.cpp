// The one state object of a running game: the house, the working room and the play counters.
#include "rules/game_state.h"

namespace tarvo {

void initRules(GameState& state) {
  state.house.currentRoom = 1;
  state.house.roomCount = 1;
}

}  // namespace tarvo
