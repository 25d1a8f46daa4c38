// overlays wrecks show ID [--datum FAMILY:ROW[:reverse]] [--grid KIND:ROW[:VARIANT]]:
// one record on the wreck property sheet, as the sheet shows it: the
// sheet's caption, then each page's caption and its value fields, "Label:
// value", the later lines of a value indented. Fields the page hides (the
// grid position without a datum) are left out.

#include <algorithm>
#include <iostream>
#include <memory>
#include <string>

#include "Host.h"
#include "HostDatum.h"
#include "WreckReport.h"
#include "platform/ui/Automation.h"
#include "platform/ui/PropertySheet.h"
#include "wrecks/WreckPropertiesSheet.h"

namespace host {
namespace {

using platform::ui::Driver;
using platform::ui::ModalTurn;

struct WrecksShowRequest {
  std::uint32_t id = 0;
  GridOptions grid;  // no datum, or the record's UTM zone without --grid
};

WreckDef& WreckWithId(const CWreckList& wrecks, std::uint32_t id) {
  const auto found = std::ranges::find_if(wrecks.records, [id](const WreckDef* w) { return w->data.wreckId == id; });
  if (found == wrecks.records.end())
    throw CommandError("there is no wreck with ID " + std::to_string(id) + " in " + wrecks.databaseTitle);
  return **found;
}

// The later lines of a value are indented under the first.
void PrintSheetField(std::ostream& out, const char* label, const std::string& value) {
  out << "  " << label << ":";
  const char* separator = " ";
  for (std::size_t start = 0; start < value.size();) {
    const std::size_t end = std::min(value.find('\n', start), value.size());
    std::string line = value.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out << separator << Out(line);
    separator = "\n    ";
    start = end + 1;
  }
  out << "\n";
}

void PrintSheetPage(std::ostream& out, const CWreckPropertyPage& page) {
  out << Out(page.GetWindowText()) << "\n";
  for (const WreckPageField& field : page.Fields()) {
    const CWnd* control = page.GetDlgItem(field.id);
    if (control && (control->GetStyle() & WS_VISIBLE)) PrintSheetField(out, field.label, control->GetWindowText());
  }
}

// Shows every page in tab order, as a user would click through them, and
// closes the sheet without a command, so the page it reopens on stays.
void ReadWreckSheet(Driver& d) {
  if (d.Turn() != ModalTurn::Started) return;
  auto& sheet = dynamic_cast<CPropertySheet&>(d.Dialog());
  std::cout << Out(sheet.GetWindowText()) << "\n";
  for (int i = 0; i < sheet.GetPageCount(); ++i) {
    d.SelectTab(i);
    PrintSheetPage(std::cout, dynamic_cast<const CWreckPropertyPage&>(*sheet.GetPage(i)));
  }
  d.End(IDCANCEL);
}

void RunWrecksShow(const WrecksShowRequest& request) {
  CheckGridOptions(request.grid);
  LoadedWrecks loaded;
  WreckDef& wreck = WreckWithId(loaded.wrecks, request.id);
  const std::unique_ptr<DatumHost> holder = HostDatumAt(request.grid, {wreck.data.longitude, wreck.data.latitude});
  platform::ui::ScopedAutomation automation(ReadWreckSheet);
  DisplayWreckProperties(&wreck, holder ? &holder->datum : nullptr);
  // The page shows the datum's (0, 0) as it is; the reader is told why.
  if (holder && holder->datum.Family() != -1) {
    const tagXY grid = holder->datum.LatLonToGrid({wreck.data.longitude, wreck.data.latitude});
    if (grid.x == 0 && grid.y == 0)
      std::cerr << "warning: datum " << *request.grid.datum
                << " gives no grid position for this record (outside its grids); the page shows 0.000\n";
  }
}

}  // namespace

void AddWrecksShowCommand(CLI::App& wrecks) {
  static WrecksShowRequest request;
  auto* cmd = wrecks.add_subcommand(
      "show", "Show one record on the wreck property sheet and print its four pages as they show it");
  cmd->add_option("ID", request.id, "The wreck ID, as 'wrecks dump' lists it")->required();
  cmd->add_option("--datum", request.grid.datum,
                  "FAMILY:ROW or FAMILY:ROW:reverse, as 'overlays datums' lists them; shows the easting and "
                  "northing on the user grid (family -1 shows none)");
  cmd->add_option("--grid", request.grid.grid,
                  "The user grid as KIND:ROW[:VARIANT] (see 'overlays grids'); the record's UTM zone otherwise");
  cmd->callback([] { RunWrecksShow(request); });
}

}  // namespace host
