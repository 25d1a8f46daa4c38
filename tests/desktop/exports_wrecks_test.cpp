// The wreck dialogs on screen through their exports: the install splash,
// the loading dialog, the search and the property sheet, each worked with
// Qt's mouse and keys and its result checked as the headless tests do.

#include <gtest/gtest.h>

#include "SampleWrecks.h"
#include "controls/ColourButton.h"
#include "desktop/DesktopSession.h"
#include "desktop/ExportScript.h"
#include "desktop/UserInput.h"
#include "frame/Exports.h"
#include "kml/KmzArchive.h"
#include "support/TestMachine.h"
#include "wrecks/WreckList.h"
#include "wrecks/WreckPropertyPage.h"
#include "wrecks/WreckPropertyResources.h"
#include "wrecks/WreckResources.h"
#include "wrecks/WreckSettings.h"

namespace {

using desktop_test::DesktopSession;
using desktop_test::DialogStep;
using desktop_test::ExportScript;
using desktop_test::UserInput;
using testing_support::TestMachine;

constexpr char kPackage[] = "C:\\Navlore Download\\w.WKZ";
constexpr char kDatabase[] = "C:\\MyData\\Wrecks\\Wrecks Jan 2026.WRK";

struct Records {
  CWreckList wrecks, search;
  ~Records() {
    for (WreckDef* w : wrecks.records) delete w;
  }
};

class DesktopWrecks : public testing::Test {
 protected:
  TestMachine machine;
  DesktopSession session;
};

// The button pressed lights up in its hover colours under the mouse first.
TEST_F(DesktopWrecks, TheInstallSplashFilesAnAcceptedPackageAndKeepsADeclinedOne) {
  for (const int button : {IDC_ACCEPT, IDC_DECLINE}) {
    SCOPED_TRACE(button);
    TestMachine fresh;
    testing_support::WriteKmz(fresh.Host(kPackage), {{"Wrecks Jan 2026.WRK", tools::SampleWreckDatabase(3, 10)}});
    {
      ExportScript script(session, {{IDD_WRECK_SPLASH,
                                     "wreck_install",
                                     {[&](UserInput& user) { user.Hover(button); },
                                      [&](UserInput& user) {
                                        EXPECT_TRUE(user.Read().ItemAs<CColourButton>(button).IsHot());
                                        user.Photograph("wreck_install_hover_" + std::to_string(button));
                                        user.Click(button);
                                      }}}});
      InstallWrecks();
    }
    EXPECT_EQ(fresh.Exists(kDatabase), button == IDC_ACCEPT);
    EXPECT_EQ(fresh.Exists(kPackage), button == IDC_DECLINE);
  }
}

TEST_F(DesktopWrecks, TheLoadingDialogClosesItselfOnceTheNewestDatabaseIsRead) {
  machine.Write(kDatabase, tools::SampleWreckDatabase(1, 200));
  Records records;
  {
    ExportScript script(session, {{IDD_LOADING_WRECKS, "loading_wrecks", {}}});
    LoadingWrecks(&records.wrecks, &records.search);
  }
  EXPECT_EQ(records.wrecks.GetSize(), 200u);
  EXPECT_EQ(records.wrecks.databaseTitle, "Wrecks Jan 2026");
  EXPECT_FALSE(records.wrecks.loading);
}

void AddRecord(CWreckList& list, std::uint32_t id, const char* name, double northRadians) {
  auto* r = new WreckDef;
  r->data.wreckId = id;
  r->data.wreckCategory = 2;
  r->data.latitude = kDefaultSearchLatitude + northRadians;
  r->data.longitude = kDefaultSearchLongitude;
  r->texts.Set(WreckText::Name, name);
  list.Add(r);
}

// The name typed into the real field, Find pressed, a row's double-click
// opening that record's sheet, and OK keeping the matches.
TEST_F(DesktopWrecks, TheSearchFindsByTypedNameAndARowOpensItsRecord) {
  Records records;
  AddRecord(records.wrecks, 1, "St Mary", 1e-4);
  AddRecord(records.wrecks, 2, "Sandbank", 2e-4);
  AddRecord(records.wrecks, 3, "Mary Rose", 3e-4);
  records.wrecks.earliestYear = 1900, records.wrecks.latestYear = 1950;
  records.search.showWrecks = true;
  std::vector<std::string> rows;
  std::string sheet;
  {
    ExportScript script(session, {{IDD_WRECK_FIND,
                                   "wreck_find",
                                   {[](UserInput& user) {
                                      user.TypeOver(IDC_SEARCH_NAME, "mary");
                                      user.Click(IDC_FIND_NAME);
                                    },
                                    [&](UserInput& user) {
                                      rows = user.Read().Rows(IDC_RESULTS);
                                      EXPECT_EQ(user.ShownRows(IDC_RESULTS), static_cast<int>(rows.size()));
                                      user.Photograph("wreck_find_results");
                                      user.ClickCell(IDC_RESULTS, 1, 0, true);
                                    },
                                    [](UserInput& user) { user.Click(IDOK); }}},
                                  {0, "wreck_find_sheet", {[&](UserInput& user) {
                                     sheet = user.Read().Caption();
                                     user.Session().WidgetOf(user.Read().Dialog()).close();
                                   }}}});
    tagXY unused;
    EXPECT_TRUE(WreckFinder(&records.wrecks, &records.search, nullptr, unused));
  }
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_NE(rows[1].find("Mary Rose"), std::string::npos) << rows[1];
  EXPECT_EQ(records.search.GetSize(), rows.size());
  EXPECT_EQ(records.search.searchMethod, kSearchName);
  EXPECT_EQ(sheet, "Wreck ID 3");
}

// Each of the four pages chosen by its tab; value fields with text show
// black on yellow.
TEST_F(DesktopWrecks, ThePropertySheetShowsEachPageAndItsHighlightedFields) {
  WreckDef record;
  ResetWreckRecord(record);
  record.data.wreckId = 4711;
  record.data.wreckCategory = 2;
  record.data.sunk = 19170512;
  record.data.lastSensorDate = 20190312;
  record.texts.Assign({"Mary Rose", "Wk (GB)", "Sank in a gale.", "Swept 2019.", "Nets foul here."});
  const struct {
    int page;
    int highlighted;  // a field with text, 0 for none
  } pages[] = {{0, IDC_GENERAL_NAME}, {1, IDC_SURVEY_LAST_DATE}, {2, IDC_HISTORY_SUNK}, {3, 0}};
  std::vector<DialogStep::Action> actions;
  for (const auto& page : pages) {
    actions.push_back([page](UserInput& user) { user.ClickTab(page.page); });
    actions.push_back([page](UserInput& user) {
      const QImage shot = user.Photograph("wreck_sheet_" + std::to_string(page.page));
      if (!page.highlighted) return;
      QWidget& field = user.Session().WidgetOf(user.Read().Item(page.highlighted));
      // Past the end of the short text the field holds.
      const QPoint end = field.mapTo(&user.Session().WidgetOf(user.Read().Dialog()), QPoint(field.width() - 2, 1));
      EXPECT_EQ(shot.pixelColor(end), QColor(255, 255, 0)) << "field " << page.highlighted;
    });
  }
  actions.push_back([](UserInput& user) { user.Click(IDCANCEL); });
  {
    ExportScript script(session, {{0, "wreck_sheet", actions}});
    DisplayWreckProperties(&record, nullptr);
  }
  EXPECT_EQ(record.texts.Get(WreckText::Name), "Mary Rose") << "the sheet only shows the record";
}

}  // namespace
