// Loading shapefiles as the host does (the loading dialog's texts, the
// label column, AddShapeFile's comparison) and the shape file selector
// worked as a user works it: the counts and settings it lists, a setting
// chosen in its cell reaching the shape and the settings file, and files
// added and removed with the remembered names.

#include "shape/ShapeFileSelectorDlg.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ShapeFixtures.h"
#include "controls/CellEditors.h"
#include "frame/Exports.h"
#include "frame/Folders.h"
#include "platform/ui/Automation.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/ProgressCtrl.h"
#include "shape/ShapeResources.h"

namespace {

using platform::ui::Driver;
using platform::ui::ModalTurn;
using platform::ui::ScopedAutomation;
using Rows = std::vector<std::string>;
using shape_fixtures::WriteShape;

const std::vector<tools::ShapefileEntity> kThreePoints = {{{}, {1}, {50}}, {{}, {2}, {51}}, {{}, {3}, {52}}};
const tools::ShapefileEntity kSquare{{}, {0, 1, 1, 0, 0}, {0, 0, 1, 1, 0}};
constexpr char kDefaultSettings[] =
    "Status = 1\nStyle = 0\nSize = 1\nColour = 8421504\nFill = 0\nLabel Mode = 0\nLabel Position = 0\n"
    "Label Column = 0\nIcon Mode = 0\n";

class ShapeSelectorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteShape(machine, "C:\\maps\\ buoys ", SHPT_POINT, kThreePoints);
    WriteShape(machine, "C:\\maps\\areas", SHPT_POLYGONZ, {kSquare, kSquare});
    WriteShape(machine, "C:\\maps\\patch", SHPT_MULTIPATCH, {kSquare});
    WriteShape(machine, "C:\\maps\\empty", SHPT_POINT, {});
  }

  void Load(const std::string& path) {
    auto shape = std::make_unique<CShape>();
    shape->path = path;
    ASSERT_TRUE(shape->Load()) << path;
    shapes.Append(std::move(shape));
    shapes.names.FindOrAdd(path);
  }

  // Runs the selector: `act` works it once it has started; the open dialog
  // is answered with the next of `chosen`; a context menu's texts are kept
  // and nothing chosen. Gives the rows it shows at the end.
  Rows Run(const std::function<void(Driver&)>& act, std::vector<std::string> chosen = {}) {
    Rows rows;
    ScopedAutomation automation([&](Driver& d) {
      if (d.IsMenu()) return menuTexts.push_back(d.MenuTexts());
      if (d.Turn() != ModalTurn::Started) return;
      if (d.TemplateId() == platform::ui::kOpenFileDialog) {
        d.SaveAs(chosen.front());
        return static_cast<void>(chosen.erase(chosen.begin()));
      }
      act(d);
      rows = d.Rows(IDC_SHAPE_FILE_LIST);
      d.Click(IDOK);
    });
    EXPECT_TRUE(ShapeLoad(&shapes));
    return rows;
  }

  static void ChooseInCell(Driver& d, int row, int column, const std::string& choice) {
    CRect cell;
    d.ItemAs<CListCtrl>(IDC_SHAPE_FILE_LIST).GetSubItemRect(row, column, &cell);
    d.ClickAt(IDC_SHAPE_FILE_LIST, cell.CenterPoint());
    d.ClickAt(IDC_SHAPE_FILE_LIST, cell.CenterPoint());
    d.Choose(static_cast<int>(kCellChoiceId), choice);
  }

  std::optional<std::string> SavedNames() const { return machine.Read(GetSettingsFolder() + "Shape_Files.FLS"); }

  testing_support::TestMachine machine;
  CShapeFileList shapes;
  std::vector<Rows> menuTexts;
};

