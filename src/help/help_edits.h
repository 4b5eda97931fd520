// The help page's own copy of a room, the edits of its forbidden lists, its marks, its room
// choice and its store.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "rules/game_state.h"

namespace tarvo {

// What a press on the help board edits, from the tag of the node selected in the tree.
enum class HelpMode { None, Places, Couples };
HelpMode helpModeOf(std::string_view tag);

// The room as the help page shows it: no marks, no boxes, no man.
void prepareHelpRoom(RoomRecord& room);

// Takes the current room of the house, as stored, as the help page's room: unsaved edits of its
// lists go.
void loadRoomForHelp(GameState& state);

// The help page shown again: while its room belongs to the current room, it keeps its unsaved
// lists and takes the cells as they are stored now (the editor may have stored the room since);
// otherwise it takes the current room afresh.
void helpCurrentRoom(GameState& state);

struct HelpEdit {
  enum class Kind { Nothing, PlaceAdded, PlaceRemoved, MarkCleared, FirstPick, CoupleAdded, Refused };
  Kind kind = Kind::Nothing;
  std::int32_t cell = 0;  // the cell pressed
  int coupleEntry = 0;    // the entry number of an added couple
  std::string problem;    // why a refused edit was refused
};

// A press with `button` (1 left, 2 right) on `cell` of the help board. Places: the left button
// adds a cell that is not listed yet and not outside the room, and marks it; the right one
// removes a listed place (every entry of it) and its mark, or only clears a mark no place
// made. Couples: two left presses make a couple of the two cells picked. A full list refuses.
HelpEdit helpPress(GameState& state, HelpMode mode, int button, std::int32_t cell);

// The marks of a node click: every place; the two cells of one couple alone (a deleted couple
// shows none).
void showPlaceMarks(RoomRecord& room);
void showCoupleMarks(RoomRecord& room, const CouplePair& couple);

// Deletes couple `entry` (1-based): its cells become 0 and 0 and the count stays, so the other
// couples keep their numbers. Returns false when the entry is not listed.
bool deleteCouple(RoomRecord& room, int entry);

// Copies the help page's forbidden lists into the room of the house they were made for; the
// editor's room of that room takes them too, so that its store does not put the old ones back.
// Returns false when the help page's room names no slot.
bool storeHelpLists(GameState& state);

// "<" and ">" of the help page: the previous or next room of the house (wrapping between 1 and
// the room count) becomes the current room and the help page's room.
void helpPreviousRoom(GameState& state);
void helpNextRoom(GameState& state);

}  // namespace tarvo
