// overlays shape read, end to end: the summary of a geographic file, the
// GeoJSON of a projected one taken back to latitude and longitude through
// its own grid, and one clear line when there is no shapefile to read.
// overlays shape load behind the loading dialog, with and without Quit, and
// the shape file selector's commands on the remembered list.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include <shapefil.h>

#include "CliRunner.h"
#include "ShapefileWriter.h"
#include "support/TestMachine.h"

namespace {

using testing_support::CliResult;
using testing_support::Contains;
using testing_support::RunCli;
using testing_support::TempFolder;
using Json = nlohmann::json;

// The British grid as GDAL writes it into a .prj (EPSG 27700).
constexpr char kBritishGrid[] =
    R"(PROJCS["British_National_Grid",GEOGCS["GCS_OSGB_1936",DATUM["D_OSGB_1936",SPHEROID["Airy_1830",6377563.396,299.3249646]],PRIMEM["Greenwich",0.0],UNIT["Degree",0.0174532925199433]],PROJECTION["Transverse_Mercator"],PARAMETER["False_Easting",400000.0],PARAMETER["False_Northing",-100000.0],PARAMETER["Central_Meridian",-2.0],PARAMETER["Scale_Factor",0.9996012717],PARAMETER["Latitude_Of_Origin",49.0],UNIT["Meter",1.0]])";

class CliShape : public ::testing::Test {
 public:
  CliResult Read(const std::filesystem::path& file, const char* format = "text") {
    return RunCli({"--root", sandbox.Path().string(), "shape", "read", file.string(), "--format", format});
  }

  TempFolder sandbox, charts;
};

TEST_F(CliShape, PrintsTheSummaryOfAGeographicPolylineFile) {
  tools::WriteShapefile(charts.Path() / "equator", SHPT_ARC, {{{}, {0, 1, 2}, {0, 0, 0}}});
  tools::WriteAttributeTable(charts.Path() / "equator", {"NAME", "DEPTH"});
  const CliResult r = Read(charts.Path() / "equator.shp");
  ASSERT_EQ(r.status, 0) << r.err;
  for (const char* line : {"shape type: PolyLine", "entities: 1\n", "coordinates: geographic, degrees",
                           "ellipsoid: \"WGS 1984\", a 6378137.0000 m", "fields: NAME, DEPTH",
                           // Two degrees of the equator, 2 x 111.319491 km.
                           "total length: 222.639 km"})
    EXPECT_TRUE(Contains(r.out, line)) << line << "\n" << r.out;
}

TEST_F(CliShape, GivesAProjectedFileInLatitudeAndLongitudeThroughItsOwnGrid) {
  // The grid's true origin, 49 N 2 W, and a point 100 km east of it.
  tools::WriteShapefile(charts.Path() / "bng", SHPT_MULTIPOINT, {{{}, {400000, 500000}, {-100000, -100000}}});
  std::ofstream(charts.Path() / "bng.prj") << kBritishGrid;
  const CliResult text = Read(charts.Path() / "bng.shp");
  ASSERT_EQ(text.status, 0) << text.err;
  for (const char* line : {"grid: \"British National Grid\", kind 1 variant 0, origin 49 -2", "area: OSGB 1936",
                           "total length: n/a (projected coordinates;"})
    EXPECT_TRUE(Contains(text.out, line)) << line << "\n" << text.out;
  const CliResult r = Read(charts.Path() / "bng.shp", "geojson");
  ASSERT_EQ(r.status, 0) << r.err;
  const Json geometry = Json::parse(r.out)["features"][0]["geometry"];
  EXPECT_EQ(geometry["type"], "MultiPoint");
  EXPECT_EQ(geometry["coordinates"][0], Json::parse("[-2, 49]"));
  EXPECT_GT(geometry["coordinates"][1][0].get<double>(), -0.7);  // about 1.37 degrees east at 49 N
}

// A shapefile without its index is refused by load and add below.
TEST_F(CliShape, SaysInOneLineWhyNothingWasRead) {
  const CliResult r = Read(charts.Path() / "missing.shp");
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.out.empty()) << r.out;
  EXPECT_TRUE(Contains(r.err, "no such file")) << r.err;
  EXPECT_EQ(testing_support::Lines(r.err).size(), 1u) << r.err;
}

