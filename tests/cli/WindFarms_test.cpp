// The wind farm commands end to end on the bundled sample package,
// installed once into a sandbox, and on hostile wind farm files.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "CliRunner.h"
#include "support/TestMachine.h"

namespace {

using testing_support::CliResult;
using testing_support::Contains;
using testing_support::ExpectCli;
using testing_support::Lines;
using testing_support::RunCli;
using testing_support::TempFolder;
namespace stdfs = std::filesystem;

const stdfs::path kSamplePackage = stdfs::path(OVERLAYS_BINARY_DIR) / "data" / "Sample Wind Farms Jan 2026.WFZ";

std::vector<std::string> In(const TempFolder& sandbox, std::vector<std::string> args) {
  args.insert(args.begin(), {"--root", sandbox.Path().string(), "windfarms"});
  return args;
}

// Each command acts on the lists as the one before left them: a farm
// found becomes the farm the tables show, and the settings carry on.
TEST(WindFarmsCli, EveryCommandOnTheSamplePackage) {
  TempFolder sandbox;
  stdfs::create_directories(sandbox.Path() / "C" / "Navlore Download");
  stdfs::copy_file(kSamplePackage, sandbox.Path() / "C" / "Navlore Download" / kSamplePackage.filename());
  ExpectCli({{"--root", sandbox.Path().string(), "install", "--yes"}, 0,
             "unpacked into C:\\MyData\\WindFarms\\: About the sample data.txt, Boundaries.geojson, Turbines.geojson",
             ""});
  const struct {
    std::vector<std::string> args;
    int status;
    std::vector<std::string> out;  // each on standard output
    std::string err;
  } rows[] = {
      {{"find", "Cobalt Reach"}, 0,
       {"13 names\n  (no farm)\n  Amberley Bank\n", "found: Cobalt Reach (farm 3)\n",
        "point: 55\xC2\xB0 06'.0000N 002\xC2\xB0 48'.0000E", "  Index = 3\n"}, ""},
      {{"turbines"}, 0,
       {"dialog \"Cobalt Reach Wind Farm (Extension)\"\nFeature\tStatus\tLatitude\tLongitude\tBlade Radius",
        "A01\tUnder Construction\t55\xC2\xB0 03'.7912N\t002\xC2\xB0 46'.9656E\t110\t140\t30\t250\tFl R 2s\t"
        "Fl Y 5s 13M\tMo(U) 30s\n",
        "\nB01\tPlanned\t", "Remarks: Invented sample turbine (under construction)"}, ""},
      // Planned farms do not know their heights: the cells stay empty.
      {{"turbines", "brindle FLATS"}, 0, {"farm chosen: Brindle Flats\n", "\tPlanned\t", "E\t\t\t\t\t"}, ""},
      {{"find", "Kelston Reach", "--boundaries"}, 0, {"point: 53\xC2\xB0 15'.0000N 005\xC2\xB0 36'.0000W"}, ""},
      {{"boundary"}, 0,
       {"dialog \"Wind Farm : Kelston Reach\"\nIndex\tLatitude\tLongitude\n1\t53\xC2\xB0 14'.1376N\t", "\n4\t",
        "Description: Invented sample farm of 16 turbines, under construction."}, ""},
      {{"settings", "--turbines", "off", "--boundary-colour", "Dark Blue"}, 0,
       {"  Turbine colour: Black\nset to:\n",
        "Display Turbines = 0\n  Label Turbines = 1\n  Colour Turbines = 0\n  Index = 2\n",
        "Colour Boundary = 8388608\n  Index = 11\n"}, ""},
      {{"settings", "--cancel"}, 0, {"  Display Turbines: off\n", "Cancel\n"}, ""},
      {{"find", "cobalt reach"}, 1, {}, "no wind farm is named 'cobalt reach' (the names are case-sensitive)"},
      {{"turbines", "Nowhere"}, 1, {}, "no wind farm is named 'Nowhere'"},
      {{"settings", "--turbine-colour", "Mauve"}, 1, {"Cancel\n"}, "'Mauve' is not a standard colour"},
      {{"boundary", "--grid", "0:30"}, 1, {}, "--grid needs --datum"},
      {{"boundary", "--datum", "2:0", "--grid", "1:0"}, 0, {"\t0.000\t0.000\n"}, "no grid position for 4 of 4"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.args.front() + (r.args.size() > 1 ? " " + r.args[1] : ""));
    const CliResult result = RunCli(In(sandbox, r.args));
    EXPECT_EQ(result.status, r.status) << result.err;
    for (const std::string& part : r.out) EXPECT_TRUE(Contains(result.out, part)) << part << "\n" << result.out;
    EXPECT_TRUE(Contains(result.err, r.err)) << result.err;
  }

  // Against PROJ (+proj=utm +zone=30 +ellps=WGS84) on the package's own
  // coordinates of Ivel Knoll A01: within 2 mm, what the Transverse
  // Mercator series keep to this near the central meridian plus the
  // rounding of the printed millimetres.
  const CliResult grid = RunCli(In(sandbox, {"turbines", "Ivel Knoll", "--datum", "0:0"}));
  ASSERT_EQ(grid.status, 0) << grid.err;
  const std::string a01 = Lines(grid.out).at(3);
  std::vector<std::string> cells;
  for (std::size_t start = 0, tab = 0; tab != std::string::npos; start = tab + 1)
    cells.push_back(a01.substr(start, (tab = a01.find('\t', start)) - start));
  ASSERT_GE(cells.size(), 6u) << a01;
  EXPECT_NEAR(std::atof(cells[4].c_str()), 475145.2571, 0.002);
  EXPECT_NEAR(std::atof(cells[5].c_str()), 6010458.7015, 0.002);
}

// Files that are not what the host reads fail in one line with status 1,
// naming the file and, for a bad feature, its number.
TEST(WindFarmsCli, HostileFilesFailInOneLine) {
  const std::string good = "{\"type\":\"FeatureCollection\",\"features\":[]}";
  const auto point = [](const std::string& coordinates, const std::string& properties) {
    return "{\"type\":\"FeatureCollection\",\"features\":[{\"type\":\"Feature\",\"geometry\":{\"type\":\"Point\","
           "\"coordinates\":" +
           coordinates + "},\"properties\":{" + properties + "}}]}";
  };
  const struct {
    const char* what;
    std::string turbines;
    std::string boundaries;
    std::string err;
  } rows[] = {
      {"missing", "", good, "Turbines.geojson is missing"},
      {"not JSON", "{\"type\":", good, "Turbines.geojson: not JSON"},
      {"too large", std::string((16u << 20) + 1, ' '), good, "Turbines.geojson is too large"},
      {"deep", std::string(100000, '['), good, "nested deeper than a wind farm file is"},
      {"no collection", "[1,2]", good, "not a GeoJSON FeatureCollection"},
      {"outside the globe", point("[2, 95]", "\"farm\":\"x\""), good, "feature 1: a position lies outside the globe"},
      {"short position", point("[2]", "\"farm\":\"x\""), good, "not [longitude, latitude]"},
      {"status", point("[2, 53]", "\"farm\":\"x\",\"status\":70000"), good, "\"status\" is not a whole number"},
      {"height", point("[2, 53]", "\"farm\":\"x\",\"max_height\":1e300"), good, "\"max_height\" is not a height"},
      {"no farm", point("[2, 53]", "\"feature\":\"A1\""), good, "a turbine without a \"farm\""},
      {"boundary rings", good,
       "{\"type\":\"FeatureCollection\",\"features\":[{\"type\":\"Feature\",\"geometry\":{\"type\":\"Polygon\","
       "\"coordinates\":[]},\"properties\":{\"name\":\"x\",\"centre\":[1,2]}}]}",
       "Boundaries.geojson feature 1: the polygon is not one ring"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.what);
    TempFolder sandbox;
    const stdfs::path folder = sandbox.Path() / "C" / "MyData" / "WindFarms";
    stdfs::create_directories(folder);
    if (!r.turbines.empty()) std::ofstream(folder / "Turbines.geojson") << r.turbines;
    std::ofstream(folder / "Boundaries.geojson") << r.boundaries;
    ExpectCli({In(sandbox, {"turbines"}), 1, "", r.err});
  }
}

}  // namespace
