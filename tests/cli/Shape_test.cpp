// overlays shape read, end to end: the summary of a geographic file, the
// GeoJSON of a projected one taken back to latitude and longitude through
// its own grid, and one clear line when there is no shapefile to read.

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
  EXPECT_TRUE(Contains(text.out, "grid: \"British National Grid\", kind 1 variant 0, origin 49 -2")) << text.out;
  EXPECT_TRUE(Contains(text.out, "area: OSGB 1936")) << text.out;
  EXPECT_TRUE(Contains(text.out, "total length: n/a (projected coordinates;")) << text.out;
  const CliResult r = Read(charts.Path() / "bng.shp", "geojson");
  ASSERT_EQ(r.status, 0) << r.err;
  const Json geometry = Json::parse(r.out)["features"][0]["geometry"];
  EXPECT_EQ(geometry["type"], "MultiPoint");
  EXPECT_EQ(geometry["coordinates"][0], Json::parse("[-2, 49]"));
  EXPECT_GT(geometry["coordinates"][1][0].get<double>(), -0.7);  // about 1.37 degrees east at 49 N
}

TEST_F(CliShape, SaysInOneLineWhyNothingWasRead) {
  tools::WriteShapefile(charts.Path() / "alone", SHPT_ARC, {{{}, {0, 1}, {0, 0}}});
  std::filesystem::remove(charts.Path() / "alone.shx");
  const struct {
    std::filesystem::path file;
    const char* why;
  } cases[] = {
      {charts.Path() / "missing.shp", "no such file"},
      {charts.Path() / "alone.shp", "do not both open as a shapefile"},
  };
  for (const auto& c : cases) {
    const CliResult r = Read(c.file);
    EXPECT_EQ(r.status, 1) << c.file;
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_TRUE(Contains(r.err, c.why)) << r.err;
    EXPECT_EQ(testing_support::Lines(r.err).size(), 1u) << r.err;
  }
}

}  // namespace
