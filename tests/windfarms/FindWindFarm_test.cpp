// Finding a farm by name in either list, and installing the wind farm
// package.

#include <gtest/gtest.h>

#include "WindFarmFixtures.h"
#include "frame/ConfigFile.h"
#include "frame/Exports.h"
#include "kml/KmzArchive.h"
#include "platform/ui/Automation.h"
#include "platform/ui/MessageBox.h"
#include "support/TestMachine.h"
#include "windfarm/WindFarmResources.h"
#include "wrecks/WreckResources.h"

namespace {

using namespace windfarm_fixtures;
using platform::ui::Driver;
using platform::ui::ModalTurn;
using platform::ui::ScopedAutomation;
using Texts = std::vector<std::string>;

CTurbineList SampleTurbines() {
  return Turbines(
      {{"moray", {Turbine("M1", 1, Degrees(-2, 58), "moray")}},
       {"Beacon",
        {Turbine("B1", 1, Degrees(1, 53), "Beacon"), Turbine("B2", 1, Degrees(1.5, 53.4), "Beacon"),
         Turbine("B3", 1, Degrees(1.2, 53.1), "Beacon")}},
       {"Anchor", {}},
       {"Moray", {Turbine("M2", 1, Degrees(-2.5, 58.5), "Moray"), Turbine("M3", 1, Degrees(-2.5, 58.5), "Moray")}}});
}

// How the user leaves the dialog: the name selected, then Find, a
// double-click, or Cancel; a double-click that finds nothing leaves the
// dialog open, and Cancel then closes it.
enum class Action { Find, DoubleClick, Cancel };

struct Outcome {
  Texts names;
  bool found = false;
  tagXY point{-1, -1};
  int index = 0;
  std::optional<std::string> saved;
};

template <class List>
Outcome Pick(List list, const char* name, Action action) {
  testing_support::TestMachine machine;
  Outcome outcome;
  ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() != ModalTurn::Started) return d.Click(IDCANCEL);
    outcome.names = d.Rows(IDC_WIND_FARM_LIST);
    if (name) d.Choose(IDC_WIND_FARM_LIST, name);
    if (action == Action::Find) d.Click(IDOK);
    if (action == Action::DoubleClick)
      d.DoubleClickRow(IDC_WIND_FARM_LIST, std::max(0, d.Selection(IDC_WIND_FARM_LIST)));
    if (action == Action::Cancel) d.Click(IDCANCEL);
  });
  outcome.found = FindWindFarm(&list, outcome.point);
  outcome.index = list.index;
  outcome.saved = machine.Read(CConfigFile().GetFilePath(
      std::is_same_v<List, CTurbineList> ? kTurbinesSettingsGroup : kWindFarmBoundariesSettingsGroup));
  return outcome;
}

// Names are sorted with the placeholder's empty name first; a match is
// exact, so "Moray" and "moray" are different farms. A turbine farm gives
// the middle of its turbines' box (one shared position gives that
// position), a farm without turbines leaves the point as it was.
TEST(FindWindFarm, TurbineFarms) {
  const struct {
    const char* name;
    Action action;
    bool found;
    tagXY point;
    int index;
  } rows[] = {
      {"Beacon", Action::Find, true, Degrees(1.25, 53.2), 2},
      {"Moray", Action::DoubleClick, true, Degrees(-2.5, 58.5), 4},
      {"moray", Action::Find, true, Degrees(-2, 58), 1},
      {"Anchor", Action::Find, true, {-1, -1}, 3},
      {"Beacon", Action::Cancel, false, {-1, -1}, 0},
      {nullptr, Action::Find, false, {-1, -1}, 0},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name ? r.name : "nothing selected");
    const Outcome o = Pick(SampleTurbines(), r.name, r.action);
    EXPECT_EQ(o.names, (Texts{"", "Anchor", "Beacon", "moray", "Moray"}));
    EXPECT_EQ(o.found, r.found);
    EXPECT_NEAR(o.point.x, r.point.x, 1e-12);
    EXPECT_NEAR(o.point.y, r.point.y, 1e-12);
    EXPECT_EQ(o.index, r.index);
    EXPECT_EQ(o.saved.has_value(), r.found);
    if (r.found) {
      EXPECT_EQ(o.saved->substr(o.saved->rfind("Index")), "Index = " + std::to_string(r.index) + "\n");
    }
  }
}

