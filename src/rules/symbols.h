// The room text symbol table, in both directions.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tarvo {

inline constexpr char symWall = '#';
inline constexpr char symGoal = '.';
inline constexpr char symMan = '@';
inline constexpr char symBox = '$';
inline constexpr char symManOnGoal = '+';
inline constexpr char symBoxOnGoal = '*';
inline constexpr char symOutside = '-';
inline constexpr char symFloor = ' ';

// The code a symbol byte stands for; any byte that is no symbol is an outside cell.
std::int32_t codeOfSymbol(char symbol);

// The symbol of a code that has one (-1, 0, 2, 4, 8, 12, 16, 20).
std::optional<char> symbolOfCode(std::int32_t code);

// Always one character: a marked cell is written as the same cell without its mark (a marked
// wall as a wall), any other code without a symbol as an outside cell.
char symbolForWriting(std::int32_t code);

// A symbol or step letter as a message shows it: between quotes when it is a printable ASCII
// character ('x'), else by its code (byte 0x01), so that a control byte is never invisible.
std::string shownByte(char byte);

// Whether shownByte gives the byte between quotes.
bool isShownAsTyped(char byte);

}  // namespace tarvo