// What the loading dialog shows once the worker is done and its timer ticks.
TEST_F(ShapeSelectorTest, TheLoadingDialogCountsCopiedEntitiesAndAppendsOnlyAWholeFile) {
  machine.Write("C:\\maps\\lonely.shp", "");
  const struct {
    const char* path;
    const char* caption;
    const char* counter;
    int lower, upper;
    bool loaded;
  } cases[] = {
      {"C:\\maps\\ buoys .shp", "Loading Shape File buoys.........", "Copied 3 of 3 Entities", 1, 3, true},
      {"C:\\maps\\empty.shp", "Loading Shape File empty.........", "Copied 0 of 0 Entities", 0, 1000, true},
      {"C:\\maps\\lonely.shp", "Loading Shape File lonely.........", "Copied 0 of 0 Entities", 0, 1000, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    CShapeFileList list;
    std::string caption, before, counter;
    int lower = -1, upper = -1;
    ScopedAutomation automation([&](Driver& d) {
      if (d.Turn() != ModalTurn::Started) return;
      caption = d.Caption();
      before = d.Text(IDC_SHAPE_COPIED_TEXT);
      platform::ui::MessageQueue::WaitForWorkers();
      d.Dialog().SendMessage(WM_TIMER, 1);
      counter = d.Text(IDC_SHAPE_COPIED_TEXT);
      d.ItemAs<CProgressCtrl>(IDC_SHAPE_PROGRESS).GetRange(lower, upper);
    });
    EXPECT_EQ(LoadShapeFile(c.path, &list), c.loaded);
    EXPECT_EQ(std::tuple(caption, before, counter, lower, upper),
              std::tuple(c.caption, "0 Bytes of 0 Bytes", c.counter, c.lower, c.upper));
    EXPECT_EQ(list.GetCount(), c.loaded ? 1u : 0u);
    EXPECT_EQ(list.modified, c.loaded ? 1 : 0);
    EXPECT_EQ(list.names.GetCount(), 0u);
  }
}

// A "TextString" field in any case becomes the label column, saved; without
// one the setting stays as read and the file is not touched.
TEST_F(ShapeSelectorTest, TheLoaderPointsTheLabelsAtTheTextStringField) {
  const struct {
    std::vector<std::string> fields;
    std::optional<std::string> before;
    std::int16_t column;
    std::optional<std::string> after;
  } cases[] = {
      {{"ID", "TextString"}, std::nullopt, 1, "Label Column = 1\n"},
      {{"ID"}, "\n\n\n\n\n\n\nLabel Column = 5\n", 5, "\n\n\n\n\n\n\nLabel Column = 5\n"},
      {{"TEXTSTRING"}, std::nullopt, 0, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fields.back());
    std::filesystem::remove(machine.Host("C:\\maps\\areas.INI"));
    tools::WriteAttributeTable(machine.Host("C:\\maps\\areas"), c.fields);
    if (c.before) machine.Write("C:\\maps\\areas.INI", *c.before);
    CShapeFileList list;
    ASSERT_TRUE(LoadShapeFile("C:\\maps\\areas", &list));
    EXPECT_EQ(list.GetAt(0).display.labelColumn, c.column);
    const auto after = machine.Read("C:\\maps\\areas.INI");
    EXPECT_EQ(after.has_value(), c.after.has_value());
    if (after && c.after) {
      EXPECT_NE(after->find(*c.after), std::string::npos) << *after;
    }
  }
}

// ".shp" is added to every loaded path before comparing, so a path stored
// with its extension never matches and its file loads a second time.
TEST_F(ShapeSelectorTest, AddShapeFileComparesLoadedPathsWithShpAdded) {
  const struct {
    const char* loaded;
    bool added;
  } cases[] = {{"C:\\maps\\ BUOYS ", false}, {"C:\\maps\\ buoys .shp", true}};
  for (const auto& c : cases) {
    CShapeFileList list;
    auto shape = std::make_unique<CShape>();
    shape->path = c.loaded;
    list.Append(std::move(shape));
    EXPECT_EQ(AddShapeFile("C:\\maps\\ buoys .shp", &list), c.added) << c.loaded;
    EXPECT_EQ(list.GetCount(), c.added ? 2u : 1u);
    EXPECT_EQ(list.names.Paths(), c.added ? Rows{"C:\\maps\\ buoys .shp"} : Rows{});
  }
  CShapeFileList list;
  for (const char* path : {"C:\\maps\\missing.shp", "C:\\maps\\areas.shp"}) list.names.FindOrAdd(path);
  LoadShapeFiles(&list);
  ASSERT_EQ(list.GetCount(), 1u);
  EXPECT_EQ(list.GetAt(0).path, "C:\\maps\\areas.shp");
}

// A short settings file keeps the defaults of the missing lines; the keys
// are never looked at.
TEST_F(ShapeSelectorTest, SettingsAreWrittenInOrderAndReadByPosition) {
  ShapeDisplayDef display;
  ASSERT_TRUE(WriteShapeDisplay("C:\\maps\\areas", display));
  EXPECT_EQ(machine.Read("C:\\maps\\areas.INI"), kDefaultSettings);
  const struct {
    const char* file;
    std::uint32_t colour;
    std::int16_t style;
    bool status;
  } cases[] = {
      {"Status = 0\nStyle = 4\nSize = 3\n", 0x808080, 4, false},
      {"Colour = 0\nStatus = 2\nSize = 1\nStyle = 255\n", 255, 2, false},
  };
  for (const auto& c : cases) {
    machine.Write("C:\\maps\\areas.INI", c.file);
    ASSERT_TRUE(ReadShapeDisplay("C:\\maps\\areas", display));
    EXPECT_EQ(std::tuple(display.colour, display.style, display.status, display.iconMode),
              std::tuple(c.colour, c.style, c.status, false))
        << c.file;
  }
}

// Entities are counted by type, MultiPatch nowhere; a file gone since it
// loaded keeps its name alone.
TEST_F(ShapeSelectorTest, ListsCountsAndSettingsOfEachFile) {
  for (const char* path : {"C:\\maps\\ buoys ", "C:\\maps\\areas", "C:\\maps\\patch"}) Load(path);
  shapes.GetAt(1).display = {false, 4, 1, 0x8000FF, 0, 0, 0, 0, true};
  shapes.GetAt(2).display.colour = 0x123456;
  std::filesystem::remove(machine.Host("C:\\maps\\patch.shx"));
  std::vector<int> images;
  const Rows rows = Run([&](Driver& d) {
    for (int column : {4, 5, 7}) {
      LVITEM item;
      item.mask = LVIF_IMAGE;
      item.iItem = 1;
      item.iSubItem = column;
      d.ItemAs<CListCtrl>(IDC_SHAPE_FILE_LIST).GetItem(&item);
      images.push_back(item.iImage);
    }
  });
  EXPECT_EQ(rows, (Rows{"buoys\t3\t\t\tShow\tGrey\tMedium\tNo", "areas\t\t\t2\tHide\tCrimson\tLarge\tYes",
                        "patch\t\t\t\t\t\t\t"}));
  EXPECT_EQ(images, (std::vector<int>{1, 27 + 3, 2})) << "no/yes images from 1, colour swatches from 3";
}

// Each choice is in the cell, the shape and the settings file at once.
TEST_F(ShapeSelectorTest, AChoiceInACellReachesTheShapeAndItsSettingsFile) {
  Load("C:\\maps\\areas");
  const struct {
    int column;
    const char* choice;
    const char* line;
  } cases[] = {
      {4, "Hide", "Status = 0\n"},   {5, "Crimson", "Colour = 8388863\n"}, {6, "Large", "Style = 4\n"},
      {6, "Small", "Style = 1\n"},   {7, "Yes", "Icon Mode = 1\n"},         {4, "Show", "Status = 1\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.choice);
    const Rows rows = Run([&](Driver& d) { ChooseInCell(d, 0, c.column, c.choice); });
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_NE(rows[0].find(std::string("\t") + c.choice), std::string::npos) << rows[0];
    const auto file = machine.Read("C:\\maps\\areas.INI");
    ASSERT_TRUE(file);
    EXPECT_NE(file->find(c.line), std::string::npos) << *file;
    ShapeDisplayDef saved;
    ReadShapeDisplay("C:\\maps\\areas", saved);
    const ShapeDisplayDef& held = shapes.GetAt(0).display;
    EXPECT_EQ(std::tuple(saved.status, saved.colour, saved.style, saved.iconMode),
              std::tuple(held.status, held.colour, held.style, held.iconMode));
  }
}

// Paths are kept without their extension; a file loaded already (in any
// case) adds nothing; removing the only file leaves the names' folder and
// moves the current index back.
TEST_F(ShapeSelectorTest, AddsAndRemovesFilesWithTheirRememberedNames) {
  Rows rows = Run([](Driver& d) { for (int i = 0; i < 3; ++i) d.Click(IDC_SHAPE_SELECT_FILE); },
                  {"C:\\maps\\areas.shp", "c:\\MAPS\\AREAS.SHP", "C:\\maps\\missing.shp"});
  EXPECT_EQ(rows, Rows{"areas\t\t\t2\tShow\tGrey\tMedium\tNo"});
  EXPECT_EQ(shapes.GetAt(0).path, "C:\\maps\\areas");
  EXPECT_EQ(SavedNames(), "[Shape Files]\nC:\\maps\\areas\n");

  rows = Run([](Driver& d) {
    d.RightClick(IDC_SHAPE_FILE_LIST);
    d.ChooseIndex(IDC_SHAPE_FILE_LIST, 0);
    d.RightClick(IDC_SHAPE_FILE_LIST);
    d.Key(IDC_SHAPE_FILE_LIST, VK_DELETE);
  });
  EXPECT_EQ(menuTexts, (std::vector<Rows>{{"Shape Files", "Add File", "Remove File"}}))
      << "no menu without a selection";
  EXPECT_TRUE(rows.empty());
  EXPECT_EQ(SavedNames(), "[Shape Files]\n");
  EXPECT_EQ(shapes.names.GetRecentFolder(), "C:\\maps");
  EXPECT_EQ(shapes.current, -1);
}

}  // namespace
