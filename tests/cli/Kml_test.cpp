// overlays kml load and kml normalise, end to end: the records as text and
// GeoJSON, a clear line for every reason nothing loaded, the warning for
// placemarks the reader passed over, and KMZ files of other producers
// (GDAL's ogr2ogr among them) made readable by the normaliser.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "CliRunner.h"
#include "kml/KmzArchive.h"
#include "support/TestMachine.h"

namespace {

using testing_support::CliResult;
using testing_support::Contains;
using testing_support::KmzEntries;
using testing_support::RunCli;
using testing_support::TempFolder;
using testing_support::WriteBomb;
using testing_support::WriteKmz;
namespace stdfs = std::filesystem;
using Json = nlohmann::json;

std::string Kml(const std::string& body) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n" + body +
         "</kml>\n";
}

const std::string kStyle = "<Style id=\"Red\">\n<LineStyle>\n<color>ff0000ff</color>\n<width>3</width>\n"
                           "</LineStyle>\n</Style>\n";
// A placemark in the one-element-a-line layout the reader reads; a named one wears the style Red.
std::string Mark(const std::string& name, const std::string& geometry, const std::string& coordinates) {
  const std::string named = name.empty() ? "" : "<name>" + name + "</name>\n<styleUrl>#Red</styleUrl>\n";
  return "<Placemark>\n" + named + "<" + geometry + ">\n<coordinates>" + coordinates + "</coordinates>\n</" +
         geometry + ">\n</Placemark>\n";
}

const std::string kPoint = Mark("North Buoy", "Point", "1.5,52.25,0");
const std::string kRoute = Mark("Route", "LineString", "-1.25,50.5,0 -1.5,50.75,0");
const std::string kOneLinePoint =
    "<Placemark><name>Flat</name><Point><coordinates>3,4,0</coordinates></Point></Placemark>\n";

class CliKml : public ::testing::Test {
 public:
  stdfs::path Kmz(const std::string& name, const KmzEntries& entries) {
    WriteKmz(charts.Path() / name, entries);
    return charts.Path() / name;
  }
  CliResult Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--root", sandbox.Path().string()});
    return RunCli(args);
  }
  CliResult Load(const stdfs::path& file, const char* format = "text") {
    return Run({"kml", "load", file.string(), "--format", format});
  }

  TempFolder sandbox, charts;
};

// A placemark in another layout is passed over and counted in a warning.
TEST_F(CliKml, PrintsTheRecordsOfAnArchiveOutsideEveryDriveAndLeavesNothingBehind) {
  const CliResult r = Load(Kmz("overlay.kmz", {{"doc.kml", Kml(kStyle + kPoint + kOneLinePoint + kRoute)}}));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(Contains(r.err, "warning: 1 of 3 placemarks were not read; `overlays kml normalise`")) << r.err;
  EXPECT_TRUE(Contains(r.out, "1 styles, 1 points, 1 lines, 0 polygons")) << r.out;
  EXPECT_TRUE(Contains(r.out, "style Red: width 3, line #FF0000, polygon #008000")) << r.out;
  EXPECT_TRUE(Contains(r.out, "point \"north buoy\" #red: 1.50000000 52.25000000")) << r.out;
  EXPECT_TRUE(Contains(r.out, "  -1.50000000 50.75000000")) << r.out;
  EXPECT_EQ(testing_support::Files(charts.Path()), std::set<std::string>{"overlay.kmz"});
}

// A line of one point and a ring of two have no GeoJSON form: they are
// left out and counted, and rings are closed.
TEST_F(CliKml, WritesValidGeoJsonWithTheStylesLook) {
  const std::string shortLine = Mark("", "LineString", "1,1,0");
  const std::string openRing = Mark("", "LinearRing", "0,0,0 1,0,0 1,1,0");
  const std::string twoPointRing = Mark("", "LinearRing", "0,0,0 1,0,0 0,0,0");
  const std::string kml = Kml(kStyle + kPoint + kRoute + shortLine + openRing + twoPointRing);
  const CliResult r = Load(Kmz("o.kmz", {{"doc.kml", kml}}), "geojson");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(Contains(r.err, "warning: 2 lines or polygons with too few points")) << r.err;
  const Json collection = Json::parse(r.out);
  const Json& features = collection["features"];
  ASSERT_EQ(features.size(), 3u);
  EXPECT_EQ(features[0]["geometry"]["coordinates"], Json::parse("[1.5,52.25]"));
  EXPECT_EQ(features[1]["properties"], Json::parse(R"({"name":"route","styleUrl":"#red","stroke":"#FF0000",
                                                      "stroke-width":3,"fill":"#008000"})"));
  EXPECT_EQ(features[2]["geometry"]["coordinates"], Json::parse("[[[0,0],[1,0],[1,1],[0,0]]]"));
}

