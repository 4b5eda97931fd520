// The positions of a search, kept compactly in the order they were found, with a hash index over them and a bound
// on the memory they take.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "solver/cell_set.h"
#include "solver/memory_budget.h"

namespace tarvo::solver {

// Where the boxes stand and the man's cell, packed into 16 bytes: the man takes bits 36..42 of
// the high word, above the cells 64..99.
struct Position {
  std::uint64_t low = 0;
  std::uint64_t high = 0;

  Position() = default;
  Position(const CellSet& boxes, int man)
      : low(boxes.low), high(boxes.high | (static_cast<std::uint64_t>(man) << kManShift)) {}
  CellSet boxes() const { return CellSet{low, high & kCellBits}; }
  int man() const { return static_cast<int>(high >> kManShift); }
  bool operator==(const Position&) const = default;

 private:
  static constexpr int kManShift = 36;
  static constexpr std::uint64_t kCellBits = (std::uint64_t{1} << kManShift) - 1;
};

// A kept position, the one it was reached from, and the pushes and moves made to reach it.
struct Node {
  static constexpr std::uint32_t kMostMoves = (1u << 21) - 1;
  static constexpr std::uint32_t kMostPushes = (1u << 10) - 1;

  Position position;
  std::uint32_t parent = 0;
  std::uint32_t moves : 21 = 0;
  std::uint32_t pushes : 10 = 0;
  std::uint32_t expanded : 1 = 0;  // its pushes were tried: its pushes and moves are final
};

class PositionStore {
 public:
  static constexpr std::uint32_t kNone = UINT32_MAX;

  // The store's nodes and index are paid from `budget`, which must outlive it. A set `cancel`
  // flag also stops the store from growing: moving a large index takes long.
  PositionStore(MemoryBudget& budget, std::size_t positionLimit, const std::atomic<bool>* cancel);
  ~PositionStore();
  PositionStore(const PositionStore&) = delete;
  PositionStore& operator=(const PositionStore&) = delete;

  // The id of `node.position`, adding the node when the position is new. kNone when it is new
  // but would take the store past its limits; `added` tells whether it was new.
  std::uint32_t find(const Node& node, bool& added);
  // Starts loading the index slot where `position` would be found, so that its find a little
  // later does not wait for memory.
  void prefetch(const Position& position) const {
    if (slotCount_ != 0) __builtin_prefetch(&slots_[static_cast<std::size_t>(hashOf(position) >> 32) & mask_]);
  }

  void prefetchNode(std::uint32_t id) const { __builtin_prefetch(&(*this)[id]); }
  Node& operator[](std::uint32_t id) { return blocks_[id >> kBlockBits][id & kBlockMask]; }
  const Node& operator[](std::uint32_t id) const { return blocks_[id >> kBlockBits][id & kBlockMask]; }
  std::uint32_t size() const { return size_; }

 private:
  static constexpr int kBlockBits = 12;
  static constexpr std::uint32_t kBlockSize = 1u << kBlockBits;
  static constexpr std::uint32_t kBlockMask = kBlockSize - 1;

  bool grow();
  static std::uint64_t hashOf(const Position& position) {
    const std::uint64_t h =
        position.low * 0x9E3779B97F4A7C15u ^ (position.high + 0x632BE59BD9B4E019u) * 0xC2B2AE3D27D4EB4Fu;
    return h ^ (h >> 29);
  }

  MemoryBudget& budget_;
  std::size_t positionLimit_;
  const std::atomic<bool>* cancel_;
  std::vector<std::unique_ptr<Node[]>> blocks_;
  struct Free {
    void operator()(std::uint64_t* slots) const;
  };
  // Node id + 1 in the low half, 0 for an empty slot; the high half holds the high half of the
  // position's hash, so most slots that do not match are passed without reading their node.
  // The index is limited to 2^32 slots, far past any memory limit.
  // Taken zeroed from calloc, which gets large blocks as fresh pages without writing them.
  std::unique_ptr<std::uint64_t[], Free> slots_;
  std::size_t slotCount_ = 0;
  std::size_t mask_ = 0;
  std::uint32_t size_ = 0;
};

}  // namespace tarvo::solver
