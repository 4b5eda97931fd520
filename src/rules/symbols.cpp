// The room text symbol table, in both directions.
#include "rules/symbols.h"

#include "rules/cell.h"

namespace tarvo {

std::int32_t codeOfSymbol(char symbol) {
  switch (symbol) {
    case symWall: return WALL;
    case symGoal: return GOAL;
    case symMan: return MAN;
    case symBox: return BOX;
    case symManOnGoal: return MAN + GOAL;
    case symBoxOnGoal: return BOX + GOAL;
    case symFloor: return FLOOR;
    default: return OUTSIDE;  // symOutside and every unknown byte
  }
}

std::optional<char> symbolOfCode(std::int32_t code) {
  switch (code) {
    case OUTSIDE: return symOutside;
    case FLOOR: return symFloor;
    case WALL: return symWall;
    case GOAL: return symGoal;
    case BOX: return symBox;
    case BOX + GOAL: return symBoxOnGoal;
    case MAN: return symMan;
    case MAN + GOAL: return symManOnGoal;
    default: return std::nullopt;
  }
}

char symbolForWriting(std::int32_t code) {
  std::int32_t unmarked = isMarkedCode(code) ? code - MARK : code;
  return symbolOfCode(unmarked).value_or(symOutside);
}

bool isShownAsTyped(char byte) {
  const auto value = static_cast<unsigned char>(byte);
  return value >= 0x20 && value < 0x7f;
}

std::string shownByte(char byte) {
  if (isShownAsTyped(byte)) return std::string("'") + byte + "'";
  const auto value = static_cast<unsigned char>(byte);
  const char* digits = "0123456789ABCDEF";
  return std::string("byte 0x") + digits[value / 16] + digits[value % 16];
}

}  // namespace tarvo
