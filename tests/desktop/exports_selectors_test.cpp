// The KML and shape file selectors on screen through their exports, with
// the file dialog each opens: a file chosen by its typed name is listed,
// handed to the host's list and remembered.

#include <functional>

#include <gtest/gtest.h>

#include "desktop/DesktopSession.h"
#include "desktop/ExportScript.h"
#include "desktop/UserInput.h"
#include "frame/Exports.h"
#include "frame/Folders.h"
#include "kml/KMLFileList.h"
#include "kml/KMLResources.h"
#include "kml/KmzArchive.h"
#include "platform/ui/FileDialog.h"
#include "shape/ShapeFileList.h"
#include "shape/ShapeFixtures.h"
#include "shape/ShapeResources.h"

namespace {

using desktop_test::DesktopSession;
using desktop_test::ExportScript;
using desktop_test::UserInput;
using testing_support::TestMachine;

constexpr char kPointAndLine[] =
    "<kml>\n<Placemark>\n<Point>\n<coordinates>1,2,0</coordinates>\n</Point>\n</Placemark>\n"
    "<Placemark>\n<LineString>\n<coordinates>\n1,2,0 3,4,0\n</coordinates>\n</LineString>\n</Placemark>\n</kml>\n";
const tools::ShapefileEntity kSquare{{}, {0, 1, 1, 0, 0}, {0, 0, 1, 1, 0}};

struct Selector {
  const char* name;
  UINT dialog;
  int addButton;
  const char* chosen;
  std::function<void(const TestMachine&)> write;
  // Runs the export: whether it ended with OK, and the files in the host's
  // list afterwards.
  std::function<std::pair<bool, std::size_t>()> run;
  std::string row;
  const char* namesFile;
  const char* names;
};

TEST(DesktopSelectors, AFileChosenInTheFileDialogIsListedLoadedAndRemembered) {
  const Selector selectors[] = {
      {"kml_file_selector", IDD_KML_FILE_SELECTOR, IDC_KML_SELECT_FILE, "C:\\Charts\\a.kmz",
       [](const TestMachine& m) {
         testing_support::WriteKmz(m.Host("C:\\Charts\\a.kmz"), {{"doc.kml", kPointAndLine}});
       },
       [] {
         CKMLFileList list;
         const bool ok = KMLLoad(&list);
         return std::pair(ok, list.GetCount());
       },
       "a\t1\t1\t", "KML_Files.FLS", "[KML Files]\nC:\\Charts\\a.kmz\n"},
      {"shape_file_selector", IDD_SHAPE_FILE_SELECTOR, IDC_SHAPE_SELECT_FILE, "C:\\maps\\areas.shp",
       [](const TestMachine& m) {
         shape_fixtures::WriteShape(m, "C:\\maps\\areas", SHPT_POLYGON, {kSquare, kSquare});
       },
       [] {
         CShapeFileList list;
         const bool ok = ShapeLoad(&list);
         return std::pair(ok, list.GetCount());
       },
       "areas\t\t\t2\tShow\tGrey\tMedium\tNo", "Shape_Files.FLS", "[Shape Files]\nC:\\maps\\areas\n"},
  };
  for (const Selector& selector : selectors) {
    SCOPED_TRACE(selector.name);
    TestMachine machine;
    selector.write(machine);
    DesktopSession session;
    std::vector<std::string> rows;
    std::pair<bool, std::size_t> result;
    {
      ExportScript script(session,
                          {{selector.dialog,
                            selector.name,
                            {[&](UserInput& user) { user.Click(selector.addButton); },
                             [&](UserInput& user) {
                               rows = user.Read().Rows(IDC_FILE_LIST);
                               EXPECT_EQ(user.ShownRows(IDC_FILE_LIST), static_cast<int>(rows.size()));
                               user.Photograph(std::string(selector.name) + "_rows");
                               user.Click(IDOK);
                             }}},
                           {platform::ui::kOpenFileDialog,
                            std::string(selector.name) + "_open",
                            {[&](UserInput& user) { user.TypeOver(platform::ui::kFileNameField, selector.chosen); },
                             [](UserInput& user) { user.Click(IDOK); }}}});
      result = selector.run();
    }
    EXPECT_EQ(result, std::pair(true, std::size_t{1}));
    EXPECT_EQ(rows, std::vector<std::string>{selector.row});
    EXPECT_EQ(machine.Read(GetSettingsFolder() + selector.namesFile), selector.names);
  }
}

}  // namespace
