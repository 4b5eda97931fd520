// The forbidden places the help page suggests: the cells of the stored room that the man can
// reach and from which no box can ever be pushed onto a goal.
#include "help/suggested_places.h"

#include "solver/dead_cells.h"

namespace tarvo {

PlaceSuggestion addSuggestedPlaces(WorkingRoom& help, const HouseRecord& house) {
  PlaceSuggestion suggestion;
  const RoomRecord* stored = house.roomNumber(help.number);
  if (stored == nullptr) {
    suggestion.kind = PlaceSuggestion::Kind::NoRoom;
    return suggestion;
  }
  const solver::Layout layout = solver::layoutOf(solver::snapshotOf(*stored));
  if (layout.man < 0) {
    suggestion.kind = PlaceSuggestion::Kind::NoMan;
  } else if (layout.goals.none()) {
    // Without a goal every cell would be hopeless, which tells the player nothing.
    suggestion.kind = PlaceSuggestion::Kind::NoGoal;
  } else if (layout.hasSpareBoxes()) {
    suggestion.kind = PlaceSuggestion::Kind::SpareBoxes;
  }
  if (suggestion.kind != PlaceSuggestion::Kind::Added) return suggestion;

  solver::deadCells(layout, solver::manArea(layout, layout.man)).forEach([&](int cell) {
    const HelpEdit edit = addPlace(help, cell);
    if (edit.kind == HelpEdit::Kind::PlaceAdded) suggestion.edits.push_back(edit);
    if (edit.kind == HelpEdit::Kind::Refused) ++suggestion.leftOut;
  });
  return suggestion;
}

std::string describeSuggestion(const PlaceSuggestion& suggestion) {
  switch (suggestion.kind) {
    case PlaceSuggestion::Kind::NoRoom: return "no room to suggest places for";
    case PlaceSuggestion::Kind::NoMan: return "the stored room has no man: nothing added";
    case PlaceSuggestion::Kind::NoGoal: return "the stored room has no goal: nothing added";
    case PlaceSuggestion::Kind::SpareBoxes:
      return "more boxes than goals: no cell is hopeless by itself, nothing added";
    case PlaceSuggestion::Kind::Added: break;
  }
  const std::size_t added = suggestion.edits.size();
  if (added == 0 && suggestion.leftOut == 0) return "no hopeless cell left to add";
  std::string text = std::to_string(added) + (added == 1 ? " place added" : " places added");
  if (suggestion.leftOut > 0) {
    text += ", " + std::to_string(suggestion.leftOut) + " left out: a room holds " + std::to_string(kMaxPlaces) +
            " places at most";
  }
  return text;
}

}  // namespace tarvo
