// The turbine table and the boundary corner table as the user sees them:
// headings, rows, caption, remarks, the farm choice and what it saves.

#include <gtest/gtest.h>

#include <cstdlib>

#include "WindFarmFixtures.h"
#include "frame/ConfigFile.h"
#include "frame/Exports.h"
#include "geodesy/DatumHolder.h"
#include "platform/ui/Automation.h"
#include "platform/ui/ListCtrl.h"
#include "windfarm/WindFarmResources.h"

namespace {

using namespace windfarm_fixtures;
using platform::ui::Driver;
using platform::ui::ModalTurn;
using platform::ui::ScopedAutomation;
using Texts = std::vector<std::string>;

// What the dialog shows when it opens.
struct Shown {
  std::string caption;
  Texts headings;
  Texts rows;
  std::string remarks;  // turbines: the remarks box; boundary: the description
  bool choiceVisible = false;
  std::string choice;
};

Texts Headings(Driver& d) {
  auto& list = d.ItemAs<CListCtrl>(IDC_WIND_FARM_LIST);
  Texts headings;
  for (int i = 0; i < list.GetColumnCount(); ++i) {
    HDITEM item;
    item.mask = HDI_TEXT;
    list.GetHeaderCtrl()->GetItem(i, &item);
    headings.push_back(item.pszText);
  }
  return headings;
}

Shown Read(Driver& d, int textId, int choiceId) {
  return {d.Caption(),    Headings(d),           d.Rows(IDC_WIND_FARM_LIST),
          d.Text(textId), d.IsVisible(choiceId), d.IsVisible(choiceId) ? d.Text(choiceId) : ""};
}

const Texts kTurbineHeadings = {"\nFeature", "\nStatus", "\nLatitude", "\nLongitude"};
const Texts kTurbineDetailHeadings = {"Blade\nRadius",
                                      "Nacelle Height\n(Cover Housing)\nMHWS",
                                      "Clear Height\nabove sea level\nMHWS",
                                      "Max Height\ninc blade\nMHWS",
                                      "Air\nObstruction\nLights",
                                      "Navigation\nLights",
                                      "Fog\nSignal"};

Texts Join(Texts a, const Texts& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

CTurbineList SampleTurbines() {
  TurbineDef known = Turbine("A01", 1, Degrees(2.5, 54.25), "Dogger Edge");
  known.bladeRadius = 75.5f, known.nacelleHeight = 110.25f, known.clearHeight = 35.0f, known.maximumHeight = 185.5f;
  known.airObstructionLights = "Fl R 2s", known.navigationLights = "Fl Y 5s", known.fogSignal = "Mo(U) 30s";
  TurbineDef unknown = Turbine("A02", 5, Degrees(-3.25, 53.5), "Dogger Edge");
  unknown.bladeRadius = 0, unknown.nacelleHeight = kHeightNotKnown, unknown.maximumHeight = 0.1f;
  return Turbines({{"Dogger Edge", {known, unknown}}, {"Moray Deep", {Turbine("B01", 2, {}, "Moray Deep")}}});
}

// The table with and without grid columns: heights tidied, unknown ones
// empty, status 5 empty; easting and northing to the millimetre, within
// 2 mm of PROJ's +proj=utm +zone=31 (the series stay within 1 mm this near
// the central meridian, and the text rounds to 0.5 mm).
TEST(TurbinesDialog, ShowsTheChosenFarmWithAndWithoutAGrid) {
  for (const bool grid : {false, true}) {
    SCOPED_TRACE(grid ? "UTM zone 31" : "no datum");
    datum_holder::Holder holder;
    ASSERT_TRUE(holder.Select(31, 0, 0, 0, 0));
    CTurbineList turbines = SampleTurbines();
    turbines.index = 1;
    Shown shown;
    ScopedAutomation automation([&](Driver& d) {
      if (d.Turn() != ModalTurn::Started) return;
      shown = Read(d, IDC_TURBINE_REMARKS, IDC_TURBINE_FARM_CHOICE);
      d.Click(IDOK);
    });
    EXPECT_TRUE(TurbineProperties(&turbines, grid ? holder.datum.get() : nullptr, false));
    EXPECT_EQ(shown.caption, "Dogger Edge Wind Farm (Phase 1)");
    EXPECT_EQ(shown.remarks, "Remarks of A01");
    EXPECT_FALSE(shown.choiceVisible);
    const Texts headings = grid ? Join(kTurbineHeadings, {"\nEasting", "\nNorthing"}) : kTurbineHeadings;
    EXPECT_EQ(shown.headings, Join(headings, kTurbineDetailHeadings));
    ASSERT_EQ(shown.rows.size(), 2u);
    if (!grid) {
      EXPECT_EQ(shown.rows[0],
                "A01\tLive\t54\xB0 15'.0000N\t002\xB0 30'.0000E\t75.5\t110.25\t35\t185.5\tFl R 2s\t"
                "Fl Y 5s\tMo(U) 30s");
      EXPECT_EQ(shown.rows[1], "A02\t\t53\xB0 30'.0000N\t003\xB0 15'.0000W\t\t\t\t0.1\t\t\t");
    } else {
      std::vector<std::string> cells;
      for (std::size_t start = 0, tab = 0; tab != std::string::npos; start = tab + 1)
        cells.push_back(shown.rows[0].substr(start, (tab = shown.rows[0].find('\t', start)) - start));
      EXPECT_NEAR(std::atof(cells[4].c_str()), 467422.0488, 0.002);
      EXPECT_NEAR(std::atof(cells[5].c_str()), 6011452.7287, 0.002);
      EXPECT_EQ(cells[6], "75.5");
    }
  }
}

// Index 0 shows nothing; choosing a farm (case ignored) shows it, becomes
// the list's chosen farm and is saved; a click shows a row's remarks.
TEST(TurbinesDialog, TheFarmChoiceFillsTheTableAndIsSaved) {
  testing_support::TestMachine machine;
  CTurbineList turbines = SampleTurbines();
  Shown before, after;
  std::string clickedRemarks;
  Texts choices;
  ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() != ModalTurn::Started) return;
    before = Read(d, IDC_TURBINE_REMARKS, IDC_TURBINE_FARM_CHOICE);
    choices = d.Rows(IDC_TURBINE_FARM_CHOICE);
    d.Choose(IDC_TURBINE_FARM_CHOICE, "Dogger Edge");
    after = Read(d, IDC_TURBINE_REMARKS, IDC_TURBINE_FARM_CHOICE);
    d.DoubleClickRow(IDC_WIND_FARM_LIST, 1);
    clickedRemarks = d.Text(IDC_TURBINE_REMARKS);
    d.Click(IDOK);
  });
  EXPECT_TRUE(TurbineProperties(&turbines, nullptr, true));
  EXPECT_EQ(std::tuple(before.caption, before.rows.size(), before.remarks, before.choiceVisible, before.choice),
            std::tuple("Wind Farm Name", 0u, "", true, ""));
  EXPECT_EQ(choices, (Texts{"", "Dogger Edge", "Moray Deep"}));
  EXPECT_EQ(std::tuple(after.caption, after.rows.size()), std::tuple("Dogger Edge Wind Farm (Phase 1)", 2u));
  EXPECT_EQ(clickedRemarks, "Remarks of A02");
  EXPECT_EQ(turbines.index, 1);
  EXPECT_TRUE(machine.Read(CConfigFile().GetFilePath(kTurbinesSettingsGroup)).value_or("").ends_with("\nIndex = 1\n"));
}

