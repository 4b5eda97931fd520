// The four directions of a step, with their cell offsets and step letters.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "rules/cell.h"

namespace tarvo {

enum class Direction { Up, Down, Right, Left };

inline constexpr std::array<Direction, 4> kDirections = {Direction::Up, Direction::Down, Direction::Right,
                                                         Direction::Left};

// One row up or down, one column right or left; the index is linear, so right from column 9
// enters column 0 of the next row.
constexpr std::int32_t offsetOf(Direction direction) {
  switch (direction) {
    case Direction::Up: return -kColumns;
    case Direction::Down: return kColumns;
    case Direction::Right: return 1;
    case Direction::Left: return -1;
  }
  return 0;
}

// The letter of a walk ("u", "d", "r", "l"); a push writes it in upper case.
constexpr char letterOf(Direction direction) {
  switch (direction) {
    case Direction::Up: return 'u';
    case Direction::Down: return 'd';
    case Direction::Right: return 'r';
    case Direction::Left: return 'l';
  }
  return '?';
}

// The direction of a step letter in either case; nothing for any other character.
constexpr std::optional<Direction> directionOfLetter(char letter) {
  const char lower = letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter - 'A' + 'a') : letter;
  for (Direction direction : kDirections) {
    if (letterOf(direction) == lower) return direction;
  }
  return std::nullopt;
}

}  // namespace tarvo
