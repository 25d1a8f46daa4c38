// overlays windfarms turbines|boundary [FARM] [--datum ...] [--grid ...]:
// the turbine table or the boundary corner table of a farm, in the
// module's dialog. With FARM the dialog offers the farms and FARM is chosen
// in it (case ignored), which the module saves as the chosen farm;
// without, the dialog shows the farm chosen before. Prints the caption,
// the headings and the rows (cells separated by tabs) and the text below
// or above the table.

#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Host.h"
#include "WindFarmHost.h"
#include "frame/Exports.h"
#include "platform/text/CodePage.h"
#include "platform/ui/Automation.h"
#include "platform/ui/ListCtrl.h"
#include "windfarm/WindFarmResources.h"

namespace host {
namespace {

using platform::ui::Driver;
using platform::ui::ModalTurn;

struct TableRequest {
  std::optional<std::string> farm;
  GridOptions grid;
};

// Which dialog: its farm choice and the text it shows beside the table.
struct TableDialog {
  int choiceId;
  int textId;
  const char* textLabel;
};

const TableDialog kTurbineTable = {IDC_TURBINE_FARM_CHOICE, IDC_TURBINE_REMARKS, "Remarks"};
const TableDialog kBoundaryTable = {IDC_BOUNDARY_FARM_CHOICE, IDC_BOUNDARY_DESCRIPTION, "Description"};

// Headings keep their line feeds in the dialog; one line each here.
std::string TableHeadings(Driver& d) {
  auto& list = d.ItemAs<CListCtrl>(IDC_WIND_FARM_LIST);
  std::string line;
  for (int i = 0; i < list.GetColumnCount(); ++i) {
    HDITEM item;
    item.mask = HDI_TEXT;
    list.GetHeaderCtrl()->GetItem(i, &item);
    std::string heading = item.pszText;
    std::replace(heading.begin(), heading.end(), '\n', ' ');
    if (!heading.empty() && heading.front() == ' ') heading.erase(0, 1);
    line += (i ? "\t" : "") + Out(heading);
  }
  return line;
}

// The entry of the farm choice that names FARM, case ignored; -1 for none.
int ChoiceNamed(Driver& d, int choiceId, const std::string& farm) {
  const std::vector<std::string> entries = d.Rows(choiceId);
  for (std::size_t i = 1; i < entries.size(); ++i)
    if (platform::text::EqualsIgnoringCase(entries[i], farm)) return static_cast<int>(i);
  return -1;
}

void PrintTable(Driver& d, const TableDialog& dialog) {
  std::cout << "dialog \"" << Out(d.Caption()) << "\"\n";
  if (d.IsVisible(dialog.choiceId)) std::cout << "farm chosen: " << Out(d.Text(dialog.choiceId)) << "\n";
  const std::vector<std::string> rows = d.Rows(IDC_WIND_FARM_LIST);
  std::cout << TableHeadings(d) << "\n";
  for (const std::string& row : rows) std::cout << Out(row) << "\n";
  std::cout << dialog.textLabel << ": " << Out(d.Text(dialog.textId)) << "\n";
  if (rows.empty()) std::cerr << "warning: no farm is chosen; name one (see 'overlays windfarms find')\n";
}

// Chooses the farm when asked, then prints the dialog and presses OK.
platform::ui::Automation::Hook TableReader(const TableDialog& dialog, const TableRequest& request,
                                           std::string& problem) {
  return [&dialog, &request, &problem](Driver& d) {
    if (d.Turn() != ModalTurn::Started) return;
    if (request.farm) {
      const int entry = ChoiceNamed(d, dialog.choiceId, In(*request.farm));
      if (entry < 0) {
        problem = "no wind farm is named '" + *request.farm + "' (see 'overlays windfarms find')";
        return d.Click(IDOK);
      }
      if (entry != d.Selection(dialog.choiceId)) d.ChooseIndex(dialog.choiceId, entry);
    }
    PrintTable(d, dialog);
    d.Click(IDOK);
  };
}

// The farm the dialog will show, as the host finds it for the default
// grid: the one named (case ignored), else the chosen one.
template <class List>
int FarmToShow(const List& list, const TableRequest& request) {
  if (!request.farm) return list.index;
  for (std::size_t i = 1; i < list.farms.size(); ++i)
    if (platform::text::EqualsIgnoringCase(list.farms[i].name, In(*request.farm))) return static_cast<int>(i);
  return 0;
}

template <class List>
bool IsFarm(const List& list, int index) {
  return index >= 1 && static_cast<std::size_t>(index) < list.farms.size();
}

void RunTurbines(const TableRequest& request) {
  LoadedWindFarms farms;
  const int shown = FarmToShow(farms.turbines, request);
  const auto& turbines =
      IsFarm(farms.turbines, shown) ? farms.turbines.farms[shown].turbines : std::vector<TurbineDef>();
  const std::unique_ptr<DatumHost> holder =
      HostDatumAt(request.grid, turbines.empty() ? tagXY{} : turbines.front().position);
  std::string problem;
  platform::ui::ScopedAutomation automation(TableReader(kTurbineTable, request, problem));
  TurbineProperties(&farms.turbines, holder ? &holder->datum : nullptr, request.farm.has_value());
  if (!problem.empty()) throw CommandError(problem);
  std::vector<tagXY> positions;
  for (const TurbineDef& t : turbines) positions.push_back(t.position);
  WarnWhereOffGrid(holder.get(), positions, request.grid);
}

void RunBoundary(const TableRequest& request) {
  LoadedWindFarms farms;
  const int shown = FarmToShow(farms.boundaries, request);
  const std::unique_ptr<DatumHost> holder =
      HostDatumAt(request.grid, IsFarm(farms.boundaries, shown) ? farms.boundaries.farms[shown].centre : tagXY{});
  std::string problem;
  platform::ui::ScopedAutomation automation(TableReader(kBoundaryTable, request, problem));
  WindFarmBoundaryCoordinates(&farms.boundaries, holder ? &holder->datum : nullptr, request.farm.has_value());
  if (!problem.empty()) throw CommandError(problem);
  if (IsFarm(farms.boundaries, shown)) {
    const CXYArray& outline = farms.boundaries.farms[shown].outline;
    WarnWhereOffGrid(holder.get(), std::vector<tagXY>(outline.begin(), outline.end()), request.grid);
  }
}

void AddTableOptions(CLI::App& cmd, TableRequest& request) {
  cmd.add_option("FARM", request.farm, "The farm to choose in the dialog (case ignored); the chosen farm otherwise");
  cmd.add_option("--datum", request.grid.datum,
                 "FAMILY:ROW or FAMILY:ROW:reverse, as 'overlays datums' lists them: adds the easting and northing "
                 "on the user grid (family -1 adds none)");
  cmd.add_option("--grid", request.grid.grid,
                 "The user grid as KIND:ROW[:VARIANT] (see 'overlays grids'); the farm's UTM zone otherwise");
}

}  // namespace

void AddWindFarmsTablesCommands(CLI::App& windfarms) {
  static TableRequest turbines, boundary;
  auto* turbinesCmd =
      windfarms.add_subcommand("turbines", "Print a farm's turbine table as the turbines dialog shows it");
  AddTableOptions(*turbinesCmd, turbines);
  turbinesCmd->callback([] { RunTurbines(turbines); });
  auto* boundaryCmd =
      windfarms.add_subcommand("boundary", "Print a farm's boundary corners as the boundary dialog shows them");
  AddTableOptions(*boundaryCmd, boundary);
  boundaryCmd->callback([] { RunBoundary(boundary); });
}

}  // namespace host
