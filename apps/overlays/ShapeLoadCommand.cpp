// overlays shape load FILE.shp [--format text|geojson] [--quit-after N]:
// loads a shapefile the way the host does, on the module's worker behind
// its progress dialog, showing the dialog's counter on standard error as
// its timer updates it; then prints what `shape read` prints. With
// --quit-after the dialog's Quit is pressed once N entities are copied.
//
// overlays shape list | add FILE | remove N | set N COLUMN=VALUE: the
// host's shapefile list, brought back from its remembered names, in the
// module's shape file selector: a file chosen in its open dialog, a row
// deleted, or a display setting chosen in its cell; then the list as the
// selector shows it.

#include <unistd.h>

#include <iostream>
#include <memory>
#include <optional>
#include <thread>

#include "Host.h"
#include "ShapePrint.h"
#include "WindowsPath.h"
#include "controls/CellEditors.h"
#include "controls/StandardColours.h"
#include "frame/ConfigFile.h"
#include "frame/Exports.h"
#include "frame/FormatText.h"
#include "frame/PathText.h"
#include "platform/text/CodePage.h"
#include "platform/ui/Automation.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/ProgressCtrl.h"
#include "shape/LoadShape.h"
#include "shape/ShapeFileList.h"
#include "shape/ShapeResources.h"

namespace host {
namespace {

using platform::ui::Driver;
using platform::ui::ModalTurn;

// The dialog's counter text each time it changes: a line of its own, or,
// on a terminal, one line rewritten in place behind the dialog's bar.
class LoadProgress {
 public:
  LoadProgress() : terminal_(isatty(STDERR_FILENO) != 0) {}

  // The template's own text, before the first tick, is not a count.
  void Show(const Driver& d) {
    const std::string text = d.Text(IDC_SHAPE_COPIED_TEXT);
    const bool first = d.Turn() == ModalTurn::Started;
    if (text == last_ || first) {
      last_ = text;
      return;
    }
    last_ = text;
    shown_ = true;
    if (terminal_)
      std::cerr << "\r" << Bar(d.ItemAs<CProgressCtrl>(IDC_SHAPE_PROGRESS)) << " " << text << std::flush;
    else
      std::cerr << text << "\n";
  }
  void Finish() const {
    if (terminal_ && shown_) std::cerr << "\n";
  }

 private:
  static std::string Bar(const CProgressCtrl& progress) {
    constexpr int kWidth = 30;
    int lower = 0, upper = 0;
    progress.GetRange(lower, upper);
    const int span = upper > lower ? upper - lower : 1;
    const int filled = std::clamp((progress.GetPos() - lower) * kWidth / span, 0, kWidth);
    return "[" + std::string(static_cast<std::size_t>(filled), '#') + std::string(kWidth - filled, '.') + "]";
  }

