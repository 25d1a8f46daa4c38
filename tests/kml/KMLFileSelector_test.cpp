// The KML file selector worked as a user works it: archives chosen in the
// open dialog (or refused), rows removed by button, key and context menu,
// and the host's list and remembered names following every change.

#include "kml/KMLFileSelectorDlg.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "frame/Exports.h"
#include "frame/Folders.h"
#include "kml/KMLResources.h"
#include "kml/KmzArchive.h"
#include "platform/ui/Automation.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/ListCtrl.h"
#include "support/TestMachine.h"

namespace {

using platform::ui::Driver;
using platform::ui::ModalTurn;
using platform::ui::ScopedAutomation;
using Rows = std::vector<std::string>;

const std::string kPointAndLine =
    "<kml>\n<Placemark>\n<Point>\n<coordinates>1,2,0</coordinates>\n</Point>\n</Placemark>\n"
    "<Placemark>\n<LineString>\n<coordinates>\n1,2,0 3,4,0\n</coordinates>\n</LineString>\n</Placemark>\n</kml>\n";
const std::string kStylesOnly = "<kml>\n<Style id=\"a\">\n<LineStyle>\n<width>2</width>\n</LineStyle>\n</Style>\n</kml>\n";

class KMLFileSelectorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* path : {"C:\\Charts\\a.kmz", "C:\\Charts\\b.kmz", "C:\\Maps\\ c .kmz"})
      testing_support::WriteKmz(machine.Host(path), {{"doc.kml", kPointAndLine}});
    testing_support::WriteKmz(machine.Host("C:\\Charts\\styles.kmz"), {{"doc.kml", kStylesOnly}});
  }

  // Runs the selector: `act` works it once it has started; every open
  // dialog is answered with the next of `chosen` ("" cancels); a context
  // menu's texts are kept and `menuChoice` chosen (0: none). Gives the rows
  // the selector shows at the end.
  Rows Run(const std::function<void(Driver&)>& act, std::vector<std::string> chosen = {}, UINT menuChoice = 0) {
    Rows rows;
    ScopedAutomation automation([&](Driver& d) {
      if (d.IsMenu()) {
        menuTexts.push_back(d.MenuTexts());
        if (menuChoice) d.ChooseMenuItem(menuChoice);
        return;
      }
      if (d.Turn() != ModalTurn::Started) return;
      if (d.TemplateId() == platform::ui::kOpenFileDialog) {
        const std::string next = chosen.empty() ? "" : chosen.front();
        if (!chosen.empty()) chosen.erase(chosen.begin());
        return next.empty() ? d.End(IDCANCEL) : d.SaveAs(next);
      }
      act(d);
      rows = d.Rows(IDC_KML_FILE_LIST);
      deleteShown = d.IsVisible(IDC_KML_DELETE_FILE);
      d.Click(IDOK);
    });
    EXPECT_TRUE(KMLLoad(&list));
    return rows;
  }

  void Load(std::initializer_list<const char*> paths) {
    for (const char* path : paths) ASSERT_TRUE(list.Add(path));
  }

  std::optional<std::string> SavedNames() const { return machine.Read(GetSettingsFolder() + "KML_Files.FLS"); }

  static void CtrlClickRow(Driver& d, int row) {
    CRect rect;
    d.ItemAs<CListCtrl>(IDC_KML_FILE_LIST).GetItemRect(row, &rect);
    d.ClickAt(IDC_KML_FILE_LIST, CPoint(rect.left + 2, rect.top + 2), {false, true});
  }

  testing_support::TestMachine machine;
  CKMLFileList list;
  std::vector<Rows> menuTexts;
  bool deleteShown = false;
};

