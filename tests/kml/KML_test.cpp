// The KML reader over KMZ archives written by an independent zip writer:
// what each parser takes and passes over, the load's result, and the
// temporary folder beside the archive.

#include "kml/KML.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <tuple>

#include "kml/CoordinateText.h"
#include "kml/KmzArchive.h"
#include "support/TestMachine.h"

namespace {

namespace stdfs = std::filesystem;
using testing_support::Files;
using testing_support::KmzEntries;
using testing_support::TestMachine;
using testing_support::WriteKmz;

// Positions are stored as degrees times the module's factor; reading them
// back through the same factor leaves one rounding, far below 1e-12°.
constexpr double kDegreeTolerance = 1e-12;

constexpr char kArchive[] = "C:\\Charts\\overlay.kmz";

std::string Kml(const std::string& body) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n<Document>\n" +
         body + "</Document>\n</kml>\n";
}

const std::string kPoint = "<Placemark>\n<Point>\n<coordinates>1,2,0</coordinates>\n</Point>\n</Placemark>\n";

class KMLTest : public ::testing::Test {
 protected:
  void Archive(const KmzEntries& entries, const std::string& path = kArchive) {
    WriteKmz(machine.Host(path), entries);
  }
  bool LoadOne(const std::string& kml) {
    Archive({{"doc.kml", kml}});
    return overlay.Load(kArchive);
  }
  std::set<std::string> Listing(const std::string& windowsFolder) const { return Files(machine.Host(windowsFolder)); }
  static void ExpectDegrees(const tagXY& p, double lon, double lat) {
    EXPECT_NEAR(p.x / kRadiansPerDegree, lon, kDegreeTolerance);
    EXPECT_NEAR(p.y / kRadiansPerDegree, lat, kDegreeTolerance);
  }

  TestMachine machine;
  CKML overlay;
};

TEST_F(KMLTest, StylesKeepWidthAndColoursAndDropStylesThatSetNothing) {
  ASSERT_TRUE(LoadOne(Kml(
      "<Style id=\"Red\">\n  <LineStyle>\n  <color>ff0000ff</color>\n<width>3</width>\n</LineStyle>\n"
      "<PolyStyle>\n<color>7f00ff00</color>\n</PolyStyle>\n</Style>\n"
      "<Style id=\"OnlyUnknown\">\n<LineStyle>\n<gx:outerWidth>2</gx:outerWidth>\n</LineStyle>\n</Style>\n"
      "<style ID=  \"FillOnly\">\n<PolyStyle>\n<color>ff112233</color>\n</PolyStyle>\n</style>\n"
      "<StyleMap id=\"Pair\">\n<LineStyle>\n<width>9</width>\n</LineStyle>\n</StyleMap>\n" +
      kPoint)));
  // Ids keep their case, losing leading blanks and every '"' and '>';
  // what a style does not set keeps its default.
  using Look = std::tuple<std::string, int, std::uint32_t, std::uint32_t>;
  std::vector<Look> looks;
  for (const auto& s : overlay.Styles()) looks.emplace_back(s->id, s->width, s->lineColour, s->polygonColour);
  EXPECT_EQ(looks, (std::vector<Look>{{"Red", 3, 0xFF0000, 0x00FF00}, {"FillOnly", 1, 0xFF0000, 0x332211}}));
}

