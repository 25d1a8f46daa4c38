#include "platform/memory/BlockPool.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

using namespace platform::memory;

struct Made {
  void* object;
  std::size_t bytes;
};

// Fills each object with its own byte so that overlapping objects show.
std::vector<Made> MakeMany(std::size_t count, std::size_t bytes) {
  std::vector<Made> made;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t size = bytes ? bytes : i % 300;
    void* object = TryAllocatePooled(size);
    std::memset(object, static_cast<int>(i & 0xFF), size);
    made.push_back({object, size});
  }
  return made;
}

void FreeAll(const std::vector<Made>& made) {
  for (const Made& m : made) FreePooled(m.object, m.bytes);
}

TEST(BlockPool, ObjectsAreAlignedAndKeepTheirBytes) {
  // Sizes 0..299, so that every rounding case lands next to every other.
  const auto made = MakeMany(20'000, 0);
  for (std::size_t i = 0; i < made.size(); ++i) {
    ASSERT_EQ(reinterpret_cast<std::uintptr_t>(made[i].object) % alignof(std::max_align_t), 0u);
    const auto* bytes = static_cast<const unsigned char*>(made[i].object);
    for (std::size_t b = 0; b < made[i].bytes; ++b) ASSERT_EQ(bytes[b], i & 0xFF) << "object " << i;
  }
  FreeAll(made);
}

TEST(BlockPool, EmptiedBlocksAreReusedNotMappedAgain) {
  // Enough for several blocks; a thread keeps the block it cuts from.
  const std::size_t perBlock = kPoolBlockBytes / 256;
  const PoolUsage before = GetPoolUsage();
  auto made = MakeMany(6 * perBlock, 240);
  const PoolUsage loaded = GetPoolUsage();
  EXPECT_GE(loaded.blocksInUse, before.blocksInUse + 5);
  FreeAll(made);
  const PoolUsage emptied = GetPoolUsage();
  EXPECT_LE(emptied.blocksInUse, before.blocksInUse + 1);
  const std::size_t mapped = emptied.blocksInUse + emptied.spareBlocks;
  made = MakeMany(4 * perBlock, 240);
  const PoolUsage again = GetPoolUsage();
  EXPECT_EQ(again.blocksInUse + again.spareBlocks, mapped);
  FreeAll(made);
}

TEST(BlockPool, LargeRequestsLeaveThePoolAlone) {
  const PoolUsage before = GetPoolUsage();
  for (std::size_t bytes : {kLargestPooledBytes + 1, kPoolBlockBytes, 3 * kPoolBlockBytes}) {
    void* object = TryAllocatePooled(bytes);
    ASSERT_NE(object, nullptr);
    std::memset(object, 0x42, bytes);
    FreePooled(object, bytes);
  }
  const PoolUsage after = GetPoolUsage();
  EXPECT_EQ(after.blocksInUse + after.spareBlocks, before.blocksInUse + before.spareBlocks);
  FreePooled(nullptr, 10);  // like delete of a null pointer
  FreeSmall(nullptr, 10);
}

// Records take the pool's memory except in sanitizer builds, where the
// heap's own checks must see them.
TEST(BlockPool, SmallObjectsComeFromThePoolOnlyOutsideSanitizerBuilds) {
  const PoolUsage before = GetPoolUsage();
  std::vector<void*> made;
  for (std::size_t i = 0; i < 2 * kPoolBlockBytes / 1024; ++i) made.push_back(AllocateSmall(1024));
  const PoolUsage loaded = GetPoolUsage();
  for (void* object : made) FreeSmall(object, 1024);
  EXPECT_EQ(loaded.blocksInUse > before.blocksInUse, !kSmallObjectsOnHeap);
}

}  // namespace
