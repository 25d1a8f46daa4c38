#include "platform/memory/BlockPool.h"

#include <sys/mman.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <new>
#include <vector>

namespace platform::memory {
namespace {

constexpr std::size_t kAlignment = alignof(std::max_align_t);
constexpr std::uintptr_t kBlockMask = ~static_cast<std::uintptr_t>(kPoolBlockBytes - 1);

// The count of live objects has a cache line of its own, so that frees on
// one thread do not fight over the line with objects being filled in on
// another.
struct alignas(64) Block {
  std::atomic<std::int64_t> live;
};

// A thread cutting objects from a block holds this many references on top
// of the objects, so that frees on other threads never bring the count to
// zero early. It hands them back, less the objects it made, when it moves
// on. Far more than a block can hold.
constexpr std::int64_t kCutterReferences = std::int64_t{1} << 40;

char* PayloadOf(Block* block) { return reinterpret_cast<char*>(block) + sizeof(Block); }
constexpr std::size_t kPayloadBytes = kPoolBlockBytes - sizeof(Block);

Block* BlockOf(void* object) {
  return reinterpret_cast<Block*>(reinterpret_cast<std::uintptr_t>(object) & kBlockMask);
}

// Twice the size is mapped and the ends cut off, so that a block starts on a
// 2 MiB boundary: an object finds its block by masking its address, and the
// kernel can back the block with one huge page.
Block* MapBlock() {
  void* raw = mmap(nullptr, 2 * kPoolBlockBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (raw == MAP_FAILED) return nullptr;
  const auto start = reinterpret_cast<std::uintptr_t>(raw);
  const std::uintptr_t aligned = (start + kPoolBlockBytes - 1) & kBlockMask;
  const std::uintptr_t tail = aligned + kPoolBlockBytes;
  if (aligned > start) munmap(raw, aligned - start);
  if (start + 2 * kPoolBlockBytes > tail) munmap(reinterpret_cast<void*>(tail), start + 2 * kPoolBlockBytes - tail);
  madvise(reinterpret_cast<void*>(aligned), kPoolBlockBytes, MADV_HUGEPAGE);
  return reinterpret_cast<Block*>(aligned);
}

// Pages are put in place in one call rather than one fault at a time as the
// objects are filled in: on a virtual machine each fault is a trip through
// the hypervisor, and a first load of a million records spent most of its
// time there. Kernels without the call fault the pages in as before.
void PutPagesInPlace(Block* block) {
#ifdef MADV_POPULATE_WRITE
  madvise(block, kPoolBlockBytes, MADV_POPULATE_WRITE);
#else
  (void)block;
#endif
}

// Lazily: the pages stay in place until the system needs them, so a block
// reused soon after costs no page faults.
void OfferPagesBack(Block* block) {
  if (madvise(block, kPoolBlockBytes, MADV_FREE) != 0) madvise(block, kPoolBlockBytes, MADV_DONTNEED);
}

class BlockStore {
 public:
  // A spare block or a newly mapped one, its count set for a cutter;
  // nullptr when the system has no memory left.
  Block* Take() noexcept {
    Block* block = nullptr;
    {
      std::lock_guard lock(mutex_);
      if (!spare_.empty()) {
        block = spare_.back();
        spare_.pop_back();
      } else {
        block = MapNew();
      }
    }
    if (!block) return nullptr;
    PutPagesInPlace(block);
    new (block) Block{kCutterReferences};
    return block;
  }

  void Give(Block* block) noexcept {
    OfferPagesBack(block);
    std::lock_guard lock(mutex_);
    // Never grows here: room for every mapped block was made when it was
    // mapped.
    spare_.push_back(block);
  }

  PoolUsage Usage() {
    std::lock_guard lock(mutex_);
    return {mapped_ - spare_.size(), spare_.size()};
  }

 private:
  Block* MapNew() noexcept {
    try {
      spare_.reserve(mapped_ + 1);
    } catch (const std::bad_alloc&) {
      return nullptr;
    }
    Block* block = MapBlock();
    if (block) ++mapped_;
    return block;
  }

  std::mutex mutex_;
  std::vector<Block*> spare_;
  std::size_t mapped_ = 0;
};

// Never destroyed: objects may be freed by static destructors and by
// threads that outlive main.
BlockStore& TheStore() {
  static BlockStore* store = new BlockStore;
  return *store;
}

void Release(Block* block, std::int64_t references) {
  if (block->live.fetch_sub(references, std::memory_order_acq_rel) == references) TheStore().Give(block);
}

class Cutter {
 public:
  ~Cutter() { Leave(); }

  void* Cut(std::size_t size) noexcept {
    if (static_cast<std::size_t>(end_ - next_) < size && !MoveOn()) [[unlikely]]
      return nullptr;
    void* object = next_;
    // Objects are filled in as soon as they are cut, in address order, so
    // asking for the lines a few objects ahead hides most of the wait for
    // memory the cache has not seen (a prefetch past the block is harmless).
    __builtin_prefetch(next_ + 1024, 1);
    next_ += size;
    ++made_;
    return object;
  }

 private:
  [[gnu::noinline]] bool MoveOn() noexcept {
    Leave();
    block_ = TheStore().Take();
    if (!block_) return false;
    next_ = PayloadOf(block_);
    end_ = next_ + kPayloadBytes;
    return true;
  }

  void Leave() noexcept {
    if (block_) Release(block_, kCutterReferences - made_);
    block_ = nullptr;
    next_ = end_ = nullptr;
    made_ = 0;
  }

  Block* block_ = nullptr;
  char* next_ = nullptr;
  char* end_ = nullptr;
  std::int64_t made_ = 0;
};

thread_local Cutter tCutter;

std::size_t Rounded(std::size_t bytes) { return (std::max<std::size_t>(bytes, 1) + kAlignment - 1) & ~(kAlignment - 1); }

}  // namespace

void* TryAllocatePooled(std::size_t bytes) noexcept {
  if (bytes > kLargestPooledBytes) return ::operator new(bytes, std::nothrow);
  return tCutter.Cut(Rounded(bytes));
}

void FreePooled(void* object, std::size_t bytes) noexcept {
  if (!object) return;
  if (bytes > kLargestPooledBytes) {
    ::operator delete(object);
    return;
  }
  Release(BlockOf(object), 1);
}

void* TryAllocateSmall(std::size_t bytes) noexcept {
  if constexpr (kSmallObjectsOnHeap) return ::operator new(bytes, std::nothrow);
  return TryAllocatePooled(bytes);
}

void* AllocateSmall(std::size_t bytes) {
  void* object = TryAllocateSmall(bytes);
  if (!object) throw std::bad_alloc();
  return object;
}

void FreeSmall(void* object, std::size_t bytes) noexcept {
  if constexpr (kSmallObjectsOnHeap)
    ::operator delete(object);
  else
    FreePooled(object, bytes);
}

PoolUsage GetPoolUsage() { return TheStore().Usage(); }

}  // namespace platform::memory
