// Replaces the global operator new and delete of the test program with ones that count, per
// thread, the bytes held: each block carries its size in a header before the bytes it gives.
// calloc (which large tables take for their fresh zeroed pages) is counted too while a meter
// runs, its blocks noted in a short table that free looks in. The blocks still come from the C
// library.
#include "heap_meter.h"

#include <algorithm>
#include <cstdlib>
#include <new>

namespace {

// Constant-initialised, so the counts are there before any constructor runs on a thread.
thread_local long long held = 0;
thread_local long long mostHeld = 0;
thread_local bool metering = false;

}  // namespace

namespace tarvo::test {

#ifdef TARVO_SANITIZE
bool HeapMeter::available() { return false; }
#else
bool HeapMeter::available() { return true; }
#endif

HeapMeter::HeapMeter() : start_(held) {
  mostHeld = held;
  metering = true;
}

HeapMeter::~HeapMeter() { metering = false; }

std::size_t HeapMeter::peak() const { return static_cast<std::size_t>(std::max(mostHeld - start_, 0LL)); }

}  // namespace tarvo::test

#ifndef TARVO_SANITIZE

namespace {

struct CallocBlock {
  void* bytes;
  std::size_t size;
};
constexpr int kCallocBlocks = 64;
thread_local CallocBlock callocBlocks[kCallocBlocks];
thread_local int callocCount = 0;

constexpr std::size_t kHeader = alignof(std::max_align_t);

void* take(std::size_t size) noexcept {
  auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
  if (block == nullptr) return nullptr;
  *reinterpret_cast<std::size_t*>(block) = size;
  held += static_cast<long long>(size);
  mostHeld = std::max(mostHeld, held);
  return block + kHeader;
}

void give(void* bytes) noexcept {
  if (bytes == nullptr) return;
  unsigned char* block = static_cast<unsigned char*>(bytes) - kHeader;
  held -= static_cast<long long>(*reinterpret_cast<std::size_t*>(block));
  std::free(block);
}

void noteCalloc(void* bytes, std::size_t size) noexcept {
  if (bytes == nullptr || !metering || callocCount == kCallocBlocks) return;
  callocBlocks[callocCount++] = {bytes, size};
  held += static_cast<long long>(size);
  mostHeld = std::max(mostHeld, held);
}

void forgetCalloc(void* bytes) noexcept {
  for (int i = 0; i < callocCount; ++i) {
    if (callocBlocks[i].bytes != bytes) continue;
    held -= static_cast<long long>(callocBlocks[i].size);
    callocBlocks[i] = callocBlocks[--callocCount];
    return;
  }
}

void* takeOrThrow(std::size_t size) {
  void* bytes = take(size);
  if (bytes == nullptr) throw std::bad_alloc();
  return bytes;
}

}  // namespace

extern "C" {
void* __libc_calloc(std::size_t count, std::size_t size);
void __libc_free(void* bytes);

void* calloc(std::size_t count, std::size_t size) {
  void* bytes = __libc_calloc(count, size);
  noteCalloc(bytes, count * size);
  return bytes;
}

void free(void* bytes) {
  if (callocCount != 0) forgetCalloc(bytes);
  __libc_free(bytes);
}
}

void* operator new(std::size_t size) { return takeOrThrow(size); }
void* operator new[](std::size_t size) { return takeOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return take(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return take(size); }
void operator delete(void* bytes) noexcept { give(bytes); }
void operator delete[](void* bytes) noexcept { give(bytes); }
void operator delete(void* bytes, std::size_t) noexcept { give(bytes); }
void operator delete[](void* bytes, std::size_t) noexcept { give(bytes); }
void operator delete(void* bytes, const std::nothrow_t&) noexcept { give(bytes); }
void operator delete[](void* bytes, const std::nothrow_t&) noexcept { give(bytes); }

#endif
