// What the help page's tree lists for a room: its forbidden places and couples.
#pragma once

#include <string>
#include <vector>

#include "rules/room.h"

namespace tarvo {

// One node of the tree: the root, the two headings, a place or a couple.
struct HelpNode {
  enum class Parent { None, Root, Places, Couples };
  Parent parent = Parent::None;
  std::string key;   // "s" and the cell for a place, unique in the tree; empty otherwise
  std::string text;  // the cell, or "a,b" for a couple
  std::string tag;   // "Racine", "Simple", "Double", "s", or "d" and the couple's entry number
};

// The root ("Death position for Room n"), "Simple" and "Double", then a node for each place
// (a place listed twice shows once) and one for each couple, deleted ones (0,0) included, in
// list order. Values outside the board are not shown.
std::vector<HelpNode> helpTreeNodes(const RoomRecord& room, int roomNumber);

// The node of the place on `cell`, and of the couple at `entry` of the couple list: the tree
// shows them so, whether it lists a room or a place or couple is added to it.
HelpNode placeNode(std::int32_t cell);
HelpNode coupleNode(const CouplePair& couple, int entry);

}  // namespace tarvo