  bool terminal_;
  bool shown_ = false;
  std::string last_;
};

void LoadShape(const std::string& argument, const std::string& format, std::optional<std::int32_t> quitAfter) {
  const std::string path = ModuleFilePath(argument);
  CShapeFileList list;
  LoadProgress progress;
  std::optional<std::int32_t> copiedAtQuit;
  {
    platform::ui::ScopedAutomation automation([&](Driver& d) {
      if (d.IsMenu() || d.TemplateId() != IDD_LOADING_SHAPE) return;
      progress.Show(d);
      const std::int32_t copied = dynamic_cast<const CLoadShape&>(d.Dialog()).Copied();
      if (!quitAfter || copiedAtQuit) return;
      if (copied < *quitAfter) {
        // Keeps the loop turning, rather than asleep until the next tick, so
        // that Quit follows the Nth entity closely.
        platform::ui::MessageQueue::NoteActivity();
        return std::this_thread::yield();
      }
      copiedAtQuit = copied;
      d.Click(IDCANCEL);
    });
    const bool loaded = LoadShapeFile(path.c_str(), &list);
    // A worker stopped by Quit may still be finishing its entity.
    platform::ui::MessageQueue::WaitForWorkers();
    progress.Finish();
    if (!loaded && copiedAtQuit)
      throw CommandError(FormatText("Quit was pressed with %d entities copied; nothing was loaded", *copiedAtQuit));
    if (!loaded) throw CommandError("cannot load " + argument + ": " + kShapePairUnreadable);
  }
  CShape& shape = list.GetAt(0);
  if (quitAfter && !copiedAtQuit)
    std::cerr << "warning: the load ended, " << shape.entityCount << " entities copied, before Quit was pressed\n";
  PrintShape(shape, format);
}

// The columns a setting is chosen in, as the selector heads them.
struct SettingColumn {
  const char* name;
  int column;
  std::vector<std::string> choices;
};

const std::vector<SettingColumn>& SettingColumns() {
  static const std::vector<SettingColumn> columns = [] {
    std::vector<std::string> colours;
    for (const StandardColourDef& colour : kStandardColours) colours.emplace_back(colour.name);
    return std::vector<SettingColumn>{{"Display", 4, {"Hide", "Show"}},
                                      {"Colour", 5, colours},
                                      {"Size", 6, {"Small", "Medium", "Large"}},
                                      {"Fill Polygon", 7, {"No", "Yes"}}};
  }();
  return columns;
}

// A choice of a column named without regard to case.
template <class Items, class Name>
auto FindNamed(const Items& items, const std::string& wanted, Name name) -> decltype(&*items.begin()) {
  for (const auto& item : items)
    if (platform::text::EqualsIgnoringCase(name(item), wanted)) return &item;
  return nullptr;
}

struct SelectorRequest {
  std::string add;            // a path typed into the open dialog
  std::size_t remove = 0;     // a row, counted from 1
  std::size_t setRow = 0;     // likewise
  int setColumn = 0;
  std::string setValue;
};

// The first click selects the row, the second opens the cell's choices.
void EditCell(Driver& d, int row, int column, const std::string& value) {
  CRect cell;
  d.ItemAs<CListCtrl>(IDC_SHAPE_FILE_LIST).GetSubItemRect(row, column, &cell);
  d.ClickAt(IDC_SHAPE_FILE_LIST, cell.CenterPoint());
  d.ClickAt(IDC_SHAPE_FILE_LIST, cell.CenterPoint());
  d.Choose(static_cast<int>(kCellChoiceId), value);
}

std::vector<std::string> WorkSelector(CShapeFileList& list, const SelectorRequest& request) {
  std::vector<std::string> rows;
  platform::ui::ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() != ModalTurn::Started) return;
    if (d.TemplateId() == platform::ui::kOpenFileDialog) return d.SaveAs(request.add);
    if (d.TemplateId() != IDD_SHAPE_FILE_SELECTOR) return;
    if (!request.add.empty()) d.Click(IDC_SHAPE_SELECT_FILE);
    if (request.remove) {
      d.ChooseIndex(IDC_SHAPE_FILE_LIST, static_cast<int>(request.remove - 1));
      d.Click(IDC_SHAPE_DELETE_FILE);
    }
    if (request.setRow) EditCell(d, static_cast<int>(request.setRow - 1), request.setColumn, request.setValue);
    rows = d.Rows(IDC_SHAPE_FILE_LIST);
    d.Click(IDOK);
  });
  if (!ShapeLoad(&list)) throw CommandError("the shape file selector did not end with OK");
  return rows;
}

void CheckRow(std::size_t row, const CShapeFileList& list) {
  if (row < 1 || row > list.GetCount())
    throw CommandError(FormatText("there is no file %zu: the selector lists %zu", row, list.GetCount()));
}

// The path as the selector keeps it, without its extension.
std::string StoredPath(const std::string& path) { return path.substr(0, std::min(path.rfind('.'), path.size())); }

// A setting the selector changed must be in the file too: the selector
// itself says nothing when the file cannot be written.
void CheckSettingSaved(const CShape& shape) {
  ShapeDisplayDef saved;
  ReadShapeDisplay(shape.path, saved);
  const ShapeDisplayDef& shown = shape.display;
  if (saved.status != shown.status || saved.colour != shown.colour || saved.style != shown.style ||
      saved.iconMode != shown.iconMode)
    throw CommandError("the setting was changed in the list but could not be written to " +
                       HostPathText(ShapeDisplayPath(shape.path)));
}