// A boundary farm gives its centre; the placeholder is found too.
TEST(FindWindFarm, BoundaryFarms) {
  const Outcome found = Pick(Boundaries({"Dogger Edge", "Moray Deep"}), "Moray Deep", Action::DoubleClick);
  EXPECT_EQ(found.names, (Texts{"", "Dogger Edge", "Moray Deep"}));
  EXPECT_TRUE(found.found);
  EXPECT_NEAR(found.point.x, Degrees(3.5, 0).x, 1e-12);
  EXPECT_EQ(found.index, 2);
  const Outcome placeholder = Pick(Boundaries({"Dogger Edge"}), "", Action::Find);
  EXPECT_TRUE(placeholder.found);
  EXPECT_EQ(std::tuple(placeholder.point.x, placeholder.point.y, placeholder.index), std::tuple(0.0, 0.0, 0));
}

// Lists without farms get the error box and no dialog.
TEST(FindWindFarm, EmptyListsShowTheirErrorBox) {
  testing_support::TestMachine machine;
  Texts shown;
  ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() != ModalTurn::Started) return;
    shown.push_back(d.Text(CMessageBox::kTextId));
    d.Click(IDOK);
  });
  CTurbineList turbines;
  CWindFarmBoundaryList boundaries;
  tagXY point{7, 7};
  EXPECT_FALSE(FindWindFarm(&turbines, point));
  EXPECT_FALSE(FindWindFarm(&boundaries, point));
  EXPECT_EQ(shown, (Texts{"No Turbines Loaded", "No Wind Farm Boundaries Loaded"}));
  EXPECT_EQ(std::pair(point.x, point.y), std::pair(7.0, 7.0));
}

// InstallOverlays offers the wreck package, then the wind farm package;
// an accepted one is unpacked into WindFarms and filed, a declined one
// stays and is offered again.
TEST(InstallWindFarms, AcceptedIsUnpackedDeclinedIsOfferedAgain) {
  for (const int button : {IDOK, IDCANCEL}) {
    testing_support::TestMachine machine;
    const std::string wfz = "C:\\Navlore Download\\Farms.WFZ";
    testing_support::WriteKmz(machine.Host(wfz), {{"turbines.geojson", "{}"}});
    testing_support::WriteKmz(machine.Host("C:\\Navlore Download\\w.WKZ"), {{"w.WRK", ""}});
    std::vector<UINT> offered;
    Texts buttons;
    ScopedAutomation automation([&](Driver& d) {
      if (d.Turn() != ModalTurn::Started) return;
      offered.push_back(d.TemplateId());
      if (d.TemplateId() == IDD_WIND_FARM_SPLASH) buttons = {d.Caption(), d.Text(IDOK), d.Text(IDCANCEL)};
      d.Click(d.TemplateId() == IDD_WIND_FARM_SPLASH ? button : IDCANCEL);
    });
    InstallOverlays();
    EXPECT_EQ(offered, (std::vector<UINT>{IDD_WRECK_SPLASH, IDD_WIND_FARM_SPLASH}));
    EXPECT_EQ(buttons, (Texts{"Windfarm Install", "Accept", "Decline"}));
    EXPECT_EQ(machine.Exists("C:\\MyData\\WindFarms\\turbines.geojson"), button == IDOK);
    EXPECT_EQ(machine.Exists(wfz), button == IDCANCEL);
    EXPECT_EQ(machine.Exists("C:\\Navlore Download\\Installed\\Farms.WFZ"), button == IDOK);
  }
}

}  // namespace
