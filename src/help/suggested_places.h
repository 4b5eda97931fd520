// The forbidden places the help page suggests: the cells of the stored room that the man can
// reach and from which no box can ever be pushed onto a goal.
#pragma once

#include <string>
#include <vector>

#include "help/help_edits.h"

namespace tarvo {

struct PlaceSuggestion {
  // Added: the places found were added (maybe none). The others add nothing: no room, no man
  // or no goal in the stored room, or more boxes than goals, when a box may be left anywhere
  // and no cell is hopeless by itself.
  enum class Kind { Added, NoRoom, NoMan, NoGoal, SpareBoxes };
  Kind kind = Kind::Added;
  std::vector<HelpEdit> edits;  // the places added, as an added place on the board is
  int leftOut = 0;              // hopeless cells not listed yet that the full list refused
};

// Adds to the help page's place list, in row order, every hopeless cell of its room as
// stored in the house that the list does not hold yet, each listed and marked as a place added
// on the help board is, until the list is full. Nothing is stored.
PlaceSuggestion addSuggestedPlaces(WorkingRoom& help, const HouseRecord& house);

// What the suggestion did, for the help page's status line.
std::string describeSuggestion(const PlaceSuggestion& suggestion);

}  // namespace tarvo
