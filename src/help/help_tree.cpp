// What the help page's tree lists for a room: its forbidden places and couples.
#include "help/help_tree.h"

#include <algorithm>

namespace tarvo {

HelpNode placeNode(std::int32_t cell) {
  const std::string number = std::to_string(cell);
  return {HelpNode::Parent::Places, std::string("s").append(number), number, "s"};
}

HelpNode coupleNode(const CouplePair& couple, int entry) {
  return {HelpNode::Parent::Couples, "", std::to_string(couple.cellA) + "," + std::to_string(couple.cellB),
          std::string("d").append(std::to_string(entry))};
}

std::vector<HelpNode> helpTreeNodes(const RoomRecord& room, int roomNumber) {
  using Parent = HelpNode::Parent;
  std::vector<HelpNode> nodes = {{Parent::None, "", "Death position for Room " + std::to_string(roomNumber), "Racine"},
                                 {Parent::Root, "", "Simple", "Simple"},
                                 {Parent::Root, "", "Double", "Double"}};
  std::vector<bool> shown(kPlayableCells, false);
  for (int i = 1; i <= std::clamp(room.forbPlaceCount, 0, kMaxPlaces); ++i) {
    const std::int32_t cell = room.forbPlaces[static_cast<std::size_t>(i)];
    if (!isPlayableCell(cell) || shown[static_cast<std::size_t>(cell)]) continue;
    shown[static_cast<std::size_t>(cell)] = true;
    nodes.push_back(placeNode(cell));
  }
  for (int i = 1; i <= std::clamp(room.forbCoupleCount, 0, kMaxCouples); ++i) {
    const CouplePair& couple = room.forbCouples[static_cast<std::size_t>(i)];
    if (!isPlayableCell(couple.cellA) || !isPlayableCell(couple.cellB)) continue;
    nodes.push_back(coupleNode(couple, i));
  }
  return nodes;
}

}  // namespace tarvo
