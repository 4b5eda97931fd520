// The memory a search may hold, shared by its position store and its queue. Each asks before it
// allocates and says what it lets go, so that together they never pass the bound, not even while
// a table moves into a larger one and both are held.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace tarvo::solver {

class MemoryBudget {
 public:
  explicit MemoryBudget(std::size_t limit) : limit_(limit) {}

  // Takes `bytes` when they fit under the limit with what is held; false, taking nothing, when not.
  bool take(std::size_t bytes) {
    if (bytes > limit_ - held_) return false;
    held_ += bytes;
    peak_ = std::max(peak_, held_);
    return true;
  }
  // Counts `bytes` held whether they fit or not: for what was taken already.
  void charge(std::size_t bytes) {
    held_ += bytes;
    peak_ = std::max(peak_, held_);
  }
  void give(std::size_t bytes) { held_ -= std::min(bytes, held_); }

  std::size_t held() const { return held_; }
  // The most held at once: not more than the limit unless something was charged past it.
  std::size_t peak() const { return peak_; }

 private:
  std::size_t limit_;
  std::size_t held_ = 0;
  std::size_t peak_ = 0;
};

// Makes `items` hold `size` elements (new ones value-initialised), paying any larger capacity
// from `budget`: at least double the old one, asked for while the old one is still held and that
// given back once the elements have moved. False, changing nothing, when the budget refuses.
template <class T>
bool resizeWithin(MemoryBudget& budget, std::vector<T>& items, std::size_t size) {
  if (size > items.capacity()) {
    const std::size_t old = items.capacity();
    const std::size_t wanted = std::max({size, old * 2, std::size_t{4}});
    if (!budget.take(wanted * sizeof(T))) return false;
    items.reserve(wanted);
    // Should the library round a capacity up, the account still holds what the vector does.
    if (items.capacity() > wanted) budget.charge((items.capacity() - wanted) * sizeof(T));
    budget.give(old * sizeof(T));
  }
  if (size > items.size()) items.resize(size);
  return true;
}

// Appends `item`, paying a larger capacity from `budget` as resizeWithin does.
template <class T>
bool appendWithin(MemoryBudget& budget, std::vector<T>& items, T item) {
  if (!resizeWithin(budget, items, items.size() + 1)) return false;
  items.back() = std::move(item);
  return true;
}

// Lets the whole of a vector go, giving its capacity back.
template <class T>
void releaseWithin(MemoryBudget& budget, std::vector<T>& items) {
  budget.give(items.capacity() * sizeof(T));
  std::vector<T>().swap(items);
}

}  // namespace tarvo::solver