// Files are read in name order, not the archive's. A geometry takes the
// name and style read before it in its placemark, in lower case and
// Windows-1252: "Île Verte" in UTF-8 becomes "île verte".
TEST_F(KMLTest, PlacemarkGeometryLinesAndTwoRingsFromEveryFileInNameOrder) {
  const std::string line = "<LineString>\n<coordinates>1,2,0 3,4,0</coordinates>\n</LineString>\n";
  Archive({{"b.kml", Kml("<Placemark>\n<name>Harbour</name>\n<styleUrl>#Fill</styleUrl>\n<Polygon>\n<outerBoundaryIs>\n"
                         "<LinearRing>\n<coordinates>0,0,0 1,0,0 1,1,0 0,0,0</coordinates>\n</LinearRing>\n"
                         "</outerBoundaryIs>\n<innerBoundaryIs>\n<LinearRing>\n"
                         "<coordinates>0.2,0.2,0 0.4,0.2,0 0.2,0.4,0 0.2,0.2,0\n</coordinates>\n</LinearRing>\n"
                         "</innerBoundaryIs>\n</Polygon>\n</Placemark>\n<Placemark>\n" + line +
                         "<name>\xC3\x8Ele Verte</name>\n<styleUrl>#Wreck-A</styleUrl>\n<MultiGeometry>\n" + line +
                         "</MultiGeometry>\n</Placemark>\n")},
           {"A.KML", Kml("<Placemark>\n  <name>Route</name>\n  <LineString>\n    <tessellate>1</tessellate>\n"
                         "    <coordinates>\n      -1.25,50.5,0     -1.5,50.75,0\n      1.5,52.0   -2,51,0\n"
                         "         -3,52,10</coordinates>\n  </LineString>\n</Placemark>\n")}});
  ASSERT_TRUE(overlay.Load(kArchive));
  EXPECT_EQ(overlay.Outcome().placemarksRead, 3u);
  std::vector<std::string> lines;
  for (const auto& l : overlay.Lines()) lines.push_back(l->name + " " + l->styleUrl);
  EXPECT_EQ(lines, (std::vector<std::string>{"route ", " ", "\xEEle verte #wreck-a"}));
  // The two-field tuple 1.5,52.0 is passed over.
  const auto& route = overlay.Lines()[0]->points;
  const std::pair<double, double> expected[] = {{-1.25, 50.5}, {-1.5, 50.75}, {-2, 51}, {-3, 52}};
  ASSERT_EQ(route.GetSize(), 4u);
  for (std::size_t i = 0; i < 4; ++i) ExpectDegrees(route[i], expected[i].first, expected[i].second);
  // Outer and inner ring: two polygons with the same name.
  ASSERT_EQ(overlay.Polygons().size(), 2u);
  for (const auto& ring : overlay.Polygons()) {
    EXPECT_EQ(ring->name + " " + ring->styleUrl, "harbour #fill");
    EXPECT_EQ(ring->points.GetSize(), 4u);
  }
  ExpectDegrees(overlay.Polygons()[1]->points[1], 0.4, 0.2);
}

// Only coordinates of exactly three fields on the line after "<Point>"
// give a point its position and its placemark's name and style; other
// points stay unnamed at 0, 0.
TEST_F(KMLTest, WhatThePointParserPassesOver) {
  const std::pair<const char*, bool> cases[] = {
      {"<coordinates>1.5,52,0</coordinates>", true},
      {"<coordinates>5,6</coordinates>", false},
      {"<coordinates>5,6,0,1</coordinates>", false},
      {"<coordinates>\n7,8,0\n</coordinates>", false},
  };
  for (const auto& [coordinates, positioned] : cases) {
    ASSERT_TRUE(LoadOne(Kml(std::string("<Placemark>\n<name>North Buoy</name>\n<styleUrl>#Red</styleUrl>\n<Point>\n") +
                            coordinates + "\n</Point>\n</Placemark>\n")));
    ASSERT_EQ(overlay.Points().size(), 1u);
    const auto& p = *overlay.Points()[0];
    EXPECT_EQ(p.name + " " + p.styleUrl, positioned ? "north buoy #red" : " ") << coordinates;
    ExpectDegrees({p.x, p.y}, positioned ? 1.5 : 0, positioned ? 52 : 0);
  }
}

TEST_F(KMLTest, AFileEndingInsideARecordDropsThatRecord) {
  const std::string kept = "<Style id=\"Kept\">\n<LineStyle>\n<width>2</width>\n</LineStyle>\n</Style>\n" + kPoint;
  // The file ends after each of these; only the last holds a whole ring.
  const std::pair<const char*, std::size_t> cases[] = {
      {"<Style id=\"Cut\">\n<LineStyle>\n<width>4</width>\n</LineStyle>\n", 0},
      {"<Placemark>\n<Point>\n<coordinates>1,2,0</coordinates>\n", 0},
      {"<Placemark>\n<Polygon><outerBoundaryIs>\n<LinearRing>\n<coordinates>\n1,2,0\n", 0},
      {"<Placemark>\n<LineString>\n<coordinates>1,2,0 3,4,0</coordinates>\n", 0},
      {"<Placemark>\n<LinearRing>\n<coordinates>1,2,0</coordinates>\n</LinearRing>\n", 1},
  };
  for (const auto& [body, polygons] : cases) {
    Archive({{"doc.kml", "<kml>\n" + kept + body}});
    EXPECT_TRUE(overlay.Load(kArchive)) << body;
    const std::size_t counts[] = {overlay.Styles().size(), overlay.Points().size(), overlay.Lines().size(),
                                  overlay.Polygons().size()};
    EXPECT_THAT(counts, testing::ElementsAre(1, 1, 0, polygons)) << body;
  }
}