// KML as other producers write it: one line per document, styles in style
// maps and inline, placemarks in folders and multi-geometries, two-field
// tuples, a polygon with a hole, and the features in "layers/" behind a
// NetworkLink.
const std::string kForeign =
    "<?xml version=\"1.0\"?><kml xmlns=\"http://www.opengis.net/kml/2.2\"><Document>"
    "<Style id=\"s1\"><LineStyle><color>ff00ff00</color><width>2.6</width></LineStyle></Style>"
    "<StyleMap id=\"m1\"><Pair><key>normal</key><styleUrl>#s1</styleUrl></Pair>"
    "<Pair><key>highlight</key><styleUrl>#nothing</styleUrl></Pair></StyleMap>"
    "<Folder><name>Marks</name><Folder><Placemark><name>Deep &amp; Low</name><styleUrl>#m1</styleUrl>"
    "<Point><coordinates>-4.123456,50.654321</coordinates></Point></Placemark></Folder></Folder>"
    "<Placemark><name>Pair</name><Style><PolyStyle><color>80ff0000</color></PolyStyle></Style><MultiGeometry>"
    "<LineString><coordinates>1,2 3,4\n5,6</coordinates></LineString>"
    "<Polygon><outerBoundaryIs><LinearRing><coordinates>0,0 4,0 4,4 0,0</coordinates></LinearRing>"
    "</outerBoundaryIs><innerBoundaryIs><LinearRing><coordinates>1,1 2,1 2,2 1,1</coordinates></LinearRing>"
    "</innerBoundaryIs></Polygon></MultiGeometry></Placemark>"
    "<NetworkLink><Link><href>layers/more.kml</href></Link></NetworkLink></Document></kml>";

TEST_F(CliKml, NormaliseMakesEveryPlacemarkOfAnotherLayoutReadable) {
  const auto in = Kmz("foreign.kmz", {{"doc.kml", kForeign}, {"layers/more.kml", Kml(kOneLinePoint)}});
  const auto out = charts.Path() / "normal.kmz";
  const CliResult n = Run({"kml", "normalise", in.string(), out.string()});
  ASSERT_EQ(n.status, 0) << n.err;
  EXPECT_TRUE(Contains(n.out, "3 placemarks (2 points, 1 lines, 2 rings), 2 styles, from 2 KML files")) << n.out;
  const CliResult r = Load(out);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");  // nothing passed over
  const char* lines[] = {
      "2 styles, 2 points, 1 lines, 2 polygons",
      "style s1: width 3, line #00FF00, polygon #008000",
      "style inline1: width 1, line #FF0000, polygon #0000FF",
      "point \"deep &amp; low\" #s1: -4.12345600 50.65432100",
      "point \"flat\" : 3.00000000 4.00000000",
      "line \"pair\" #inline1: 3 points",
      "polygon \"pair\" #inline1: 4 points\n  0.00000000 0.00000000\n  4.00000000 0.00000000",
      "polygon \"pair\" #inline1: 4 points\n  1.00000000 1.00000000",
  };
  for (const char* line : lines) EXPECT_TRUE(Contains(r.out, line)) << line << "\n" << r.out;
}

