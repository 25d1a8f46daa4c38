// overlays seaareas [--draw on|off] [--label on|off] [--colour NAME]
// [--highlight AREA] [--highlight-colour NAME] [--geojson]: the host's sea
// areas, with the display options it saved last, in the module's setup
// dialog. The dialog's boxes and lists are worked as a user would and what
// it then shows is printed, with the redraws it asked of the host's chart
// and the settings it saved; or the areas as GeoJSON polygons.

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>

#include "GeoJson.h"
#include "Host.h"
#include "SeaAreaOutlines.h"
#include "frame/ConfigFile.h"
#include "frame/Exports.h"
#include "frame/FormatText.h"
#include "frame/MessageNames.h"
#include "platform/ui/Automation.h"
#include "platform/ui/RegisteredMessages.h"
#include "platform/ui/Wnd.h"
#include "seaareas/SeaAreasResources.h"

namespace host {
namespace {

using platform::ui::Driver;
using platform::ui::ModalTurn;

const UINT UM_SEA_AREAS_REDRAW = platform::ui::RegisterWindowMessage(messages::kRedrawChart);

// The host's chart window: it counts the redraws it is asked for.
class CSeaAreasChart : public CWnd {
 public:
  const MessageMap& GetMessageMap() const override {
    using H = Handlers<CSeaAreasChart>;
    static const MessageMap map(&CWnd::GetMessageMap(),
                                {H::Registered(UM_SEA_AREAS_REDRAW, &CSeaAreasChart::OnRedrawChart)});
    return map;
  }
  LRESULT OnRedrawChart(WPARAM, LPARAM) { return ++redraws, 0; }
  int redraws = 0;
};

struct SeaAreasRequest {
  std::optional<bool> draw, label;
  std::optional<std::string> colour, highlight, highlightColour;
  bool geojson = false;
};

// "#RRGGBB" of a Windows colour value (0x00BBGGRR).
std::string HexColour(std::uint32_t colour) {
  return FormatText("#%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

// A box is clicked only when it must change, as a user would.
void SetBox(Driver& d, int id, const std::optional<bool>& wanted) {
  if (wanted && d.IsChecked(id) != *wanted) d.Click(id);
}

void ChooseEntry(Driver& d, int id, const std::optional<std::string>& entry, const char* what) {
  if (!entry) return;
  const auto rows = d.Rows(id);
  if (std::find(rows.begin(), rows.end(), In(*entry)) == rows.end()) {
    std::string offered;
    for (const std::string& row : rows) offered += (offered.empty() ? "" : ", ") + Out(row);
    throw CommandError("there is no " + std::string(what) + " '" + *entry + "'; the dialog offers: " + offered);
  }
  if (d.Text(id) != In(*entry)) d.Choose(id, In(*entry));
}

void PrintDialog(const Driver& d) {
  std::cout << "Draw Boundaries: " << (d.IsChecked(IDC_SEA_AREAS_DISPLAY) ? "on" : "off") << "\n"
            << "Label: " << (d.IsChecked(IDC_SEA_AREAS_LABEL) ? "on" : "off") << "\n"
            << "Boundary: " << Out(d.Text(IDC_SEA_AREAS_COLOUR)) << "\n"
            << "Highlight: " << Out(d.Text(IDC_SEA_AREAS_HIGHLIGHT)) << " in "
            << Out(d.Text(IDC_SEA_AREAS_ACTIVE_COLOUR)) << "\n";
}

void PrintSavedSettings() {
  const std::string path = CConfigFile().GetFilePath(kSeaAreasSettingsGroup);
  std::cout << "settings saved in " << HostPathText(path) << ":\n";
  CConfigFile file;
  if (!file.OpenRead(kSeaAreasSettingsGroup)) return;
  for (std::string line; file.ReadLine(line);) std::cout << "  " << Out(line) << "\n";
}

// Posted redraws reach the chart on the dialog's next turn, so the dialog
// is closed only then.
void WorkSetup(CSeaAreas& seaAreas, const SeaAreasRequest& request) {
  CSeaAreasChart chart;
  chart.Create("Chart", WS_POPUP, CRect(0, 0, 800, 600), nullptr, 0);
  bool worked = false;
  platform::ui::ScopedAutomation automation([&](Driver& d) {
    if (worked) {
      PrintDialog(d);
      return d.Click(IDOK);
    }
    worked = true;
    SetBox(d, IDC_SEA_AREAS_DISPLAY, request.draw);
    SetBox(d, IDC_SEA_AREAS_LABEL, request.label);
    ChooseEntry(d, IDC_SEA_AREAS_COLOUR, request.colour, "colour");
    ChooseEntry(d, IDC_SEA_AREAS_HIGHLIGHT, request.highlight, "sea area");
    ChooseEntry(d, IDC_SEA_AREAS_ACTIVE_COLOUR, request.highlightColour, "colour");
  });
  if (!SeaAreasSetup(&chart, &seaAreas)) throw CommandError("the sea areas dialog did not end with OK");
  std::cout << "redraws asked of the chart: " << chart.redraws << "\n";
  if (chart.redraws > 0) PrintSavedSettings();
}

void PrintGeoJson(const CSeaAreas& seaAreas) {
  std::vector<geojson::Json> features;
  for (std::size_t i = 0; i < seaAreas.areas.size(); ++i) {
    const SeaAreaDef& area = seaAreas.areas[i];
    const bool highlighted = static_cast<std::size_t>(seaAreas.activeArea) == i;
    features.push_back(geojson::Feature(
        geojson::Polygon(area.outline),
        {{"name", Out(area.name)},
         {"highlighted", highlighted},
         {"colour", HexColour(highlighted ? seaAreas.activeColour : seaAreas.colour)}}));
  }
  geojson::PrintCollection(std::cout, features);
}

void RunSeaAreas(const SeaAreasRequest& request) {
  CSeaAreas seaAreas;
  FillSeaAreas(seaAreas);
  seaAreas.LoadSettings();
  if (request.geojson) return PrintGeoJson(seaAreas);
  WorkSetup(seaAreas, request);
}

}  // namespace

void AddSeaAreasCommand(CLI::App& app, const Options&) {
  static SeaAreasRequest request;
  auto* cmd = app.add_subcommand(
      "seaareas",
      "The 31 weather-forecast sea areas in the module's setup dialog: set what is given as a user would, "
      "print what the dialog then shows, the redraws it asked of the chart and the settings it saved");
  const auto onOff = CLI::IsMember({"on", "off"});
  static std::optional<std::string> draw, label;
  cmd->add_option("--draw", draw, "Draw the boundaries: on or off")->check(onOff);
  cmd->add_option("--label", label, "Label the areas: on or off")->check(onOff);
  cmd->add_option("--colour", request.colour, "The boundary colour, by its name in the dialog (\"Dark Blue\")");
  cmd->add_option("--highlight", request.highlight, "The area to highlight, by name, or \"Not Selected\"");
  cmd->add_option("--highlight-colour", request.highlightColour, "The highlighted area's colour, by name");
  cmd->add_flag("--geojson", request.geojson,
                "Print the areas as GeoJSON polygons (with the saved colours and highlight) instead");
  cmd->callback([] {
    if (draw) request.draw = *draw == "on";
    if (label) request.label = *label == "on";
    RunSeaAreas(request);
  });
}

}  // namespace host
