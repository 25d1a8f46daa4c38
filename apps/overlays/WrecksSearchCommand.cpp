// overlays wrecks search: the wreck search dialog worked as a user works
// it. The centre and radius are typed into its fields (or a place is
// chosen), the Find button of the method is pressed, the show boxes set,
// and Print or CSV File pressed with the save dialog answered; then the
// rows are printed exactly as the list shows them, with the two counts.

#include <iostream>
#include <optional>

#include "CsvText.h"
#include "GeoJson.h"
#include "GuiLoader.h"
#include "Host.h"
#include "HostDatum.h"
#include "WindowsPath.h"
#include "WreckReport.h"
#include "frame/Exports.h"
#include "frame/FormatText.h"
#include "geodesy/angle/AngleSettings.h"
#include "geodesy/angle/AngleText.h"
#include "geodesy/angle/AngleUnits.h"
#include "platform/companions/ListCtrlBtn.h"
#include "platform/companions/PrintQueue.h"
#include "platform/fs/FileSystem.h"
#include "platform/ui/Automation.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/MessageBox.h"
#include "wrecks/WreckResources.h"

namespace host {
namespace {

using platform::ui::Driver;
using platform::ui::ModalTurn;

struct SearchRequest {
  std::vector<double> near;  // degrees
  std::optional<double> radius;
  std::string place;
  std::string name;
  std::vector<int> years;
  bool hideWrecks = false;
  bool hideObstructions = false;
  std::string datum = "0:0";
  std::optional<std::string> grid;
  std::string csv;
  std::string print;
  std::string format = "text";
};

// What the dialog showed when the work was done.
struct SearchShown {
  std::vector<std::string> headings;
  std::vector<std::string> rows;      // cells separated by tabs
  std::vector<std::size_t> matches;   // the search list record each row shows
  std::string wreckCount;
  std::string obstructionCount;
};

constexpr double kLargestRadius = 9999.99;  // what the radius field holds

// The keys that type a formatted angle into an angle field: its digits,
// sign and hemisphere letter; the field supplies the rest of its mask.
std::string AngleKeys(const std::string& text) {
  std::string keys;
  for (char c : text)
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '+' || HemisphereLetter(c)) keys += c;
  return keys;
}

// Types an angle as the user's settings show it; the field must then show
// the same text, or the typing rules refused part of it.
void TypeAngle(Driver& d, int field, double radians, int kind, const char* what) {
  const AngleSettings s = ReadAngleSettings(kind);
  const std::string text = FormatAngle(radians, kind, s.format, s.decimals, s.hemisphere);
  d.Type(field, AngleKeys(text));
  if (d.Text(field) != text)
    throw CommandError(FormatText("the %s field shows \"%s\" after typing \"%s\"", what, Out(d.Text(field)).c_str(),
                                  Out(text).c_str()));
}

void TypeRadius(Driver& d, double radius) {
  const std::string text = FormatText("%.2f", radius);
  d.Type(IDC_RADIUS, text);
  if (std::atof(d.Text(IDC_RADIUS).c_str()) != std::atof(text.c_str()))
    throw CommandError("the radius field shows \"" + Out(d.Text(IDC_RADIUS)) + "\" after typing " + text);
}

// A plain edit field keeps its text when it takes the focus; the user
// selects it all and deletes it before typing.
void TypeOver(Driver& d, int field, const std::string& text) {
  d.Key(field, VK_HOME);
  d.KeyToFocus(VK_END, {true, false});
  d.KeyToFocus(VK_DELETE);
  d.Type(field, text);
}

void Choose(Driver& d, int box, const std::string& entry, const std::string& refusal) {
  try {
    d.Choose(box, entry);
  } catch (const platform::ui::AutomationError&) {
    throw CommandError(refusal);
  }
}

void ChooseYear(Driver& d, int box, int year) {
  const auto entries = d.Rows(box);
  const std::string range = entries.empty() ? "none" : entries.back() + " to " + entries.front();
  Choose(d, box, FormatText("%d", year), FormatText("--years: %d is not offered (the year boxes hold %s)", year,
                                                    range.c_str()));
}

void PressFind(Driver& d, const SearchRequest& r) {
  if (!r.place.empty())
    Choose(d, IDC_PLACE, In(r.place), "--place: no place is named \"" + r.place + "\" (see 'overlays places')");
  if (!r.near.empty()) {
    TypeAngle(d, IDC_CENTRE_LATITUDE, r.near[0] * kRadiansPerDegree, 5, "latitude");
    TypeAngle(d, IDC_CENTRE_LONGITUDE, r.near[1] * kRadiansPerDegree, 6, "longitude");
  }
  if (r.radius) {
    TypeRadius(d, *r.radius);
    return d.Click(IDC_FIND_LOCATION);
  }
  if (!r.name.empty()) {
    TypeOver(d, IDC_SEARCH_NAME, In(r.name));
    return d.Click(IDC_FIND_NAME);
  }
  ChooseYear(d, IDC_FIRST_YEAR, r.years[0]);
  ChooseYear(d, IDC_LAST_YEAR, r.years[1]);
  d.Click(IDC_FIND_YEARS);
}

void SetShowBox(Driver& d, int box, bool show) {
  if (d.IsChecked(box) != show) d.Click(box);
}

// Presses an export button; the save dialog that opens is answered with
// `path` by the hook. A hidden button means the search found no rows.
void Export(Driver& d, int button, const std::string& path, const char* option) {
  if (path.empty()) return;
  if (!d.IsVisible(button))
    throw CommandError(std::string(option) + ": the search found no rows, so the dialog offers nothing to save");
  d.Click(button);
  if (!CListCtrlBtn::LastProblem().empty()) throw CommandError(std::string(option) + ": " + CListCtrlBtn::LastProblem());
  // The save dialog stays open on a name it cannot use, and then closes as
  // cancelled: nothing was saved.
  if (!platform::fs::FileExists(path)) throw CommandError(std::string(option) + ": the save dialog refused " + Out(path));
}

SearchShown ReadShown(Driver& d) {
  SearchShown shown;
  auto& list = d.ItemAs<CListCtrl>(IDC_RESULTS);
  shown.headings = list.GetHeaderCtrl()->AccessibleRows();
  shown.rows = d.Rows(IDC_RESULTS);
  for (int i = 0; i < list.GetItemCount(); ++i) shown.matches.push_back(list.GetItemData(i));
  shown.wreckCount = d.Text(IDC_WRECK_COUNT);
  shown.obstructionCount = d.Text(IDC_OBSTRUCTION_COUNT);
  return shown;
}

// The module names files by Windows paths; the user's are shown to it
// through the drive table.
std::string ExportPath(const std::string& argument, const char* option) {
  if (argument.empty() || IsWindowsPath(argument)) return In(argument);
  std::error_code ec;
  const std::filesystem::path host = std::filesystem::absolute(argument, ec);
  if (ec || !std::filesystem::is_directory(host.parent_path(), ec))
    throw CommandError(std::string(option) + ": no folder " + host.parent_path().string());
  return WindowsPathShowing(host);
}

std::vector<std::string> Cells(const std::string& row) {
  std::vector<std::string> cells(1);
  for (char c : row) {
    if (c == '\t')
      cells.emplace_back();
    else
      cells.back() += c;
  }
  return cells;
}

void PrintCsvLine(const std::vector<std::string>& cells) {
  for (std::size_t i = 0; i < cells.size(); ++i) std::cout << (i ? "," : "") << CsvQuoted(Out(cells[i]));
  std::cout << "\n";
}

void PrintShown(const SearchShown& shown, const CWreckList& searchList, const std::string& format) {
  if (format == "geojson") {
    std::vector<geojson::Json> features;
    for (std::size_t i = 0; i < shown.rows.size(); ++i) {
      const WreckDef& w = *searchList.GetAt(shown.matches[i]);
      geojson::Json properties = geojson::Json::object();
      const auto cells = Cells(shown.rows[i]);
      for (std::size_t c = 0; c < cells.size() && c < shown.headings.size(); ++c)
        properties[Out(shown.headings[c])] = Out(cells[c]);
      // The ID/Name cell gives a named record's name; 'wrecks show' takes the ID.
      properties["id"] = w.data.wreckId;
      features.push_back(geojson::AnyFeature(geojson::Point({w.data.longitude, w.data.latitude}), properties));
    }
    geojson::PrintCollection(std::cout, features,
                             {{"wrecks_found", std::atoi(shown.wreckCount.c_str())},
                              {"obstructions_found", std::atoi(shown.obstructionCount.c_str())}});
    return;
  }
  if (format == "csv") {
    PrintCsvLine(shown.headings);
    for (const std::string& row : shown.rows) PrintCsvLine(Cells(row));
    return;
  }
  std::string heading;
  for (const std::string& h : shown.headings) heading += (heading.empty() ? "" : "\t") + h;
  std::cout << Out(heading) << "\n";
  for (const std::string& row : shown.rows) std::cout << Out(row) << "\n";
  std::cout << "wrecks found: " << shown.wreckCount << "\nobstructions found: " << shown.obstructionCount << "\n";
}

// Everything the user does in the dialog, in order. `saveAnswer` is what
// the save dialog an export button opens is answered with.
SearchShown WorkDialog(Driver& d, const SearchRequest& r, const std::string& csvPath, const std::string& printPath,
                       std::string& saveAnswer) {
  PressFind(d, r);
  SetShowBox(d, IDC_SHOW_WRECKS, !r.hideWrecks);
  SetShowBox(d, IDC_SHOW_OBSTRUCTIONS, !r.hideObstructions);
  saveAnswer = csvPath;
  Export(d, IDC_CSV_RESULTS, csvPath, "--csv");
  saveAnswer = printPath;
  Export(d, IDC_PRINT_RESULTS, printPath, "--print");
  return ReadShown(d);
}

int SearchMethods(const SearchRequest& r) {
  return (r.radius ? 1 : 0) + (r.name.empty() ? 0 : 1) + (r.years.empty() ? 0 : 1);
}

// On screen a person may do the searching; otherwise the options must.
void CheckRequest(const SearchRequest& r, bool onScreen) {
  const int methods = SearchMethods(r);
  if (methods > 1 || (methods == 0 && !onScreen))
    throw CommandError("give one search: --radius (with --near or --place), --name or --years");
  if (r.radius && r.near.empty() && r.place.empty()) throw CommandError("--radius needs a centre: --near or --place");
  if (!r.near.empty()) CheckNearPosition(r.near);
  if (r.radius && !(*r.radius >= 0 && *r.radius <= kLargestRadius))
    throw CommandError(FormatText("--radius: the radius field takes 0 to %.2f nautical miles", kLargestRadius));
}

// The year the year boxes start from: the host's, this year.
std::int16_t ThisYear() { return static_cast<std::int16_t>(platform::fs::GetLocalTime().year); }

// On screen without a search in the options, the dialog is the person's:
// the rows it shows when they close it are printed.
void RunSearch(const SearchRequest& r, bool onScreen) {
  CheckRequest(r, onScreen);
  const bool personSearches = onScreen && SearchMethods(r) == 0;
  DatumHost datumHost;
  if (r.grid) SelectHostDatum(datumHost, ParseDatumChoice(r.datum), r.datum, ParseGridAddress(*r.grid));
  LoadedWrecks loaded;
  loaded.wrecks.latestYear = ThisYear();
  const std::string csvPath = ExportPath(r.csv, "--csv");
  const std::string printPath = ExportPath(r.print, "--print");

  // The host offers no printer, so Print always asks where to save its
  // printout, and --print names the file.
  const platform::companions::ScopedPrintQueue noPrinter({[] { return std::optional<std::string>(); }, nullptr});
  SearchShown shown;
  std::string failure;
  bool opened = false;
  std::string saveAnswer;
  platform::ui::ScopedAutomation automation([&](Driver& d) {
    const bool search = d.TemplateId() == IDD_WRECK_FIND;
    if (search && d.Turn() == ModalTurn::Idle && personSearches) shown = ReadShown(d);
    if (d.Turn() != ModalTurn::Started) return;
    opened = opened || search;
    // The person answers the dialogs their own clicks open.
    if (personSearches) return;
    if (d.TemplateId() == platform::ui::kConfirmReplaceDialog) return d.Click(IDOK);
    if (d.TemplateId() == platform::ui::kSaveFileDialog) return d.SaveAs(saveAnswer);
    if (dynamic_cast<CMessageBox*>(&d.Dialog())) return d.Click(IDOK);
    if (!search) return;
    try {
      shown = WorkDialog(d, r, csvPath, printPath, saveAnswer);
    } catch (const std::exception& e) {
      failure = e.what();
    }
    d.Click(IDOK);
  });
  tagXY unused;
  WreckFinder(&loaded.wrecks, &loaded.searchList, r.grid ? &datumHost.datum : nullptr, unused);
  if (!opened) throw CommandError("the wreck search did not open");
  if (!failure.empty()) throw CommandError(failure);
  PrintShown(shown, loaded.searchList, r.format);
}

}  // namespace