// Reasons nothing loads or is normalised, each said in one line, with
// nothing written and nothing left behind.
TEST_F(CliKml, EveryRefusalSaysWhyInOneLineAndWritesNothing) {
  std::ofstream(charts.Path() / "text.kmz") << "just text";
  WriteBomb(charts.Path() / "bomb.kmz", {{"doc.kml", std::string(16u << 20, ' ')}});
  const std::string bomb = "refused as a ZIP bomb: entry doc.kml inflates to more than 100 times its compressed size";
  const struct {
    const char* command;
    const char* file;  // written from the entries, or laid down above (or missing) without
    KmzEntries entries;
    std::string message;
  } cases[] = {
      {"load", "missing.kmz", {}, "no such file"},
      {"load", "text.kmz", {}, "text.kmz: not a ZIP archive"},
      {"load", "bomb.kmz", {}, bomb},
      {"load", "none.kmz", {{"doc.txt", "x"}}, "no KML file at the top of the archive"},
      {"load", "styles.kmz", {{"doc.kml", Kml(kStyle)}}, "no point, line or polygon in the layout the reader reads"},
      {"load", "flat.kmz", {{"doc.kml", Kml(kOneLinePoint)}},
       "it holds 1 placemarks: `overlays kml normalise` rewrites the file so they are"},
      {"normalise", "bomb.kmz", {}, bomb},
      {"normalise", "tag.kmz", {{"doc.kml", "<kml><Placemark></kml>"}}, "doc.kml line 1: mismatched tag"},
      {"normalise", "dtd.kmz", {{"doc.kml", "<?xml version=\"1.0\"?>\n<!DOCTYPE kml [<!ENTITY a \"a\">]>\n<kml/>"}},
       "doc.kml line 2: document type declarations are not accepted"},
      {"normalise", "styles.kmz", {{"doc.kml", Kml(kStyle)}}, "no placemark with a point, line or polygon"},
      {"normalise", "none.kmz", {{"doc.txt", "x"}}, "no KML file in the archive"},
      {"normalise", "deep.kmz", {{"doc.kml", Kml("<Placemark>" + std::string(300, '<') + "</Placemark>\n")}},
       "not well-formed"},
  };
  const auto out = charts.Path() / "out.kmz";
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.command) + " " + c.file);
    const auto in = c.entries.empty() ? charts.Path() / c.file : Kmz(c.file, c.entries);
    const auto before = testing_support::Files(charts.Path());
    std::vector<std::string> args = {"kml", c.command, in.string()};
    if (args[1] == "normalise") args.push_back(out.string());
    const CliResult r = Run(args);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.err, c.message)) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_EQ(testing_support::Files(charts.Path()), before);
  }
  // A file named Temp where the archive would be unpacked.
  std::ofstream(charts.Path() / "Temp") << "mine";
  const CliResult r = Load(Kmz("point.kmz", {{"doc.kml", Kml(kPoint)}}));
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(Contains(r.err, "cannot create the temporary folder")) << r.err;
}

// GDAL's ogr2ogr as the independent producer: a shapefile made from
// GeoJSON, written by its KML driver (zipped here) and its LIBKML driver,
// normalised and loaded. The module prints 8 decimals of a degree, and its
// two rounded degree factors differ from exact inverses by 3e-13 of the
// value, so every position must come back within 1e-8 degree.
constexpr double kDegreeTolerance = 1e-8;

// One shapefile a geometry type; ogr2ogr reads their folder as one
// source of three layers.
const char* const kSources[] = {
    R"({"type":"FeatureCollection","features":[
{"type":"Feature","properties":{"name":"North Buoy"},"geometry":{"type":"Point","coordinates":[1.5,52.25]}},
{"type":"Feature","properties":{"name":"Wreck B"},"geometry":{"type":"Point","coordinates":[-4.123456,50.654321]}}]})",
    R"({"type":"FeatureCollection","features":[
{"type":"Feature","properties":{"name":"Route"},"geometry":{"type":"LineString",
 "coordinates":[[-1.25,50.5],[-1.5,50.75],[-2.000001,51.123456]]}}]})",
    R"({"type":"FeatureCollection","features":[
{"type":"Feature","properties":{"name":"Harbour"},"geometry":{"type":"Polygon","coordinates":[
[[0,0],[0,4],[4,4],[4,0],[0,0]],[[1,1],[2,1],[2,2],[1,1]]]}}]})"};

bool Near(const Json& a, const Json& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    for (std::size_t k = 0; k < 2; ++k)
      if (std::abs(a[i][k].get<double>() - b[i][k].get<double>()) > kDegreeTolerance) return false;
  return true;
}

