// The wind farm dialogs on screen through their exports: the settings, the
// turbine and corner tables, the farm finder with its error box, and the
// install splashes in turn, each worked with Qt's mouse and keys and its
// result checked as the headless tests do.

#include <gtest/gtest.h>

#include "desktop/DesktopSession.h"
#include "desktop/ExportScript.h"
#include "desktop/UserInput.h"
#include "frame/ConfigFile.h"
#include "frame/Exports.h"
#include "kml/KmzArchive.h"
#include "platform/ui/Automation.h"
#include "platform/ui/MessageBox.h"
#include "support/TestMachine.h"
#include "windfarm/WindFarmResources.h"
#include "windfarms/WindFarmFixtures.h"
#include "wrecks/WreckResources.h"

namespace {

using desktop_test::DesktopSession;
using desktop_test::DialogStep;
using desktop_test::ExportScript;
using desktop_test::UserInput;
using namespace windfarm_fixtures;

CTurbineList TwoFarms() {
  return Turbines(
      {{"Dogger Edge",
        {Turbine("A01", 1, Degrees(2.5, 54.25), "Dogger Edge"), Turbine("A02", 2, Degrees(2.6, 54.3), "Dogger Edge")}},
       {"Moray Deep", {Turbine("B01", 3, Degrees(-3, 58), "Moray Deep")}}});
}

class DesktopWindFarms : public testing::Test {
 protected:
  std::string Saved(const char* group) const { return machine.Read(CConfigFile().GetFilePath(group)).value_or(""); }
  testing_support::TestMachine machine;
  DesktopSession session;
  CTurbineList turbines = TwoFarms();
  CWindFarmBoundaryList boundaries = Boundaries({"Dogger Edge", "Moray Deep"});
};

// Escape after the changes keeps the lists as they were and saves nothing;
// OK after the same changes keeps them and saves both layers.
TEST_F(DesktopWindFarms, TheSettingsKeepAndSaveTheChangesOnlyAtOk) {
  const struct {
    const char* name;
    DialogStep::Action end;
    bool ok;
  } endings[] = {
      {"wind_farm_layers_escape", [](UserInput& user) { user.PressKey(IDC_DISPLAY_TURBINES, Qt::Key_Escape); }, false},
      {"wind_farm_layers_ok", [](UserInput& user) { user.Click(IDOK); }, true},
  };
  for (const auto& ending : endings) {
    SCOPED_TRACE(ending.name);
    CTurbineList layerTurbines = TwoFarms();
    CWindFarmBoundaryList layerBoundaries = Boundaries({"Dogger Edge"});
    layerBoundaries.label = 0;
    {
      ExportScript script(session,
                          {{IDD_WIND_FARM_SETTINGS,
                            ending.name,
                            {[](UserInput& user) {
                               user.Click(IDC_LABEL_WIND_FARM);
                               user.Click(IDC_DISPLAY_TURBINES);
                               user.Choose(IDC_BOUNDARY_COLOUR, "Dark Blue");
                             },
                             [](UserInput& user) { user.Photograph("wind_farm_layers_chosen"); }, ending.end}}});
      EXPECT_EQ(WindFarmSettings(&layerTurbines, &layerBoundaries), ending.ok);
    }
    if (!ending.ok) {
      EXPECT_EQ(std::tuple(layerBoundaries.label, layerBoundaries.colour, layerTurbines.display), std::tuple(0, 0u, 1));
      EXPECT_EQ(Saved(kWindFarmBoundariesSettingsGroup) + Saved(kTurbinesSettingsGroup), "");
      continue;
    }
    EXPECT_EQ(std::tuple(layerBoundaries.label, layerBoundaries.colour, layerTurbines.display),
              std::tuple(1, 0x800000u, 0));
    EXPECT_EQ(Saved(kWindFarmBoundariesSettingsGroup),
              "Display Boundary = 1\nLabel Wind Farm = 1\nColour Boundary = 8388608\nIndex = 0\n");
    EXPECT_EQ(Saved(kTurbinesSettingsGroup),
              "Display Turbines = 0\nLabel Turbines = 1\nColour Turbines = 0\nIndex = 0\n");
  }
}

TEST_F(DesktopWindFarms, TheFarmChosenInATableFillsItAndIsKept) {
  std::string remarks;
  {
    ExportScript script(session, {{IDD_WIND_FARM_TURBINES,
                                   "wind_farm_turbines",
                                   {[](UserInput& user) { user.Choose(IDC_TURBINE_FARM_CHOICE, "Dogger Edge"); },
                                    [](UserInput& user) {
                                      EXPECT_EQ(user.ShownRows(IDC_WIND_FARM_LIST), 2);
                                      user.Photograph("wind_farm_turbines_rows");
                                      user.ClickCell(IDC_WIND_FARM_LIST, 1, 0, true);
                                    },
                                    [&](UserInput& user) {
                                      remarks = user.Read().Text(IDC_TURBINE_REMARKS);
                                      user.Click(IDOK);
                                    }}}});
    EXPECT_TRUE(TurbineProperties(&turbines, nullptr, true));
  }
  EXPECT_EQ(remarks, "Remarks of A02");
  EXPECT_EQ(turbines.index, 1);
  {
    ExportScript script(session, {{IDD_WIND_FARM_BOUNDARY,
                                   "wind_farm_boundary",
                                   {[](UserInput& user) { user.Choose(IDC_BOUNDARY_FARM_CHOICE, "Moray Deep"); },
                                    [](UserInput& user) {
                                      EXPECT_EQ(user.Read().Rows(IDC_WIND_FARM_LIST).size(), 3u);
                                      EXPECT_EQ(user.Read().Text(IDC_BOUNDARY_DESCRIPTION),
                                                "Moray Deep offshore array");
                                      user.Photograph("wind_farm_boundary_rows");
                                      user.Click(IDOK);
                                    }}}});
    WindFarmBoundaryCoordinates(&boundaries, nullptr, true);
  }
  EXPECT_EQ(boundaries.index, 2);
  EXPECT_TRUE(Saved(kWindFarmBoundariesSettingsGroup).ends_with("Index = 2\n"));
}

TEST_F(DesktopWindFarms, TheFinderCentresOnTheClickedFarmAndAnEmptyListGetsItsErrorBox) {
  tagXY point{7, 7};
  {
    ExportScript script(session, {{IDD_FIND_WIND_FARM,
                                   "find_wind_farm",
                                   {[](UserInput& user) { user.ClickCell(IDC_WIND_FARM_LIST, 2); },
                                    [](UserInput& user) { user.Click(IDOK); }}}});
    EXPECT_TRUE(FindWindFarm(&boundaries, point));
  }
  EXPECT_EQ(boundaries.index, 2);
  EXPECT_NEAR(point.x, Degrees(3.5, 0).x, 1e-12);
  std::string shown;
  CTurbineList none;
  {
    ExportScript script(session, {{0, "no_turbines_box", {[&](UserInput& user) {
                                     shown = user.Read().Text(CMessageBox::kTextId);
                                     user.Click(IDOK);
                                   }}}});
    EXPECT_FALSE(FindWindFarm(&none, point));
  }
  EXPECT_EQ(shown, "No Turbines Loaded");
}

// InstallOverlays offers the wreck package first, then the farms'; the
// farms' package accepted is unpacked and filed, the declined wreck
// package stays to be offered again.
TEST_F(DesktopWindFarms, TheInstallSplashesComeInTurnAndOnlyTheAcceptedPackageIsInstalled) {
  testing_support::WriteKmz(machine.Host("C:\\Navlore Download\\Farms.WFZ"), {{"turbines.geojson", "{}"}});
  testing_support::WriteKmz(machine.Host("C:\\Navlore Download\\w.WKZ"), {{"w.WRK", ""}});
  {
    ExportScript script(session,
                        {{IDD_WRECK_SPLASH, "overlays_install_wrecks", {[](UserInput& user) { user.Click(IDCANCEL); }}},
                         {IDD_WIND_FARM_SPLASH, "wind_farm_install", {[](UserInput& user) {
                            EXPECT_EQ(user.Read().Caption(), "Windfarm Install");
                            user.Click(IDOK);
                          }}}});
    InstallOverlays();
  }
  EXPECT_TRUE(machine.Exists("C:\\MyData\\WindFarms\\turbines.geojson"));
  EXPECT_TRUE(machine.Exists("C:\\Navlore Download\\Installed\\Farms.WFZ"));
  EXPECT_TRUE(machine.Exists("C:\\Navlore Download\\w.WKZ"));
}

}  // namespace
