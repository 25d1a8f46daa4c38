// The sea areas setup worked as a user works it: every change stored in the
// host's object, saved in the settings file and a redraw asked of the
// chart window at once, also when the dialog then ends with Cancel.

#include "seaareas/SeaAreasSetupDlg.h"

#include <gtest/gtest.h>

#include "frame/ConfigFile.h"
#include "frame/Exports.h"
#include "frame/MessageNames.h"
#include "platform/ui/Automation.h"
#include "platform/ui/RegisteredMessages.h"
#include "seaareas/SeaAreasResources.h"
#include "support/TestMachine.h"

namespace {

using platform::ui::Driver;
using platform::ui::ModalTurn;
using platform::ui::ScopedAutomation;

const UINT UM_REDRAW_CHART = platform::ui::RegisterWindowMessage(messages::kRedrawChart);

// The host's chart: it counts the redraws it is asked for.
class CChartWindow : public CWnd {
 public:
  const MessageMap& GetMessageMap() const override {
    using H = Handlers<CChartWindow>;
    static const MessageMap map(&CWnd::GetMessageMap(), {H::Registered(UM_REDRAW_CHART, &CChartWindow::OnRedraw)});
    return map;
  }
  LRESULT OnRedraw(WPARAM, LPARAM) { return ++redraws, 0; }
  int redraws = 0;
};

class SeaAreasSetupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"Viking", "Forties", "Dogger"}) seaAreas.areas.push_back({name, {}});
    seaAreas.activeArea = 1;
    seaAreas.label = 0;
    seaAreas.showWeather = 2;   // not exactly 1: saved as 0
    seaAreas.colour = 0x123456;  // not a standard colour: the picker shows the first
    chart.Create("chart", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0);
  }

  std::optional<std::string> SavedSettings() const {
    return machine.Read(CConfigFile().GetFilePath(kSeaAreasSettingsGroup));
  }

  testing_support::TestMachine machine;
  CSeaAreas seaAreas;
  CChartWindow chart;
};

TEST_F(SeaAreasSetupTest, EveryChangeIsStoredSavedAndRedrawnAndCancelKeepsThem) {
  std::vector<std::string> opening;
  // The redraws posted meanwhile arrive on the loop's next turn.
  ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() != ModalTurn::Started) return d.Click(IDCANCEL);
    opening = d.Rows(IDC_SEA_AREAS_HIGHLIGHT);
    for (int id : {IDC_SEA_AREAS_HIGHLIGHT, IDC_SEA_AREAS_COLOUR, IDC_SEA_AREAS_ACTIVE_COLOUR})
      opening.push_back(d.Text(id));
    opening.push_back(d.IsChecked(IDC_SEA_AREAS_DISPLAY) ? "display" : "no display");
    opening.push_back(d.IsChecked(IDC_SEA_AREAS_LABEL) ? "label" : "no label");
    d.Click(IDC_SEA_AREAS_LABEL);
    d.Choose(IDC_SEA_AREAS_COLOUR, "Dark Blue");
    d.Choose(IDC_SEA_AREAS_HIGHLIGHT, "Not Selected");
    d.Choose(IDC_SEA_AREAS_ACTIVE_COLOUR, "Green");
    d.Click(IDC_SEA_AREAS_DISPLAY);
  });
  EXPECT_FALSE(SeaAreasSetup(&chart, &seaAreas));
  EXPECT_EQ(opening, (std::vector<std::string>{"Not Selected", "Viking", "Forties", "Dogger", "Forties", "Black",
                                               "Red", "display", "no label"}));
  EXPECT_EQ(std::tuple(seaAreas.display, seaAreas.label, seaAreas.showWeather, seaAreas.activeArea),
            std::tuple(0, 1, 2, -1));
  EXPECT_EQ(std::pair(seaAreas.colour, seaAreas.activeColour), std::pair(0x800000u, 0x00FF00u));
  EXPECT_EQ(SavedSettings(),
            "Active Area = -1\nDisplay = 0\nLabel = 1\nShow Weather = 0\nColour = 8388608\nActive Colour = 65280\n");
  EXPECT_EQ(chart.redraws, 5);

  CSeaAreas restored;
  restored.LoadSettings();
  EXPECT_EQ(std::tuple(restored.activeArea, restored.display, restored.label, restored.colour, restored.activeColour),
            std::tuple(-1, 0, 1, 0x800000u, 0x00FF00u));
}

// Without a chart window the changes are still stored and saved.
TEST_F(SeaAreasSetupTest, WithoutAWindowChangesAreStillSaved) {
  ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() != ModalTurn::Started) return;
    d.Choose(IDC_SEA_AREAS_HIGHLIGHT, "Dogger");
    d.Click(IDOK);
  });
  EXPECT_TRUE(SeaAreasSetup(nullptr, &seaAreas));
  EXPECT_EQ(seaAreas.activeArea, 2);
  EXPECT_EQ(SavedSettings().value_or("").substr(0, 16), "Active Area = 2\n");
  EXPECT_EQ(chart.redraws, 0);
}

}  // namespace
