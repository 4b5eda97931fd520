// The marks that forbidden places and couples put on the working room.
#include "rules/forbidden_marks.h"

#include <algorithm>
#include <array>

namespace tarvo {

namespace {

enum class Wanted : unsigned char { Untouched, Unmarked, Marked };

std::size_t slotOf(std::int32_t cell) { return static_cast<std::size_t>(cell - kFirstCell); }

// Decides every named cell first and only then changes the cells, so the order of the lists
// and cells named by several entries cannot change the outcome.
void settleMarks(RoomRecord& room) {
  std::array<Wanted, kLastCell - kFirstCell + 1> wanted{};
  const int places = std::clamp(room.forbPlaceCount, 0, kMaxPlaces);
  for (int i = 1; i <= places; ++i) {
    const std::int32_t cell = room.forbPlaces[static_cast<std::size_t>(i)];
    if (isInCellArray(cell)) wanted[slotOf(cell)] = Wanted::Marked;
  }
  const int couples = std::clamp(room.forbCoupleCount, 0, kMaxCouples);
  for (int i = 1; i <= couples; ++i) {
    const CouplePair& couple = room.forbCouples[static_cast<std::size_t>(i)];
    if (couple == CouplePair{}) continue;  // a deleted couple
    const std::int32_t cells[2] = {couple.cellA, couple.cellB};
    for (int k = 0; k < 2; ++k) {
      if (!isInCellArray(cells[k])) continue;
      Wanted& mark = wanted[slotOf(cells[k])];
      if (mark != Wanted::Marked) mark = isBox(room, cells[1 - k]) ? Wanted::Marked : Wanted::Unmarked;
    }
  }
  for (int cell = kFirstCell; cell <= kLastCell; ++cell) {
    const Wanted mark = wanted[slotOf(cell)];
    if (mark == Wanted::Marked) setMark(room, cell);
    if (mark == Wanted::Unmarked) clearMark(room, cell);
  }
}

}  // namespace

void applyForbiddenMarks(RoomRecord& room) { settleMarks(room); }

void refreshCoupleMarks(RoomRecord& room) { settleMarks(room); }

}  // namespace tarvo