void AddWrecksSearchCommand(CLI::App& wrecks, const Options&) {
  static SearchRequest request;
  auto* cmd = wrecks.add_subcommand(
      "search",
      "Search the database in the wreck search dialog: within --radius nautical miles of --near or\n"
      "--place, by --name (any part, either case) or by sunk --years; print the rows it shows\n"
      "and the counts of wrecks and obstructions found (shown or not).");
  cmd->add_option("--near", request.near, "The centre: latitude and longitude in degrees (south and west negative)")
      ->expected(2)
      ->type_name("LAT LON");
  cmd->add_option("--place", request.place, "The centre: a place of the place box (see 'overlays places')");
  cmd->add_option("--radius", request.radius, "Radius in nautical miles, 0 to 9999.99");
  cmd->add_option("--name", request.name, "Text to find in the names");
  cmd->add_option("--years", request.years, "First and last sunk year, in either order")
      ->expected(2)
      ->type_name("FROM TO");
  cmd->add_flag("--hide-wrecks", request.hideWrecks, "Untick Wrecks: wreck rows are not shown");
  cmd->add_flag("--hide-obstructions", request.hideObstructions, "Untick Obstructions: obstruction rows are not shown");
  auto* grid = cmd->add_option("--grid", request.grid, "Show eastings and northings on the catalogue grid KIND:ROW[:VARIANT]");
  cmd->add_option("--datum", request.datum, "The transformation to the grid, FAMILY:ROW[:reverse] (default 0:0)")
      ->needs(grid);
  cmd->add_option("--csv", request.csv, "Press CSV File and save the rows to FILE")->type_name("FILE");
  cmd->add_option("--print", request.print, "Press Print and save the printout (PDF) to FILE.pdf")
      ->type_name("FILE.pdf");
  cmd->add_option("--format", request.format, "text, csv or geojson")->check(CLI::IsMember({"text", "csv", "geojson"}));
  cmd->callback([] { RunSearch(request, DialogsOnScreen()); });
}

}  // namespace host
