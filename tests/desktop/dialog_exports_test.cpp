// Every dialog an export opens, on screen: its widget tree matches its
// window tree (each control where its template puts it), a screenshot of
// it is written, and it closes as a user's Cancel closes it, with the
// export's result as headless.

#include <functional>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "desktop/DesktopSession.h"
#include "frame/Exports.h"
#include "kml/KMLFileList.h"
#include "platform/ui/Automation.h"
#include "platform/ui/Dialog.h"
#include "seaareas/SeaAreas.h"
#include "shape/ShapeFileList.h"
#include "support/TestMachine.h"
#include "windfarm/TurbineList.h"
#include "windfarm/WindFarmBoundaryList.h"
#include "wrecks/WreckList.h"

namespace {

using desktop_test::DesktopSession;
using platform::ui::Driver;
using platform::ui::ModalTurn;

struct ExportCase {
  const char* screenshot;
  // Calls the export; true when it returned what a cancelled dialog gives.
  std::function<bool()> call;
};

const ExportCase kExports[] = {
    {"kml_files", [] { CKMLFileList files; return !KMLLoad(&files) && files.GetCount() == 0; }},
    {"sea_areas",
     [] {
       CSeaAreas areas;
       areas.areas.push_back({"Dogger", {}});
       return !SeaAreasSetup(nullptr, &areas) && areas.activeArea == kNoActiveArea;
     }},
    {"shape_files", [] { CShapeFileList shapes; return !ShapeLoad(&shapes) && shapes.GetCount() == 0; }},
    {"wind_farm_settings",
     [] {
       CTurbineList turbines;
       CWindFarmBoundaryList boundaries;
       turbines.farms.resize(2);
       boundaries.farms.resize(2);
       return !WindFarmSettings(&turbines, &boundaries);
     }},
    {"turbines",
     [] {
       CTurbineList turbines;
       turbines.farms.resize(2);
       return !TurbineProperties(&turbines, nullptr, true);
     }},
    {"wreck_properties",
     [] {
       WreckDef record;
       record.data.wreckId = 42;
       DisplayWreckProperties(&record, nullptr);
       return true;
     }},
};

TEST(DesktopExports, EachDialogIsMirroredAndClosesAsCancelled) {
  testing_support::TestMachine machine;
  DesktopSession session;
  for (const ExportCase& c : kExports) {
    SCOPED_TRACE(c.screenshot);
    std::set<std::string> shown;
    platform::ui::ScopedAutomation hook([&](Driver& d) {
      if (d.Turn() != ModalTurn::Started) return;
      // The first dialog is the export's; any other one it opens on the
      // way is shown too.
      const std::string name = shown.empty() ? c.screenshot : std::string(c.screenshot) + "_" + std::to_string(shown.size());
      shown.insert(name);
      session.ExpectMirrored(d.Dialog());
      EXPECT_TRUE(session.WidgetOf(d.Dialog()).isVisible());
      session.Screenshot(d.Dialog(), name);
      d.End(IDCANCEL);
    });
    EXPECT_TRUE(c.call());
    EXPECT_FALSE(shown.empty()) << "the export opened no dialog";
  }
}

}  // namespace
