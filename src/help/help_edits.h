// The help page's own copy of a room, the edits of its forbidden lists, its marks, its room
// choice and its store.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "rules/room.h"
#include "rules/working_room.h"

namespace tarvo {

// What a press on the help board edits, from the tag of the node selected in the tree.
enum class HelpMode { None, Places, Couples };
HelpMode helpModeOf(std::string_view tag);

// What a press on the help board asks: with places, to add the cell or to remove it; with
// couples, Add picks a cell of the couple being made and Remove does nothing.
enum class HelpAction { Add, Remove };

// The first cell of a forbidden couple picked on the help page, waiting for the second.
struct PendingCouple {
  std::int32_t cellA = 0;
  std::int32_t cellB = 0;
  int picks = 0;  // 0 or 1
};

// The room as the help page shows it: no marks, no boxes, no man.
void prepareHelpRoom(RoomRecord& room);

// Takes the current room of the house, as stored, as the help page's room: unsaved edits of its
// lists go.
void loadRoomForHelp(WorkingRoom& help, const HouseRecord& house);

// The help page shown again: while its room belongs to the current room, it takes the cells as
// they are stored now and keeps its lists when they were edited (the stored ones otherwise);
// when the current room changed elsewhere (or another house was read), it takes the current
// room afresh.
void helpCurrentRoom(WorkingRoom& help, const HouseRecord& house);

// Another page stored the help page's room, after shifting it by `shifts`: the help page takes
// its cells as stored and follows the store with its lists as every working room does.
ListsFollowed helpFollowStore(WorkingRoom& help, const RoomRecord& stored, const std::vector<Direction>& shifts);

struct HelpEdit {
  enum class Kind { Nothing, PlaceAdded, PlaceRemoved, MarkCleared, FirstPick, CoupleAdded, Refused };
  Kind kind = Kind::Nothing;
  std::int32_t cell = 0;  // the cell pressed
  int coupleEntry = 0;    // the entry number of an added couple
  std::string problem;    // why a refused edit was refused
};

// A press on `cell` of the help board. Places: Add lists a cell that is not listed yet and not
// outside the room, and marks it; Remove takes a listed place off (every entry of it) with its
// mark, or only clears a mark no place made. Couples: two Add presses make a couple of the two
// cells picked. A full list refuses.
HelpEdit helpPress(WorkingRoom& help, PendingCouple& pending, HelpMode mode, HelpAction action, std::int32_t cell);

// Lists and marks one place, as Add does with places.
HelpEdit addPlace(WorkingRoom& help, std::int32_t cell);

// The marks of a node click: every place; the two cells of one couple alone (a deleted couple
// shows none).
void showPlaceMarks(RoomRecord& room);
void showCoupleMarks(RoomRecord& room, const CouplePair& couple);

// Deletes couple `entry` (1-based): its cells become 0 and 0 and the count stays, so the other
// couples keep their numbers. Returns false when the entry is not listed.
bool deleteCouple(WorkingRoom& help, int entry);

// Copies the help page's forbidden lists into the room of the house they were made for; its
// lists are then those stored. Returns false when the help page's room names no slot.
bool storeHelpLists(HouseRecord& house, WorkingRoom& help);

// "<" and ">" of the help page: the previous or next room of the house (wrapping between 1 and
// the room count) becomes the current room; the help page then takes it.
void helpPreviousRoom(HouseRecord& house);
void helpNextRoom(HouseRecord& house);

}  // namespace tarvo
