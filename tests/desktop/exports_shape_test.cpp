// The shapefile loading dialog on screen through its export, left to
// finish or stopped with Quit.

#include <gtest/gtest.h>

#include "desktop/DesktopSession.h"
#include "desktop/ExportScript.h"
#include "desktop/UserInput.h"
#include "frame/Exports.h"
#include "platform/ui/MessageQueue.h"
#include "shape/ShapeFileList.h"
#include "shape/ShapeFixtures.h"
#include "shape/ShapeResources.h"

namespace {

using desktop_test::DesktopSession;
using desktop_test::ExportScript;
using desktop_test::UserInput;

// The loading dialog left alone closes itself once the worker has copied
// every entity; Quit pressed before its loop has taken a single message
// ends it before the worker can have finished in its eyes: nothing added.
TEST(DesktopShape, TheLoadingDialogAddsTheWholeFileUnlessQuitIsPressed) {
  testing_support::TestMachine machine;
  DesktopSession session;
  shape_fixtures::WriteShape(machine, "C:\\maps\\many", SHPT_ARC,
                             std::vector<tools::ShapefileEntity>(2000, {{}, {0, 1, 2}, {0, 0, 0}}));
  const struct {
    bool quit;
    const char* screenshot;
  } rows[] = {{false, "shape_loading"}, {true, "shape_loading_quit"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.screenshot);
    CShapeFileList list;
    {
      std::vector<desktop_test::DialogStep::Action> quit;
      if (row.quit) quit.push_back([](UserInput& user) { user.Click(IDCANCEL); });
      ExportScript script(session, {{IDD_LOADING_SHAPE, row.screenshot, quit, true}});
      EXPECT_EQ(LoadShapeFile("C:\\maps\\many.shp", &list), !row.quit);
    }
    platform::ui::MessageQueue::WaitForWorkers();
    EXPECT_EQ(list.GetCount(), row.quit ? 0u : 1u);
    EXPECT_EQ(list.modified, row.quit ? 0 : 1);
  }
}

}  // namespace
