#include "platform/memory/BlockPool.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

using namespace platform::memory;

// Records are made on the loading thread and deleted by the host on its
// own: a block must come back once both the objects and the thread that cut
// them are gone, whichever goes last.
TEST(BlockPoolThreads, ObjectsFreedOnAnotherThreadEmptyTheirBlocks) {
  constexpr std::size_t kObjects = 3 * kPoolBlockBytes / 200;
  const PoolUsage before = GetPoolUsage();
  std::vector<void*> made(kObjects);
  std::thread maker([&] {
    for (void*& object : made) object = TryAllocatePooled(200);
  });
  maker.join();
  for (void* object : made) FreePooled(object, 200);
  const PoolUsage after = GetPoolUsage();
  EXPECT_EQ(after.blocksInUse, before.blocksInUse);
  EXPECT_GE(after.spareBlocks, 3u);
}

constexpr std::size_t kBytes = 96;

TEST(BlockPoolThreads, ThreadsCutAndFreeAtOnce) {
  const PoolUsage before = GetPoolUsage();
  std::vector<std::thread> threads;
  std::vector<std::vector<void*>> made(4);
  for (auto& mine : made)
    threads.emplace_back([&mine] {
      for (int round = 0; round < 20; ++round) {
        for (int i = 0; i < 2000; ++i) mine.push_back(TryAllocatePooled(kBytes));
        // Half freed straight away, half left for the main thread.
        for (std::size_t i = mine.size() / 2; i < mine.size(); ++i) FreePooled(mine[i], kBytes);
        mine.resize(mine.size() / 2);
      }
    });
  for (auto& t : threads) t.join();
  for (auto& mine : made)
    for (void* object : mine) FreePooled(object, kBytes);
  EXPECT_EQ(GetPoolUsage().blocksInUse, before.blocksInUse);
}

}  // namespace
