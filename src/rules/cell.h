// Cell codes of a room, the tests on them, and the one place that turns (row, column) into a cell index.
#pragma once

#include <cstdint>

namespace tarvo {

// A cell code is a sum of components; the rules add and subtract them.
inline constexpr std::int32_t OUTSIDE = -1;  // alone, never combined
inline constexpr std::int32_t FLOOR = 0;
inline constexpr std::int32_t MARK = 1;
inline constexpr std::int32_t WALL = 2;
inline constexpr std::int32_t GOAL = 4;
inline constexpr std::int32_t BOX = 8;
inline constexpr std::int32_t MAN = 16;

inline constexpr int kRows = 10;
inline constexpr int kColumns = 10;
inline constexpr int kPlayableCells = kRows * kColumns;  // cells 0..99
inline constexpr int kFirstCell = -kColumns;             // the array runs -10..109
inline constexpr int kLastCell = kPlayableCells + kColumns - 1;

constexpr int cellIndex(int row, int column) { return row * kColumns + column; }

constexpr bool isInCellArray(std::int64_t index) { return index >= kFirstCell && index <= kLastCell; }
constexpr bool isPlayableCell(std::int64_t index) { return index >= 0 && index < kPlayableCells; }

// Codes 8..15: a box stands on the cell.
constexpr bool isBoxCode(std::int32_t code) { return code / 8 == 1; }

// The signed remainder keeps OUTSIDE (-1) out of both "marked" and "unmarked".
constexpr bool isMarkedCode(std::int32_t code) { return code % 2 == 1; }
constexpr bool isUnmarkedCode(std::int32_t code) { return code % 2 == 0; }

// Floor or goal, marked or not: the man may enter, a box may be pushed onto it.
constexpr bool isFreeCode(std::int32_t code) { return code == 0 || code == 1 || code == 4 || code == 5; }

// The man on floor or goal, marked or not.
constexpr bool isManCode(std::int32_t code) { return code == 16 || code == 17 || code == 20 || code == 21; }

}  // namespace tarvo
