// The four directions of a step, with their cell offsets, step letters and key codes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "rules/cell.h"

namespace tarvo {

enum class Direction { Up, Down, Right, Left };

inline constexpr std::array<Direction, 4> kDirections = {Direction::Up, Direction::Down, Direction::Right,
                                                         Direction::Left};

// The direction key codes: the numeric keypad's 8, 2, 6 and 4 with Num Lock on.
inline constexpr int keyUp = 104;
inline constexpr int keyDown = 98;
inline constexpr int keyRight = 102;
inline constexpr int keyLeft = 100;

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

constexpr std::optional<Direction> directionOfKeyCode(int keyCode) {
  switch (keyCode) {
    case keyUp: return Direction::Up;
    case keyDown: return Direction::Down;
    case keyRight: return Direction::Right;
    case keyLeft: return Direction::Left;
    default: return std::nullopt;
  }
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