// The button, a double-click below the rows and the menu's "Add File" all
// open the dialog; an archive already loaded (in any case), one with
// styles alone, and a cancelled dialog add nothing.
TEST_F(KMLFileSelectorTest, AddsWhatLoadsAndNothingElse) {
  const Rows rows = Run(
      [](Driver& d) {
        for (int i = 0; i < 4; ++i) d.Click(IDC_KML_SELECT_FILE);
        d.DoubleClick(IDC_KML_FILE_LIST);
        d.RightClick(IDC_KML_FILE_LIST);
      },
      {"C:\\Charts\\a.kmz", "c:\\CHARTS\\A.KMZ", "C:\\Charts\\styles.kmz", "", "C:\\Maps\\ c .kmz",
       "C:\\Charts\\b.kmz"},
      ID_KML_ADD_FILE);
  EXPECT_EQ(rows, (Rows{"a\t1\t1\t", "c\t1\t1\t", "b\t1\t1\t"}));
  EXPECT_EQ(list.modified, 1);
  EXPECT_EQ(SavedNames(), "[KML Files]\nC:\\Charts\\a.kmz\nC:\\Maps\\ c .kmz\nC:\\Charts\\b.kmz\n");
  EXPECT_FALSE(deleteShown);
}

// Rows go highest first, with their remembered names; the names' folder
// follows the last name left, and stays when none is left.
TEST_F(KMLFileSelectorTest, RemovesTheSelectedRowsWithTheirNames) {
  Load({"C:\\Charts\\a.kmz", "C:\\Maps\\ c .kmz", "C:\\Charts\\b.kmz"});
  Rows rows = Run(
      [](Driver& d) {
        d.ChooseIndex(IDC_KML_FILE_LIST, 0);
        CtrlClickRow(d, 2);
        d.RightClick(IDC_KML_FILE_LIST);  // below the rows: the selection stays
      },
      {}, 0);
  EXPECT_EQ(rows.size(), 3u);
  ASSERT_EQ(menuTexts.size(), 1u);
  EXPECT_EQ(menuTexts[0], (Rows{"KML Files", "Add File", "Remove Selected Filess"}));

  rows = Run(
      [](Driver& d) {
        d.ChooseIndex(IDC_KML_FILE_LIST, 0);
        CtrlClickRow(d, 2);
        d.Click(IDC_KML_DELETE_FILE);
      });
  EXPECT_EQ(rows, Rows{"c\t1\t1\t"});
  EXPECT_EQ(SavedNames(), "[KML Files]\nC:\\Maps\\ c .kmz\n");
  EXPECT_EQ(list.names.GetRecentFolder(), "C:\\Maps");

  rows = Run([](Driver& d) {
    d.ChooseIndex(IDC_KML_FILE_LIST, 0);
    d.Key(IDC_KML_FILE_LIST, VK_DELETE);
  });
  EXPECT_TRUE(rows.empty());
  EXPECT_EQ(list.GetCount(), 0u);
  EXPECT_EQ(SavedNames(), "[KML Files]\n");
  EXPECT_EQ(list.names.GetRecentFolder(), "C:\\Maps");
}

// The menu offers removal only for selected rows, and no menu shows over an
// empty list.
TEST_F(KMLFileSelectorTest, ContextMenuFollowsTheSelection) {
  Run([](Driver& d) { d.RightClick(IDC_KML_FILE_LIST); });
  EXPECT_TRUE(menuTexts.empty());
  Load({"C:\\Charts\\a.kmz"});
  Run([](Driver& d) {
    d.RightClick(IDC_KML_FILE_LIST);
    CtrlClickRow(d, 0);
    CtrlClickRow(d, 0);  // takes the row's selection away again
    CtrlClickRow(d, 0);
    d.RightClick(IDC_KML_FILE_LIST);
  });
  ASSERT_EQ(menuTexts.size(), 2u);
  EXPECT_EQ(menuTexts[0], (Rows{"KML Files", "Add File"}));
  EXPECT_EQ(menuTexts[1], (Rows{"KML Files", "Add File", "Remove File"}));
}

}  // namespace