// The list lives in the sandbox's settings between runs, as the host's
// does; each row is one run, in order.
TEST_F(CliShape, LoadsAndWorksTheSelectorOnTheRememberedList) {
  const std::filesystem::path folder = sandbox.Path() / "C" / "Charts";
  std::filesystem::create_directories(folder);
  tools::WriteShapefile(folder / "buoys", SHPT_POINT, {{{}, {1}, {50}}, {{}, {2}, {51}}, {{}, {3}, {52}}});
  tools::WriteAttributeTable(folder / "buoys", {"ID", "TextString"});
  tools::WriteShapefile(folder / "coast", SHPT_ARC, {{{}, {0, 1}, {0, 0}}});
  tools::WriteShapefile(folder / "alone", SHPT_ARC, {{{}, {0, 1}, {0, 0}}});
  std::filesystem::remove(folder / "alone.shx");
  // Big enough that its load is still running when Quit is pressed on the
  // dialog's first turn.
  std::vector<tools::ShapefileEntity> soundings(50000, {{}, {-4.1}, {50.3}});
  tools::WriteShapefile(folder / "soundings", SHPT_POINT, soundings);
  const std::string header = "File Name\tPoints\tLines\tPolygons\tDisplay\tColour\tSize\tFill Polygon\n";
  const std::string buoys = "buoys\t3\t\t\tShow\tGrey\tMedium\tNo\n";
  const std::string root = sandbox.Path().string();
  const auto shape = [&](std::vector<std::string> args) {
    args.insert(args.begin(), {"--root", root, "shape"});
    return args;
  };
  const testing_support::CliCase cases[] = {
      {shape({"load", "C:\\Charts\\buoys.shp"}), 0, "entities: 3\n", ""},
      {shape({"load", "C:\\Charts\\soundings.shp", "--quit-after", "0"}), 1, "",
       "entities copied; nothing was loaded"},
      {shape({"load", "C:\\Charts\\buoys.shp", "--quit-after", "99", "--format", "geojson"}), 0, "FeatureCollection",
       "the load ended, 3 entities copied, before Quit was pressed"},
      {shape({"load", "C:\\Charts\\alone.shp"}), 1, "", "do not both open as a shapefile"},
      {shape({"list"}), 0, header, ""},
      {shape({"add", "C:\\Charts\\buoys.shp"}), 0, header + buoys, ""},
      {shape({"add", "C:\\CHARTS\\BUOYS.SHP"}), 1, "", "is in the list already"},
      {shape({"add", "C:\\Charts\\alone.shp"}), 1, "", "nothing loaded from C:\\Charts\\alone.shp"},
      {shape({"add", "C:\\Charts\\coast.shp"}), 0, header + buoys + "coast\t\t1\t\tShow\tGrey\tMedium\tNo\n", ""},
      {shape({"set", "2", "size=large"}), 0, "coast\t\t1\t\tShow\tGrey\tLarge\tNo\n", ""},
      {shape({"set", "2", "Colour=Dark Red"}), 0, "coast\t\t1\t\tShow\tDark Red\tLarge\tNo\n", ""},
      {shape({"set", "1", "Fill Polygon=Yes"}), 0, "buoys\t3\t\t\tShow\tGrey\tMedium\tYes\n", ""},
      {shape({"set", "1", "Size=Huge"}), 1, "", "Size cannot be Huge: choose one of Small, Medium, Large"},
      {shape({"set", "3", "Display=Hide"}), 1, "", "there is no file 3: the selector lists 2"},
      {shape({"remove", "1"}), 0, header + "coast\t\t1\t\tShow\tDark Red\tLarge\tNo\n", ""},
  };
  for (const auto& c : cases) testing_support::ExpectCli(c);
  EXPECT_EQ(testing_support::ReadHostFile(folder / "coast.INI").value_or(""),
            "Status = 1\nStyle = 4\nSize = 1\nColour = 128\nFill = 0\nLabel Mode = 0\nLabel Position = 0\n"
            "Label Column = 0\nIcon Mode = 0\n");
  EXPECT_TRUE(Contains(testing_support::ReadHostFile(folder / "buoys.INI").value_or(""), "Label Column = 1\n"))
      << "the loader points the labels at TextString";
}

}  // namespace
