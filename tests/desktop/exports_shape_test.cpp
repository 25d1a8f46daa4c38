// The shapefile dialogs on screen through their exports: the loading
// dialog left to finish or stopped with Quit, and a display setting chosen
// in a cell of the selector.

#include <gtest/gtest.h>

#include "controls/CellEditors.h"
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

// Two clicks on the colour cell open its choice in place; what is picked
// there reaches the row, the shape and its settings file at once.
TEST(DesktopShape, AColourChosenInACellOfTheSelectorReachesTheShapeAndItsSettings) {
  testing_support::TestMachine machine;
  DesktopSession session;
  const tools::ShapefileEntity square{{}, {0, 1, 1, 0, 0}, {0, 0, 1, 1, 0}};
  shape_fixtures::WriteShape(machine, "C:\\maps\\areas", SHPT_POLYGON, {square});
  CShapeFileList shapes;
  ASSERT_TRUE(AddShapeFile("C:\\maps\\areas.shp", &shapes));
  constexpr int kColourColumn = 5;
  std::vector<std::string> rows;
  {
    ExportScript script(session, {{IDD_SHAPE_FILE_SELECTOR,
                                   "shape_file_selector_cell",
                                   {[](UserInput& user) { user.ClickCell(IDC_SHAPE_FILE_LIST, 0, kColourColumn); },
                                    [](UserInput& user) { user.ClickCell(IDC_SHAPE_FILE_LIST, 0, kColourColumn); },
                                    [](UserInput& user) { user.Choose(static_cast<int>(kCellChoiceId), "Crimson"); },
                                    [&](UserInput& user) {
                                      rows = user.Read().Rows(IDC_SHAPE_FILE_LIST);
                                      user.Photograph("shape_file_selector_cell_chosen");
                                      user.Click(IDOK);
                                    }}}});
    EXPECT_TRUE(ShapeLoad(&shapes));
  }
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_NE(rows[0].find("\tCrimson"), std::string::npos) << rows[0];
  EXPECT_EQ(shapes.GetAt(0).display.colour, 0x8000FFu);
  EXPECT_NE(machine.Read("C:\\maps\\areas.INI").value_or("").find("Colour = 8388863\n"), std::string::npos);
}

}  // namespace
