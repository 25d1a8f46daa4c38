// The host's list of KML overlays: what is added, and the remembered names.

#include "kml/KMLFileList.h"

#include <gtest/gtest.h>

#include "frame/Folders.h"
#include "kml/KmzArchive.h"
#include "support/TestMachine.h"

namespace {

using testing_support::TestMachine;
using testing_support::WriteKmz;

const std::string kPoint =
    "<kml>\n<Placemark>\n<Point>\n<coordinates>1,2,0</coordinates>\n</Point>\n</Placemark>\n</kml>\n";
const std::string kStylesOnly =
    "<kml>\n<Style id=\"a\">\n<LineStyle>\n<width>2</width>\n</LineStyle>\n</Style>\n</kml>\n";

class KMLFileListTest : public ::testing::Test {
 protected:
  void Archive(const std::string& path, const std::string& kml) { WriteKmz(machine.Host(path), {{"doc.kml", kml}}); }
  std::optional<std::string> SavedNames() const { return machine.Read(GetSettingsFolder() + "KML_Files.FLS"); }

  TestMachine machine;
  CKMLFileList list;
};

TEST_F(KMLFileListTest, AnAddedArchiveIsRememberedAndSavedOnceWhateverItsCase) {
  Archive("C:\\Charts\\a.kmz", kPoint);
  Archive("C:\\Maps\\b, c.kmz", kPoint);
  ASSERT_TRUE(list.Add("C:\\Charts\\a.kmz"));
  ASSERT_TRUE(list.Add("C:\\Maps\\b, c.kmz"));
  EXPECT_FALSE(list.Add("c:\\CHARTS\\A.KMZ"));
  EXPECT_EQ(list.GetCount(), 2u);
  EXPECT_EQ(list.Find("C:\\maps\\B, C.kmz"), 1);
  EXPECT_EQ(list.GetAt(1).Points().size(), 1u);
  EXPECT_EQ(list.modified, 1);
  EXPECT_EQ(list.names.GetRecentFolder(), "C:\\Maps");
  // The name line, then one path a line, written as it is, without escapes.
  EXPECT_EQ(SavedNames(), "[KML Files]\nC:\\Charts\\a.kmz\nC:\\Maps\\b, c.kmz\n");
}

TEST_F(KMLFileListTest, AnArchiveThatLoadsNothingIsNotAddedNorRememberedButSaysWhy) {
  Archive("C:\\Charts\\styles.kmz", kStylesOnly);
  const std::pair<const char*, KMLLoadProblem> cases[] = {
      {"C:\\Charts\\styles.kmz", KMLLoadProblem::NothingRead},
      {"C:\\Charts\\missing.kmz", KMLLoadProblem::Archive},
  };
  for (const auto& [path, problem] : cases) {
    EXPECT_FALSE(list.Add(path)) << path;
    EXPECT_EQ(list.LastOutcome().problem, problem) << path;
  }
  EXPECT_EQ(list.GetCount(), 0u);
  EXPECT_EQ(list.modified, 0);
  EXPECT_EQ(list.names.GetCount(), 0u);
  EXPECT_FALSE(SavedNames().has_value());
}

}  // namespace
