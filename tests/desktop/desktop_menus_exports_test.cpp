// Each action of the desktop host's menus reaches its export: the dialog
// the export opens shows (by its caption) over the main window, and the
// host carries on when it closes. Screenshots of the main window with each
// dialog open go to OVERLAYS_SCREENSHOTS as chart-menus-*.png.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "desktop/DesktopHost.h"
#include "kml/KMLResources.h"
#include "frame/Folders.h"
#include "platform/ui/Automation.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/FileDialog.h"
#include "seaareas/SeaAreasResources.h"
#include "shape/ShapeResources.h"
#include "windfarm/WindFarmResources.h"
#include "wrecks/WreckResources.h"

namespace {

using desktop_test::DesktopHost;
using platform::ui::Driver;
using platform::ui::ModalTurn;

// A package waiting in the download folder, as a download leaves it.
void OfferPackage(DesktopHost& host, const std::filesystem::path& package) {
  const auto bytes = testing_support::ReadHostFile(package);
  ASSERT_TRUE(bytes) << package;
  host.machine.Write(GetDownloadFolder() + package.filename().string(), *bytes);
}

// The remembered names the selector keeps, so that a reload has files to read.
void RememberSampleShapes(DesktopHost& host) {
  CShapeFileList& shapes = host.lists.lists.shapes;
  for (const auto& shape : shapes.Shapes()) shapes.names.FindOrAdd(shape->path);
}

struct MenuCase {
  const char* menu;
  const char* action;
  // The dialog the export opens: its template and its caption's start.
  UINT dialog;
  const char* caption;
  const char* screenshot;
  std::function<void(DesktopHost&)> prepare;
};

const MenuCase kMenuCases[] = {
    {"File", "Install Wrecks...", IDD_WRECK_SPLASH, "Wrecks", "install-wrecks",
     [](DesktopHost& host) { OfferPackage(host, OVERLAYS_SAMPLE_PACKAGE); }},
    {"File", "Install Wind Farms...", IDD_WIND_FARM_SPLASH, "Windfarm Install", "install-windfarms",
     [](DesktopHost& host) { OfferPackage(host, OVERLAYS_SAMPLE_WINDFARMS); }},
    {"File", "Install Overlays...", IDD_WIND_FARM_SPLASH, "Windfarm Install", "install-overlays",
     [](DesktopHost& host) { OfferPackage(host, OVERLAYS_SAMPLE_WINDFARMS); }},
    {"Wrecks", "Load Wrecks", IDD_LOADING_WRECKS, "Wrecks", "load-wrecks", nullptr},
    {"Wrecks", "Wreck Search...", IDD_WRECK_FIND, "Wreck Search", "wreck-search", nullptr},
    {"Overlays", "KML Files...", IDD_KML_FILE_SELECTOR, "KML File Selector", "kml-files", nullptr},
    {"Overlays", "Shape Files...", IDD_SHAPE_FILE_SELECTOR, "ShapeFileSelector", "shape-files", nullptr},
    {"Overlays", "Add Shape File...", platform::ui::kOpenFileDialog, "Open", "add-shape-file", nullptr},
    {"Overlays", "Reload Shape Files", IDD_LOADING_SHAPE, "Loading Shape File Sound Survey Lines", "reload-shapes",
     RememberSampleShapes},
    {"Wind Farms", "Settings...", IDD_WIND_FARM_SETTINGS, "Wind Farm", "windfarm-settings", nullptr},
    {"Wind Farms", "Turbines...", IDD_WIND_FARM_TURBINES, "Wind Farm Name", "turbines", nullptr},
    {"Wind Farms", "Boundary Coordinates...", IDD_WIND_FARM_BOUNDARY, "Wind Farm Boundary", "boundary", nullptr},
    {"Wind Farms", "Find Wind Farm by Turbines...", IDD_FIND_WIND_FARM, "Find Wind Farm", "find-windfarm", nullptr},
    {"Wind Farms", "Find Wind Farm by Boundary...", IDD_FIND_WIND_FARM, "Find Wind Farm", "find-boundary", nullptr},
    {"Sea Areas", "Setup...", IDD_SEA_AREAS_SETUP, "Sea Areas", "sea-areas", nullptr},
};

// Progress dialogs end by themselves when their work is done; any other
// dialog is cancelled, as a user closing it does.
bool EndsByItself(UINT dialog) { return dialog == IDD_LOADING_WRECKS || dialog == IDD_LOADING_SHAPE; }

TEST(DesktopMenus, EachActionOpensItsExportsDialog) {
  for (const MenuCase& c : kMenuCases) {
    SCOPED_TRACE(std::string(c.menu) + " > " + c.action);
    DesktopHost host;
    if (c.prepare) c.prepare(host);
    std::vector<std::string> seen;
    std::optional<std::string> caption;
    platform::ui::ScopedAutomation hook([&](Driver& d) {
      if (d.Turn() != ModalTurn::Started) return;
      seen.push_back(std::to_string(d.TemplateId()) + " " + d.Caption());
      if (d.TemplateId() == c.dialog && !caption) {
        caption = d.Caption();
        host.Screenshot(d.Dialog(), c.screenshot);
      }
      if (!EndsByItself(d.TemplateId())) d.End(IDCANCEL);
    });
    host.Action(c.menu, c.action).trigger();
    ASSERT_TRUE(caption) << "dialogs seen: " << testing::PrintToString(seen);
    EXPECT_EQ(caption->rfind(c.caption, 0), 0u) << *caption;
  }
}

}  // namespace
