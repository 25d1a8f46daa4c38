// Quit pressed at any moment of a load behind the loading dialog: before
// the worker opens the file, in the middle of its entities, or after its
// last. The dialog ends at once, the worker finishes the entity in hand on
// a shape the dialog no longer holds, and the list gets either the whole
// file or nothing. Run under ThreadSanitizer (and AddressSanitizer's leak
// check) this is what shows the worker never touches a released shape or a
// closed dialog.

#include <gtest/gtest.h>

#include <random>
#include <thread>
#include <vector>

#include "ShapeFixtures.h"
#include "frame/Exports.h"
#include "platform/ui/Automation.h"
#include "platform/ui/MessageQueue.h"
#include "shape/LoadShape.h"
#include "shape/ShapeFileList.h"

namespace {

using platform::ui::Driver;
using platform::ui::ScopedAutomation;

constexpr std::int32_t kEntities = 200;
constexpr int kPresses = 1000;
constexpr char kPath[] = "C:\\data\\many.shp";

struct Outcome {
  bool loaded = false;
  bool pressed = false;
  std::int32_t copiedAtPress = -1;
};

// One load; Quit is pressed on the first turn of the dialog's loop that
// sees `target` or more entities copied (never, for a target above the
// file's count).
Outcome LoadQuittingAt(CShapeFileList& list, std::int32_t target) {
  Outcome outcome;
  ScopedAutomation automation([&](Driver& d) {
    if (outcome.pressed) return;
    const std::int32_t copied = dynamic_cast<const CLoadShape&>(d.Dialog()).Copied();
    if (copied < target) {
      // Keeps the loop turning rather than asleep until the worker posts.
      platform::ui::MessageQueue::NoteActivity();
      return std::this_thread::yield();
    }
    outcome.copiedAtPress = copied;
    outcome.pressed = true;
    d.Click(IDCANCEL);
  });
  outcome.loaded = LoadShapeFile(kPath, &list);
  platform::ui::MessageQueue::WaitForWorkers();
  return outcome;
}

TEST(ShapeLoadThread, QuitAtAnyMomentAddsTheWholeFileOrNothing) {
  testing_support::TestMachine machine;
  const std::vector<tools::ShapefileEntity> entities(kEntities, {{}, {0, 1, 2}, {0, 0, 0}});
  shape_fixtures::WriteShape(machine, "C:\\data\\many", SHPT_ARC, entities);
  std::mt19937 random(20261206);
  std::uniform_int_distribution<std::int32_t> targets(0, kEntities + kEntities / 4);
  int midLoad = 0, loaded = 0;
  for (int i = 0; i < kPresses; ++i) {
    CShapeFileList list;
    const Outcome outcome = LoadQuittingAt(list, targets(random));
    ASSERT_EQ(list.GetCount(), outcome.loaded ? 1u : 0u);
    if (outcome.loaded) {
      ++loaded;
      EXPECT_EQ(list.GetAt(0).Entities().size(), static_cast<std::size_t>(kEntities)) << "a shape half-added";
      EXPECT_EQ(list.modified, 1);
    } else {
      ASSERT_TRUE(outcome.pressed) << "only Quit ends a load of a good file with Cancel";
    }
    if (outcome.pressed && outcome.copiedAtPress > 0 && outcome.copiedAtPress < kEntities) ++midLoad;
  }
  EXPECT_GT(midLoad, 0) << "no press landed in the middle of the entities";
  EXPECT_GT(loaded, 0) << "no load finished before its press";
}

}  // namespace