// The corner table: numbered corners, grid columns only with a grid; the
// choice opens on the chosen farm's name, and a choice is saved.
TEST(BoundaryDialog, ShowsTheCornersOfTheChosenFarm) {
  const struct {
    int index;
    bool grid;
    bool choose;  // offer the farms and choose the first
    Shown shown;
    int savedIndex;
  } rows[] = {
      {0, false, false, {"Wind Farm Boundary", {"Index", "Latitude", "Longitude"}, {}, "", false, ""}, 0},
      {2,
       true,
       true,
       {"Wind Farm : Moray Deep",
        {"Index", "Latitude", "Longitude", "Easting", "Northing"},
        {},
        "Moray Deep offshore array",
        true,
        "Moray Deep"},
       1},
      {1,
       false,
       false,
       {"Wind Farm : Dogger Edge",
        {"Index", "Latitude", "Longitude"},
        {"1\t54\xB0 12'.0000N\t002\xB0 24'.0000E", "2\t54\xB0 12'.0000N\t002\xB0 36'.0000E",
         "3\t54\xB0 18'.0000N\t002\xB0 36'.0000E"},
        "Dogger Edge offshore array",
        false,
        ""},
       1},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.index);
    datum_holder::Holder holder;
    ASSERT_TRUE(holder.Select(31, 0, 0, 0, 0));
    CWindFarmBoundaryList boundaries = Boundaries({"Dogger Edge", "Moray Deep"});
    boundaries.index = r.index;
    Shown shown;
    ScopedAutomation automation([&](Driver& d) {
      if (d.Turn() != ModalTurn::Started) return;
      shown = Read(d, IDC_BOUNDARY_DESCRIPTION, IDC_BOUNDARY_FARM_CHOICE);
      if (r.choose) d.ChooseIndex(IDC_BOUNDARY_FARM_CHOICE, 1);
      d.Click(IDOK);
    });
    WindFarmBoundaryCoordinates(&boundaries, r.grid ? holder.datum.get() : nullptr, r.choose);
    EXPECT_EQ(shown.caption, r.shown.caption);
    EXPECT_EQ(shown.headings, r.shown.headings);
    EXPECT_EQ(r.grid ? Texts(shown.rows.size()) : shown.rows, r.grid ? Texts(3) : r.shown.rows);
    EXPECT_EQ(shown.remarks, r.shown.remarks);
    EXPECT_EQ(std::pair(shown.choiceVisible, shown.choice), std::pair(r.shown.choiceVisible, r.shown.choice));
    EXPECT_EQ(boundaries.index, r.savedIndex);
    EXPECT_EQ(holder.machine.Exists(CConfigFile().GetFilePath(kWindFarmBoundariesSettingsGroup)), r.choose);
  }
}

}  // namespace
