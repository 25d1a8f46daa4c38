#pragma once
// Memory for small objects that are made by the hundred thousand and given
// back together, such as the records of a loaded database.
//
// Objects are cut one after another from 2 MiB blocks, each thread from a
// block of its own, so making one costs a few instructions and no lock.
// A block counts the objects still alive in it; when the last one goes, the
// whole block is offered back to the system lazily and kept for the next
// load. A block asks for a transparent huge page and has its pages put in
// place when it is taken: on a virtual machine the page faults of a million
// heap allocations filled in one by one cost more than reading the file
// they came from.
//
// An object may be freed on any thread. Requests larger than
// kLargestPooledBytes go to the global operator new. Freeing must pass the
// size that was asked for.
//
// Sanitizer and fuzzing builds hand out heap objects instead: a pool hides
// each object from the leak checker and from the heap's own checks of use
// after free and writes past the end, which are what those builds are for.
// The pool itself stays reachable there, for its own tests.

#include <cstddef>

#include "frame/Api.h"

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__) || defined(FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION)
#define OVERLAYS_SMALL_OBJECTS_ON_HEAP 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define OVERLAYS_SMALL_OBJECTS_ON_HEAP 1
#endif
#endif

namespace platform::memory {

inline constexpr std::size_t kPoolBlockBytes = std::size_t{2} << 20;
inline constexpr std::size_t kLargestPooledBytes = std::size_t{16} << 10;

#ifdef OVERLAYS_SMALL_OBJECTS_ON_HEAP
inline constexpr bool kSmallObjectsOnHeap = true;
#else
inline constexpr bool kSmallObjectsOnHeap = false;
#endif

// What the module's records use: the pool, or the heap in sanitizer builds.
// Throws std::bad_alloc when the system has no memory left.
OVERLAYS_API void* AllocateSmall(std::size_t bytes);
// nullptr when the system has no memory left.
OVERLAYS_API void* TryAllocateSmall(std::size_t bytes) noexcept;
OVERLAYS_API void FreeSmall(void* object, std::size_t bytes) noexcept;

// The pool itself, in every build.
OVERLAYS_API void* TryAllocatePooled(std::size_t bytes) noexcept;
OVERLAYS_API void FreePooled(void* object, std::size_t bytes) noexcept;

struct PoolUsage {
  std::size_t blocksInUse = 0;  // holding live objects or being cut from
  std::size_t spareBlocks = 0;  // emptied, kept for reuse
  std::size_t BytesInUse() const { return blocksInUse * kPoolBlockBytes; }
};
OVERLAYS_API PoolUsage GetPoolUsage();

}  // namespace platform::memory
