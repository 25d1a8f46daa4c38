// overlays windfarms settings|find: the wind farm settings dialog and the
// farm finder, worked through the automation hook on the host's lists
// (the installed sample or package, with the saved settings read back).
// Each prints what its dialog shows, what was done in it, and the settings
// files the module wrote. The turbine and boundary tables are in
// WindFarmsTablesCommand.cpp.

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "Host.h"
#include "WindFarmHost.h"
#include "frame/Exports.h"
#include "geodesy/angle/AngleText.h"
#include "geodesy/angle/AngleUnits.h"
#include "platform/ui/Automation.h"
#include "platform/ui/MessageBox.h"
#include "windfarm/WindFarmResources.h"

namespace host {
namespace {

using platform::ui::Driver;
using platform::ui::ModalTurn;

// One check box or colour picker of the settings dialog and the option
// that sets it.
struct SettingsControl {
  int id;
  const char* label;
  const char* option;
  bool colour;
};

const SettingsControl kSettingsControls[] = {
    {IDC_DISPLAY_BOUNDARY, "Display Boundary", "--boundaries", false},
    {IDC_LABEL_WIND_FARM, "Label Name", "--boundary-labels", false},
    {IDC_BOUNDARY_COLOUR, "Boundary colour", "--boundary-colour", true},
    {IDC_DISPLAY_TURBINES, "Display Turbines", "--turbines", false},
    {IDC_LABEL_TURBINES, "Label Turbine", "--turbine-labels", false},
    {IDC_TURBINE_COLOUR, "Turbine colour", "--turbine-colour", true},
};

struct SettingsRequest {
  // By kSettingsControls: "on"/"off" or a colour name; empty leaves it.
  std::vector<std::string> values = std::vector<std::string>(std::size(kSettingsControls));
  bool cancel = false;
};

std::string ControlText(Driver& d, const SettingsControl& c) {
  return c.colour ? d.Text(c.id) : d.IsChecked(c.id) ? "on" : "off";
}

// Sets one control as asked; the reason when it cannot be.
std::string SetControl(Driver& d, const SettingsControl& c, const std::string& value) {
  if (value.empty()) return {};
  if (c.colour) {
    const std::vector<std::string> colours = d.Rows(c.id);
    if (std::find(colours.begin(), colours.end(), In(value)) == colours.end()) {
      std::string names;
      for (const std::string& name : colours) names += (names.empty() ? "" : ", ") + Out(name);
      return std::string(c.option) + ": '" + value + "' is not a standard colour (" + names + ")";
    }
    d.Choose(c.id, In(value));
  } else if ((value == "on") != d.IsChecked(c.id)) {
    d.Click(c.id);
  }
  return {};
}

void RunWindFarmSettings(const SettingsRequest& request) {
  LoadedWindFarms farms;
  std::string problem;
  platform::ui::ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() != ModalTurn::Started) return;
    std::cout << "dialog \"" << Out(d.Caption()) << "\":\n";
    for (const SettingsControl& c : kSettingsControls)
      std::cout << "  " << c.label << ": " << ControlText(d, c) << "\n";
    for (std::size_t i = 0; i < std::size(kSettingsControls) && problem.empty(); ++i)
      problem = SetControl(d, kSettingsControls[i], request.values[i]);
    const bool ok = problem.empty() && !request.cancel;
    if (ok) {
      std::cout << "set to:\n";
      for (const SettingsControl& c : kSettingsControls)
        std::cout << "  " << c.label << ": " << ControlText(d, c) << "\n";
    }
    std::cout << (ok ? "OK" : "Cancel") << "\n";
    d.Click(ok ? IDOK : IDCANCEL);
  });
  const bool saved = WindFarmSettings(&farms.turbines, &farms.boundaries);
  if (!problem.empty()) throw CommandError(problem);
  if (!saved) return;
  PrintSettingsFile(std::cout, kTurbinesSettingsGroup);
  PrintSettingsFile(std::cout, kWindFarmBoundariesSettingsGroup);
}

