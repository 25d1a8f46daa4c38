// The two wind farm settings files, byte for byte, and the settings dialog
// that edits both layers.

#include <gtest/gtest.h>

#include "frame/ConfigFile.h"
#include "frame/Exports.h"
#include "platform/ui/Automation.h"
#include "support/TestMachine.h"
#include "windfarm/TurbineList.h"
#include "windfarm/WindFarmBoundaryList.h"
#include "windfarm/WindFarmResources.h"

namespace {

using platform::ui::Driver;
using platform::ui::ModalTurn;
using platform::ui::ScopedAutomation;

std::optional<std::string> Saved(testing_support::TestMachine& machine, const char* group) {
  return machine.Read(CConfigFile().GetFilePath(group));
}

void SetLayer(CWindFarmLayer& layer, std::uint8_t display, std::uint8_t label, std::uint32_t colour, int index) {
  layer.display = display;
  layer.label = label;
  layer.colour = colour;
  layer.index = index;
}

// A flag is 1 only for a byte of exactly 1; colours are unsigned decimal.
TEST(WindFarmSettingsFiles, AreWrittenByteForByteAndReadBack) {
  const struct {
    std::uint8_t display, label;
    std::uint32_t colour;
    int index;
    const char *turbines, *boundaries;
  } rows[] = {
      {1, 0, 0x00FF0000, 0, "Display Turbines = 1\nLabel Turbines = 0\nColour Turbines = 16711680\nIndex = 0\n",
       "Display Boundary = 1\nLabel Wind Farm = 0\nColour Boundary = 16711680\nIndex = 0\n"},
      {2, 255, 0xFFFFFFFF, -3, "Display Turbines = 0\nLabel Turbines = 0\nColour Turbines = 4294967295\nIndex = -3\n",
       "Display Boundary = 0\nLabel Wind Farm = 0\nColour Boundary = 4294967295\nIndex = -3\n"},
  };
  for (const auto& r : rows) {
    testing_support::TestMachine machine;
    CTurbineList turbines;
    CWindFarmBoundaryList boundaries;
    SetLayer(turbines, r.display, r.label, r.colour, r.index);
    SetLayer(boundaries, r.display, r.label, r.colour, r.index);
    turbines.SaveSettings();
    boundaries.SaveSettings();
    EXPECT_EQ(Saved(machine, kTurbinesSettingsGroup), r.turbines);
    EXPECT_EQ(Saved(machine, kWindFarmBoundariesSettingsGroup), r.boundaries);
    EXPECT_TRUE(machine.Exists("C:\\MySettings\\Host\\Wind_Farm_Boundaries.INI"));

    CTurbineList back;
    back.LoadSettings();
    EXPECT_EQ(std::tuple(back.display, back.label, back.colour, back.index),
              std::tuple(r.display == 1, r.label == 1, r.colour, r.index));
  }
}

// What the dialog opens with, what the user does, and what each list holds
// afterwards; Cancel changes nothing and saves nothing.
TEST(WindFarmSettingsDialog, OpensWithTheListsAndSavesBothOnOk) {
  testing_support::TestMachine machine;
  CTurbineList turbines;
  CWindFarmBoundaryList boundaries;
  SetLayer(turbines, 2, 1, 0x123456, 4);  // not a standard colour: shows and saves black
  SetLayer(boundaries, 2, 0, 0x0000FF, 0);
  std::vector<std::string> opening;
  const auto open = [&](int button) {
    return ScopedAutomation([&, button](Driver& d) {
      if (d.Turn() != ModalTurn::Started) return;
      opening.clear();
      for (int id : {IDC_DISPLAY_BOUNDARY, IDC_LABEL_WIND_FARM, IDC_DISPLAY_TURBINES, IDC_LABEL_TURBINES})
        opening.push_back(d.IsChecked(id) ? "ticked" : "clear");
      for (int id : {IDC_BOUNDARY_COLOUR, IDC_TURBINE_COLOUR}) opening.push_back(d.Text(id));
      d.Click(IDC_LABEL_WIND_FARM);
      d.Click(IDC_DISPLAY_TURBINES);
      d.Click(button);
    });
  };
  {
    auto automation = open(IDCANCEL);
    EXPECT_FALSE(WindFarmSettings(&turbines, &boundaries));
  }
  EXPECT_EQ(turbines.display, 2);
  EXPECT_FALSE(machine.Exists(CConfigFile().GetFilePath(kTurbinesSettingsGroup)));
  {
    auto automation = open(IDOK);
    EXPECT_TRUE(WindFarmSettings(&turbines, &boundaries));
  }
  EXPECT_EQ(opening, (std::vector<std::string>{"ticked", "clear", "clear", "ticked", "Red", "Black"}));
  EXPECT_EQ(Saved(machine, kTurbinesSettingsGroup),
            "Display Turbines = 1\nLabel Turbines = 1\nColour Turbines = 0\nIndex = 4\n");
  EXPECT_EQ(Saved(machine, kWindFarmBoundariesSettingsGroup),
            "Display Boundary = 1\nLabel Wind Farm = 1\nColour Boundary = 255\nIndex = 0\n");
}

}  // namespace