TEST_F(KMLTest, LoadIsTrueOnlyWhenGeometryWasReadAndOtherwiseSaysWhy) {
  // A load is true exactly when it has no problem.
  const std::tuple<KmzEntries, KMLLoadProblem, std::size_t> cases[] = {
      {{{"doc.kml", Kml(kPoint + kPoint)}}, KMLLoadProblem::None, 2},
      {{{"files/doc.kml", Kml(kPoint)}}, KMLLoadProblem::NoKMLFile, 0},  // KML only in a sub-folder
      {{{"a.kml", "<gpx>\n" + kPoint}, {"b.kml", Kml(kPoint)}}, KMLLoadProblem::None, 1},  // one file refused
  };
  for (const auto& [entries, problem, placemarksRead] : cases) {
    Archive(entries);
    EXPECT_EQ(overlay.Load(kArchive), problem == KMLLoadProblem::None) << entries[0].first;
    EXPECT_EQ(overlay.GetPath(), kArchive);
    EXPECT_EQ(overlay.Outcome().problem, problem) << entries[0].first;
    EXPECT_EQ(overlay.Outcome().placemarksRead, placemarksRead) << entries[0].first;
  }
}

// Why each of these fails is the host's end-to-end tests' matter; here,
// that a failed load forgets the last one and spares a file named Temp
// where the temporary folder would go.
TEST_F(KMLTest, AFailedLoadLeavesNoGeometryAndTheUsersFileAlone) {
  ASSERT_TRUE(LoadOne(Kml(kPoint)));
  machine.Write("C:\\Charts\\plain.kml", Kml(kPoint));
  EXPECT_FALSE(overlay.Load("C:\\Charts\\plain.kml"));
  EXPECT_FALSE(overlay.HasGeometry());
  machine.Write("C:\\Charts\\Temp", "a file");
  EXPECT_FALSE(overlay.Load(kArchive));
  EXPECT_EQ(machine.Read("C:\\Charts\\Temp"), "a file");
}

// A Temp folder the load made goes with everything extracted; one of the
// user's stays, with all that was in it.
TEST_F(KMLTest, TheTemporaryFolderLeavesNothingBehindAndTheUsersFilesAlone) {
  Archive({{"doc.kml", Kml(kPoint)}, {"files/", ""}, {"files/icons/buoy.png", "png"}, {"files/readme.txt", "x"}});
  ASSERT_TRUE(overlay.Load(kArchive));
  EXPECT_EQ(Listing("C:\\Charts\\"), std::set<std::string>{"overlay.kmz"});
  // The user's own Temp folder holds files with the names of the archive's
  // entries, and even a folder with the name our extraction would try first.
  const std::pair<const char*, const char*> userFiles[] = {
      {"C:\\Charts\\Temp\\doc.kml", "the user's own doc.kml"},
      {"C:\\Charts\\Temp\\notes.txt", "keep me"},
      {"C:\\Charts\\Temp\\files\\icons\\buoy.png", "the user's icon"},
      {"C:\\Charts\\Temp\\~kmz1\\mine.txt", "mine"},
  };
  for (const auto& [path, text] : userFiles) machine.Write(path, text);
  const auto before = Listing("C:\\Charts\\Temp\\");

  // A load, a load of nothing, and one with an entry refused half way.
  const std::pair<KmzEntries, bool> loads[] = {
      {{{"doc.kml", Kml(kPoint)}, {"files/icons/buoy.png", "png"}}, true},
      {{{"doc.kml", "<gpx>\n"}, {"notes.txt", "theirs"}}, false},
      {{{"doc.kml", Kml(kPoint)}, {"../escape.kml", Kml(kPoint)}, {"b.kml", Kml(kPoint)}}, true}};
  for (const auto& [entries, loaded] : loads) {
    Archive(entries);
    EXPECT_EQ(overlay.Load(kArchive), loaded);
    EXPECT_EQ(Listing("C:\\Charts\\Temp\\"), before) << entries.size();
    for (const auto& [path, text] : userFiles) EXPECT_EQ(machine.Read(path), text) << entries.size() << ": " << path;
  }
  // Even an empty Temp folder of the user's stays.
  stdfs::remove_all(machine.Host("C:\\Charts\\Temp"));
  stdfs::create_directory(machine.Host("C:\\Charts\\Temp"));
  ASSERT_TRUE(LoadOne(Kml(kPoint)));
  EXPECT_TRUE(stdfs::is_directory(machine.Host("C:\\Charts\\Temp")));
}

TEST_F(KMLTest, AnArchiveWithoutAFolderExtractsIntoTempOfTheCurrentFolder) {
  // A bare file name: the temporary folder is "Temp\" of the current
  // folder, the root of C: on the test machine.
  Archive({{"doc.kml", Kml(kPoint)}}, "C:\\bare.kmz");
  machine.Edit([](platform::fs::Platform& p) { p.currentDirectory = "C:\\"; });
  EXPECT_TRUE(overlay.Load("bare.kmz"));
  EXPECT_FALSE(machine.Exists("C:\\Temp"));
}

}  // namespace