struct FindRequest {
  std::string name;
  bool boundaries = false;
};

// The point as degrees and as the module's angle text.
void PrintPoint(const tagXY& point) {
  constexpr int kDecimalMinutes = 1, kDecimals = 4;
  std::cout << "point: " << Out(FormatAngle(point.y, 5, kDecimalMinutes, kDecimals)) << " "
            << Out(FormatAngle(point.x, 6, kDecimalMinutes, kDecimals)) << " ("
            << std::to_string(point.y * kDegreesPerRadian) << ", " << std::to_string(point.x * kDegreesPerRadian)
            << ")\n";
}

template <class List>
void FindInList(List& list, const FindRequest& request, const char* group) {
  std::string problem;
  platform::ui::ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() != ModalTurn::Started) return;
    if (d.TemplateId() != IDD_FIND_WIND_FARM) {  // the module's error box
      problem = d.Text(CMessageBox::kTextId);
      return d.Click(IDOK);
    }
    const std::vector<std::string> names = d.Rows(IDC_WIND_FARM_LIST);
    std::cout << "dialog \"" << Out(d.Caption()) << "\": " << names.size() << " names\n";
    for (const std::string& name : names) std::cout << "  " << (name.empty() ? "(no farm)" : Out(name)) << "\n";
    if (std::find(names.begin(), names.end(), In(request.name)) == names.end()) {
      problem = "no wind farm is named '" + request.name + "' (the names are case-sensitive)";
      return d.Click(IDCANCEL);
    }
    d.Choose(IDC_WIND_FARM_LIST, In(request.name));
    d.Click(IDOK);
  });
  tagXY point;
  const bool found = FindWindFarm(&list, point);
  if (!problem.empty()) throw CommandError(Out(problem));
  if (!found) throw CommandError("no wind farm found");
  std::cout << "found: " << Out(list.farms[static_cast<std::size_t>(list.index)].name) << " (farm " << list.index
            << ")\n";
  PrintPoint(point);
  PrintSettingsFile(std::cout, group);
}

void RunWindFarmFind(const FindRequest& request) {
  LoadedWindFarms farms;
  if (request.boundaries)
    FindInList(farms.boundaries, request, kWindFarmBoundariesSettingsGroup);
  else
    FindInList(farms.turbines, request, kTurbinesSettingsGroup);
}

void AddSettingsSubcommand(CLI::App& windfarms) {
  static SettingsRequest request;
  auto* cmd = windfarms.add_subcommand(
      "settings", "Open the wind farm settings dialog, set what the options say, press OK and print both files");
  for (std::size_t i = 0; i < std::size(kSettingsControls); ++i) {
    const SettingsControl& c = kSettingsControls[i];
    auto* option = cmd->add_option(c.option, request.values[i],
                                   std::string(c.label) + (c.colour ? " (a standard colour name)" : " (on or off)"));
    if (!c.colour) option->check(CLI::IsMember({"on", "off"}));
  }
  cmd->add_flag("--cancel", request.cancel, "Press Cancel instead of OK: nothing is saved");
  cmd->callback([] { RunWindFarmSettings(request); });
}

void AddFindSubcommand(CLI::App& windfarms) {
  static FindRequest request;
  auto* cmd = windfarms.add_subcommand(
      "find", "Find a wind farm by name in the farm finder; prints the point the chart centres on");
  cmd->add_option("NAME", request.name, "The farm's name, exactly as the finder lists it")->required();
  cmd->add_flag("--boundaries", request.boundaries,
                "Search the boundary list (the point is the boundary's centre) instead of the turbines");
  cmd->callback([] { RunWindFarmFind(request); });
}

}  // namespace

void AddWindFarmsCommand(CLI::App& app, const Options&) {
  auto* windfarms = app.add_subcommand("windfarms", "The wind farm dialogs on the installed wind farm data");
  windfarms->require_subcommand(1);
  AddSettingsSubcommand(*windfarms);
  AddFindSubcommand(*windfarms);
  AddWindFarmsTablesCommands(*windfarms);
}

}  // namespace host
