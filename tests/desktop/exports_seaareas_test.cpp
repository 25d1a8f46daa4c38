// The sea areas setup on screen through its export, beside the chart window
// it asks to redraw: each change a user makes reaches the host's areas, the
// settings file and the chart.

#include <gtest/gtest.h>

#include "desktop/DesktopSession.h"
#include "desktop/ExportScript.h"
#include "desktop/UserInput.h"
#include "desktop/WindowTreeCheck.h"
#include "frame/ConfigFile.h"
#include "frame/Exports.h"
#include "frame/MessageNames.h"
#include "platform/ui/RegisteredMessages.h"
#include "platform/ui/Toolkit.h"
#include "seaareas/SeaAreas.h"
#include "seaareas/SeaAreasResources.h"
#include "support/TestMachine.h"

namespace {

using desktop_test::DesktopSession;
using desktop_test::ExportScript;
using desktop_test::UserInput;

// The message map keeps a reference to the id it handles.
const UINT UM_REDRAW_CHART = platform::ui::RegisterWindowMessage(messages::kRedrawChart);

// The host's chart window, counting the redraws it is asked for.
class CRedrawCounter : public CWnd {
 public:
  const MessageMap& GetMessageMap() const override {
    using H = Handlers<CRedrawCounter>;
    static const MessageMap map(&CWnd::GetMessageMap(), {H::Registered(UM_REDRAW_CHART, &CRedrawCounter::OnRedraw)});
    return map;
  }
  LRESULT OnRedraw(WPARAM, LPARAM) { return ++redraws, 0; }
  int redraws = 0;
};

TEST(DesktopSeaAreas, EachChangeIsKeptSavedAndRedrawnInTheChartWindow) {
  testing_support::TestMachine machine;
  DesktopSession session;
  CSeaAreas seaAreas;
  for (const char* name : {"Viking", "Forties", "Dogger"}) seaAreas.areas.push_back({name, {}});
  seaAreas.label = 0;
  CRedrawCounter chart;
  chart.Create("chart", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 100), nullptr, 0);
  {
    ExportScript script(session, {{IDD_SEA_AREAS_SETUP,
                                   "sea_areas_setup",
                                   {[&](UserInput& user) {
                                      desktop_test::ExpectWidgetsMirrorWindows(session, chart);
                                      user.Click(IDC_SEA_AREAS_LABEL);
                                    },
                                    [](UserInput& user) { user.Choose(IDC_SEA_AREAS_COLOUR, "Dark Blue"); },
                                    [](UserInput& user) { user.Choose(IDC_SEA_AREAS_HIGHLIGHT, "Dogger"); },
                                    [&](UserInput& user) {
                                      EXPECT_EQ(chart.redraws, 3) << "a redraw at once for each change";
                                      user.Photograph("sea_areas_setup_chosen");
                                      user.Click(IDOK);
                                    }}}});
    EXPECT_TRUE(SeaAreasSetup(&chart, &seaAreas));
  }
  EXPECT_EQ(std::tuple(seaAreas.label, seaAreas.colour, seaAreas.activeArea), std::tuple(1, 0x800000u, 2));
  EXPECT_EQ(machine.Read(CConfigFile().GetFilePath(kSeaAreasSettingsGroup)).value_or("").substr(0, 16),
            "Active Area = 2\n");
}

}  // namespace