void RunSelector(SelectorRequest request) {
  CShapeFileList list;
  RestoreShapeFiles(list, [](const std::string& path) {
    std::cerr << "warning: the remembered " << Out(path) << " no longer loads (" << kShapePairUnreadable
              << "); it is left out\n";
  });
  if (request.remove) CheckRow(request.remove, list);
  if (request.setRow) CheckRow(request.setRow, list);
  std::string added;
  if (!request.add.empty()) {
    added = request.add;
    request.add = ModuleFilePath(added);
    for (const auto& shape : list.Shapes())
      if (platform::text::EqualsIgnoringCase(shape->path, StoredPath(request.add)))
        throw CommandError(added + " is in the list already; nothing was added");
  }
  const std::size_t before = list.GetCount();
  const std::vector<std::string> rows = WorkSelector(list, request);
  if (!added.empty() && list.GetCount() == before)
    throw CommandError("nothing loaded from " + added + ": " + kShapePairUnreadable + "; nothing was added");
  if (request.setRow) CheckSettingSaved(list.GetAt(request.setRow - 1));
  std::cout << "File Name\tPoints\tLines\tPolygons\tDisplay\tColour\tSize\tFill Polygon\n";
  for (const std::string& row : rows) std::cout << Out(row) << "\n";
}

// COLUMN=VALUE, both named as the selector shows them, in any case.
void ParseSetting(const std::string& setting, SelectorRequest& request) {
  const auto equals = setting.find('=');
  if (equals == std::string::npos) throw CommandError("give the setting as COLUMN=VALUE, such as Size=Large");
  const std::string name = TrimWhiteSpace(setting.substr(0, equals));
  const std::string value = TrimWhiteSpace(setting.substr(equals + 1));
  const SettingColumn* column = FindNamed(SettingColumns(), name, [](const SettingColumn& c) { return c.name; });
  if (!column) throw CommandError("no column " + name + ": give Display, Colour, Size or Fill Polygon");
  const std::string* choice = FindNamed(column->choices, value, [](const std::string& c) { return c; });
  if (!choice) {
    std::string choices;
    for (const std::string& c : column->choices) choices += (choices.empty() ? "" : ", ") + c;
    throw CommandError(FormatText("%s cannot be %s: choose one of %s", column->name, value.c_str(), choices.c_str()));
  }
  request.setColumn = column->column;
  request.setValue = *choice;
}

}  // namespace

void AddShapeLoadCommands(CLI::App& shape) {
  auto* load = shape.add_subcommand(
      "load", "Load a shapefile as the host does, behind the module's progress dialog, and print it as `read` does");
  static std::string file;
  static std::string format = "text";
  static std::optional<std::int32_t> quitAfter;
  load->add_option("FILE", file, "The .shp file: a host path, or a Windows path such as C:\\Charts\\coast.shp")
      ->required();
  load->add_option("--format", format, "text (header, projection, fields, length) or geojson (the entities)")
      ->check(CLI::IsMember({"text", "geojson"}));
  load->add_option("--quit-after", quitAfter, "Press Quit once this many entities are copied")
      ->check(CLI::NonNegativeNumber);
  load->callback([] { LoadShape(file, format, quitAfter); });

  static SelectorRequest request;
  static std::string setting;
  shape.add_subcommand("list", "Show the host's shapefile list as the shape file selector shows it")
      ->callback([] { RunSelector({}); });
  auto* add = shape.add_subcommand("add", "Add a shapefile to the host's list through the shape file selector");
  add->add_option("FILE", request.add, "The .shp file (a host path or a Windows path)")->required();
  add->callback([] { RunSelector(request); });
  auto* remove = shape.add_subcommand("remove", "Remove a row of the shape file selector");
  remove->add_option("N", request.remove, "The row, counted from 1")->required();
  remove->callback([] { RunSelector(request); });
  auto* set = shape.add_subcommand("set", "Choose a display setting of a row in its cell of the shape file selector");
  set->add_option("N", request.setRow, "The row, counted from 1")->required();
  set->add_option("SETTING", setting, "COLUMN=VALUE: Display=Hide|Show, Colour=<colour name>, "
                                      "Size=Small|Medium|Large or \"Fill Polygon=No|Yes\"")
      ->required();
  set->callback([] {
    ParseSetting(setting, request);
    RunSelector(request);
  });
}

}  // namespace host
