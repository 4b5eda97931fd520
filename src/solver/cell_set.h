// A set of the room's 100 playable cells in two machine words, the unit of the solver's positions.
#pragma once

#include <bit>
#include <cstdint>

namespace tarvo::solver {

inline constexpr int kSide = 10;
inline constexpr int kCells = kSide * kSide;  // cell index = row * 10 + column, as in play

struct CellSet {
  std::uint64_t low = 0;   // cells 0..63
  std::uint64_t high = 0;  // cells 64..99 in bits 0..35

  bool test(int cell) const { return ((cell < 64 ? low >> cell : high >> (cell - 64)) & 1u) != 0; }
  void set(int cell) { (cell < 64 ? low : high) |= std::uint64_t{1} << (cell & 63); }
  void reset(int cell) { (cell < 64 ? low : high) &= ~(std::uint64_t{1} << (cell & 63)); }
  int count() const { return std::popcount(low) + std::popcount(high); }
  bool none() const { return (low | high) == 0; }
  // Whether every cell of `other` is in this set.
  bool covers(const CellSet& other) const { return (other.low & ~low) == 0 && (other.high & ~high) == 0; }

  CellSet operator&(const CellSet& o) const { return {low & o.low, high & o.high}; }
  CellSet operator|(const CellSet& o) const { return {low | o.low, high | o.high}; }
  CellSet without(const CellSet& o) const { return {low & ~o.low, high & ~o.high}; }
  bool operator==(const CellSet&) const = default;

  // The set moved by `cells` places toward higher indexes (lower when negative); cells pushed
  // past either end of the two words are lost.
  CellSet shifted(int cells) const {
    if (cells >= 0) return {low << cells, (high << cells) | (cells == 0 ? 0 : low >> (64 - cells))};
    const int k = -cells;
    return {(low >> k) | (high << (64 - k)), high >> k};
  }

  // Calls f(cell) for every cell in the set, lowest first.
  template <typename F>
  void forEach(F&& f) const {
    for (std::uint64_t bits = low; bits != 0; bits &= bits - 1) f(std::countr_zero(bits));
    for (std::uint64_t bits = high; bits != 0; bits &= bits - 1) f(64 + std::countr_zero(bits));
  }
};

}  // namespace tarvo::solver
