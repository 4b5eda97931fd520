// The house and the game in play.
#include "rules/game_state.h"

namespace tarvo {

void initRules(GameState& state) {
  state.house.currentRoom = 1;
  state.house.roomCount = 1;
}

}  // namespace tarvo
