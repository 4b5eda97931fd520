// Open addressing over node ids: the nodes hold the full positions, so a hash collision is never a merge. A slot keeps
// the high half of its position's hash, which also gives its place in the index, so growing the index never reads a
// node.
#include "solver/position_store.h"

#include <algorithm>
#include <cstdlib>

namespace tarvo::solver {

namespace {

constexpr std::size_t kFirstSlots = std::size_t{1} << 12;
constexpr std::size_t kCancelCheck = std::size_t{1} << 16;  // slots moved between looks at the cancel flag

}  // namespace

PositionStore::PositionStore(MemoryBudget& budget, std::size_t positionLimit, const std::atomic<bool>* cancel)
    : budget_(budget), positionLimit_(std::min<std::size_t>(positionLimit, kNone - 1)), cancel_(cancel) {}

PositionStore::~PositionStore() {
  budget_.give(blocks_.size() * kBlockSize * sizeof(Node) + slotCount_ * sizeof(std::uint64_t));
  releaseWithin(budget_, blocks_);
}

void PositionStore::Free::operator()(std::uint64_t* slots) const { std::free(slots); }

// Doubles the index (or makes the first one), refusing when the old and the new index together
// with the nodes would pass the memory budget, or when the search is cancelled meanwhile.
bool PositionStore::grow() {
  const std::size_t newSlots = slotCount_ == 0 ? kFirstSlots : slotCount_ * 2;
  const std::size_t newBytes = newSlots * sizeof(std::uint64_t);
  if (!budget_.take(newBytes)) return false;
  std::unique_ptr<std::uint64_t[], Free> slots(
      static_cast<std::uint64_t*>(std::calloc(newSlots, sizeof(std::uint64_t))));
  if (!slots) {
    budget_.give(newBytes);
    return false;
  }
  const std::size_t mask = newSlots - 1;
  for (std::size_t i = 0; i < slotCount_; ++i) {
    const std::uint64_t slot = slots_[i];
    if (i % kCancelCheck == 0 && cancel_ != nullptr && cancel_->load(std::memory_order_relaxed)) {
      budget_.give(newBytes);
      return false;
    }
    if (slot == 0) continue;
    std::size_t at = static_cast<std::size_t>(slot >> 32) & mask;
    while (slots[at] != 0) at = (at + 1) & mask;
    slots[at] = slot;
  }
  slots_ = std::move(slots);
  budget_.give(slotCount_ * sizeof(std::uint64_t));
  slotCount_ = newSlots;
  mask_ = mask;
  return true;
}

std::uint32_t PositionStore::find(const Node& node, bool& added) {
  const Position& position = node.position;
  const std::uint64_t hash = hashOf(position);
  const std::uint64_t tag = hash & 0xFFFFFFFF00000000u;
  added = false;
  if (slotCount_ != 0) {
    for (std::size_t at = static_cast<std::size_t>(hash >> 32) & mask_;; at = (at + 1) & mask_) {
      const std::uint64_t slot = slots_[at];
      if (slot == 0) break;
      const auto id = static_cast<std::uint32_t>(slot);
      if ((slot & 0xFFFFFFFF00000000u) == tag && (*this)[id - 1].position == position) return id - 1;
    }
  }
  if (size_ >= positionLimit_) return kNone;
  // Keep the index at most half full, and room in the last block for this node.
  if ((size_ + 1) * 2 > slotCount_) {
    if (!grow()) return kNone;
  }
  if ((size_ & kBlockMask) == 0 && size_ / kBlockSize == blocks_.size()) {
    if (!budget_.take(kBlockSize * sizeof(Node))) return kNone;
    if (!appendWithin(budget_, blocks_, std::make_unique<Node[]>(kBlockSize))) {
      budget_.give(kBlockSize * sizeof(Node));
      return kNone;
    }
  }
  const std::uint32_t id = size_++;
  (*this)[id] = node;
  std::size_t at = static_cast<std::size_t>(hash >> 32) & mask_;
  while (slots_[at] != 0) at = (at + 1) & mask_;
  slots_[at] = tag | (id + 1);
  added = true;
  return id;
}

}  // namespace tarvo::solver