// The position lists of the features in order: a point's as a list of one,
// a polygon's one list a ring.
Json PositionLists(const Json& features) {
  Json lists = Json::array();
  for (const auto& feature : features) {
    const Json& g = feature["geometry"];
    if (g["type"] == "Point")
      lists.push_back(Json::array({g["coordinates"]}));
    else if (g["type"] == "LineString")
      lists.push_back(g["coordinates"]);
    else
      for (const auto& ring : g["coordinates"]) lists.push_back(ring);
  }
  return lists;
}

TEST_F(CliKml, EveryFeatureOfGdalsKmlComesBackThroughTheNormaliser) {
  if (std::system("command -v ogr2ogr > /dev/null 2>&1") != 0) GTEST_SKIP() << "ogr2ogr is not installed";
  const auto work = charts.Path();
  const auto ogr = [&](const std::string& args) {
    return std::system(("cd '" + work.string() + "' && ogr2ogr " + args + " > /dev/null 2>&1").c_str()) == 0;
  };
  stdfs::create_directory(work / "shp");
  for (int i = 0; i < 3; ++i) {
    const std::string name = "layer" + std::to_string(i);
    std::ofstream(work / (name + ".geojson")) << kSources[i];
    ASSERT_TRUE(ogr("-f 'ESRI Shapefile' shp/" + name + ".shp " + name + ".geojson"));
  }
  ASSERT_TRUE(ogr("-f KML gdal.kml shp"));
  WriteKmz(work / "gdal.kmz", {{"doc.kml", testing_support::ReadHostFile(work / "gdal.kml").value_or("")}});
  std::vector<std::string> kmzs = {"gdal.kmz"};
  if (ogr("-f LIBKML libkml.kmz shp")) kmzs.push_back("libkml.kmz");

  Json source = Json::array();
  for (const char* text : kSources) {
    const Json layer = Json::parse(text);
    for (const auto& feature : layer["features"]) source.push_back(feature);
  }
  const Json expected = PositionLists(source);
  for (const auto& kmz : kmzs) {
    SCOPED_TRACE(kmz);
    const CliResult n = Run({"kml", "normalise", (work / kmz).string(), (work / ("n-" + kmz)).string()});
    ASSERT_EQ(n.status, 0) << n.err;
    const CliResult r = Load(work / ("n-" + kmz), "geojson");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    // Points, then lines, then each ring as a polygon of its own.
    const Json got = Json::parse(r.out)["features"];
    ASSERT_EQ(got.size(), 5u) << r.out;
    EXPECT_EQ(got[0]["properties"]["name"], "north buoy");
    EXPECT_EQ(got[1]["properties"]["name"], "wreck b");
    const Json lists = PositionLists(got);
    for (std::size_t i = 0; i < expected.size(); ++i) {
      Json reversed = expected[i];
      std::reverse(reversed.begin(), reversed.end());
      // Shapefiles keep rings clockwise, so a ring may come back reversed.
      const bool ring = i >= 3;
      EXPECT_TRUE(Near(lists[i], expected[i]) || (ring && Near(lists[i], reversed))) << lists[i];
    }
  }
}

// kml select keeps the host's list between runs through the remembered
// names: archives inside the machine's drives come back in the next run.
TEST_F(CliKml, SelectAddsListsAndRemovesThroughTheSelector) {
  WriteKmz(sandbox.Path() / "C" / "Charts" / "a.kmz", {{"doc.kml", Kml(kPoint + kRoute)}});
  WriteKmz(sandbox.Path() / "C" / "Charts" / "styles.kmz", {{"doc.kml", Kml(kStyle)}});
  const std::string header = "File Name\tPoints\tLines\tPolygons\n";
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string out, err;
  } const cases[] = {
      {{"--add", "C:\\Charts\\a.kmz"}, 0, header + "a\t1\t1\t\n", ""},
      {{"--add", "C:\\CHARTS\\A.KMZ"}, 1, "", "is in the list already"},
      {{"--add", "C:\\Charts\\styles.kmz"}, 1, "", "no point, line or polygon"},
      {{"--list"}, 0, header + "a\t1\t1\t\n", ""},
      {{"--remove", "2"}, 1, "", "there is no file 2: the selector lists 1"},
      {{"--remove", "1"}, 0, header, ""},
      {{}, 1, "", "give --add FILE, --remove N or --list"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args{"kml", "select"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliResult r = Run(args);
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_EQ(r.out, c.out);
    EXPECT_TRUE(Contains(r.err, c.err)) << r.err;
  }
}

}  // namespace
