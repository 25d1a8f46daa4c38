// A shapefile filled on a worker, as the loading thread fills it, while the
// user interface thread polls the entity count for its progress bar.

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "ShapeFixtures.h"
#include "shape/Shape.h"

namespace {

TEST(ShapeLoadThread, AWorkerFillsTheShapeWhileTheCountIsPolled) {
  testing_support::TestMachine machine;
  const std::vector<tools::ShapefileEntity> entities(2000, {{}, {0, 1, 2}, {0, 0, 0}});
  shape_fixtures::WriteShape(machine, "C:\\data\\many", SHPT_ARC, entities);
  CShape shape;
  shape.path = "C:\\data\\many";
  std::atomic<std::int32_t> copied{0};
  std::atomic<bool> done{false};
  std::thread worker([&] {
    CShapeFile file;
    if (shape.ReadHeader() && file.Open(shape.path)) {
      for (std::int32_t i = 0; i < shape.entityCount; ++i) {
        copied = i + 1;
        shape.AppendEntity(file.ReadEntity(i));
      }
    }
    done = true;
  });
  std::int32_t lastSeen = 0;
  while (!done) {
    EXPECT_LE(lastSeen, copied.load());
    lastSeen = copied;
    EXPECT_TRUE(shape.entityCount == 0 || shape.entityCount == 2000);
    std::this_thread::yield();
  }
  worker.join();
  EXPECT_EQ(copied, 2000);
  EXPECT_EQ(shape.Entities().size(), 2000u);
}

}  // namespace
