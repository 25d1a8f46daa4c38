// Selecting grids from the catalogue: the computed lists' names and
// numbers, the refusals that keep the previous grid, the flag byte, the
// ellipsoid rules, the re-application on another ellipsoid; and the user's
// PRJ grid files, written with tools/GridFileWriter. The parameters of the
// named rows are checked against PROJ in GridCatalogueOracle_test.cpp.

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "GridFileWriter.h"
#include "frame/Folders.h"
#include "geodesy/angle/AngleUnits.h"
#include "geodesy/catalogue/GridCatalogue.h"
#include "geodesy/catalogue/UserGridFiles.h"
#include "geodesy/ellipsoid/EllipsoidTable.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/projection/GridSystem.h"
#include "support/TestMachine.h"

namespace {

using testing_support::TestMachine;

// A grid with its own ellipsoid, as the datum object holds its grids.
struct HeldGrid {
  CSpheroid ellipsoid;
  CGridSystem grid;
  bool Select(std::uint32_t row, std::uint32_t kind, std::uint32_t variant = 0) {
    return SelectGrid(grid, &ellipsoid, row, kind, variant);
  }
};

double Degrees(double radians) { return radians * kDegreesPerRadian; }
constexpr double kDeg = kRadiansPerDegree;

TEST(GridCatalogue, ComputedListsNameAndPlaceTheirZones) {
  const struct {
    std::uint32_t row, kind, variant;
    const char *name, *zoneName;
    double lon0, falseEasting, falseNorthing, scale;
    std::uint32_t ellipsoid, zone, flag;
  } cases[] = {
      {31, 0, 0, "UTM Grid Zone 31 (3\xB0 E)", "", 3, 500000, 0, 0.9996, kWgs1984Row, 31, 0},
      {1, 0, 1, "UTM Grid Zone  1 (177\xB0 W)", "", -177, 500000, 10000000, 0.9996, kWgs1984Row, 1, 0},
      {1, 0, 7, "UTM Grid Zone  1 (177\xB0 W)", "", -177, 500000, 0, 0.9996, kWgs1984Row, 1, 0},  // 7 is north
      {0, 2, 0, "DHDN Zone 02", "West Germany (6\xB0 E)", 6, 2500000, 0, 1, 3, 0, 1},
      {3, 2, 0, "DHDN Zone 05", "West Germany (15\xB0 E)", 15, 5500000, 0, 1, 3, 0, 1},
      {4, 2, 0, "GK Zone 01", "(3\xB0 E)", 3, 1500000, 0, 1, 21, 0, 1},
      {34, 2, 0, "GK Zone 31", "(177\xB0 W)", -177, 31500000, 0, 1, 21, 0, 1},  // 183° E wraps
      {0, 3, 0, "Lo 17\xB0 E", "South Africa", 17, 0, 0, 1, 12, 0, 1},
      {9, 3, 0, "Lo 35\xB0 E", "South Africa", 35, 0, 0, 1, 12, 0, 1},
      {4, 13, 2, "UTM Grid Zone 35 (27\xB0 E)", "NGO (Axis III)", 27, 500000, 0, 0.9996, 20, 35, 1},
      {1, 14, 0, "Jylland", "System 34", 9, 500000, 0, 0.9996, 20, 32, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.kind) + ":" + std::to_string(c.row) + ":" + std::to_string(c.variant));
    HeldGrid g;
    g.grid.flag = 7;
    ASSERT_TRUE(g.Select(c.row, c.kind, c.variant));
    EXPECT_EQ(g.grid.name, c.name);
    EXPECT_EQ(g.grid.zoneName, c.zoneName);
    EXPECT_NEAR(Degrees(g.grid.lon0), c.lon0, 1e-9);
    EXPECT_EQ(g.grid.falseEasting, c.falseEasting);
    EXPECT_EQ(g.grid.falseNorthing, c.falseNorthing);
    EXPECT_EQ(g.grid.scale, c.scale);
    EXPECT_EQ(g.ellipsoid.row, c.ellipsoid);
    EXPECT_EQ(g.grid.zone, c.zone);
    EXPECT_EQ(g.grid.flag, c.flag);
  }
}

TEST(GridCatalogue, UtmKeepsAnEllipsoidItFindsAndNamedRowsApplyTheirs) {
  HeldGrid g;
  g.ellipsoid.SelectSpheroid(20);
  ASSERT_TRUE(g.Select(32, 0));
  EXPECT_EQ(g.ellipsoid.row, 20u);
  ASSERT_TRUE(g.Select(0, 1));  // the British grid on Airy 1830
  EXPECT_EQ(g.ellipsoid.row, 0u);
  CGridSystem bare;  // no ellipsoid: only the grid's own fields change
  ASSERT_TRUE(SelectGrid(bare, nullptr, 1, 1, 0));
  EXPECT_EQ(bare.spheroid, nullptr);
  EXPECT_EQ(bare.name, "OSGRS80 Grid");
}

// Refused too: the named grids whose definition we could not find (no
// numbers are made up for them), though they keep their places in the list.
TEST(GridCatalogue, RowsOutsideTheirListsUnknownKindsAndUnpublishedGridsAreRefusedAndKeepTheGrid) {
  const struct { std::uint32_t row, kind; } refused[] = {
      {62, 0}, {42, 1}, {36, 2}, {10, 3}, {54, 4}, {5, 5},  // kind 5 refuses its sixth slot
      {76, 6}, {2, 7},  {1, 8},  {3, 9},  {1, 10}, {4, 11}, {130, 12}, {5, 13}, {2, 14}, {0, 15}, {0, 0xFFFFFFFF},
      {3, 5},  {4, 5},  {7, 6},  {1, 9},  // NZ 168.55, LP Changi North, South Stream, Levant II
  };
  for (const auto& r : refused) {
    SCOPED_TRACE(std::to_string(r.kind) + ":" + std::to_string(r.row));
    HeldGrid g;
    ASSERT_TRUE(g.Select(2, 1));
    g.grid.flag = 0;
    EXPECT_FALSE(g.Select(r.row, r.kind, 1));
    EXPECT_EQ(g.grid.name, "Irish");
    EXPECT_EQ(g.grid.zoneName, "National Grid");
    EXPECT_EQ(g.grid.falseNorthing, 250000);
    EXPECT_EQ(g.ellipsoid.row, 1u);
    // What was asked for is recorded, as the module always has.
    EXPECT_EQ(g.grid.row, r.row);
    EXPECT_EQ(g.grid.kind, r.kind);
    EXPECT_EQ(g.grid.variant, 1u);
    EXPECT_EQ(g.grid.flag, 1);
  }
}

// Rows whose names, numbers or variants are the module's own, one per list
// with such rules, and the last row of the longest lists; the rest of each row is EPSG's and checked by the oracle test.
TEST(GridCatalogue, NamedRowsCarryTheirNamesVariantsAndFixedValues) {
  const struct {
    std::uint32_t row, kind;
    const char *name, *zoneName;
    std::uint32_t variant, ellipsoid;
    double lat0, lon0;  // radians where the module fixes them so, else degrees converted
  } cases[] = {
      {10, 1, "German UTM33", "(12\xB0" "E C.M.)", 0, 20, 0, 9 * kDeg},
      {1, 4, "Alabama Wast", "NAD 83", 0, 17, 30 * kDeg, -87.5 * kDeg},
      {75, 6, "Puerto Rico/Virgin I", "NAD 83", 2, 17, 17.833333333333333 * kDeg, -66.433333333333333 * kDeg},
      {0, 7, "Modified Grid", "Qatar", 0, 18, 0.44300577331904767, 0.8859533689963621},
      {1, 7, " Grid", "Singapore", 0, 16, 0.02247367393566287, 1.8125768268587348},
      {0, 8, "Agana Monument 1945", "Guam", 0, 7, 0.23513889622012013, 2.5263422879603668},
      {2, 9, "Amersfoot", "(RD) System", 0, 3, 52.15616055555556 * kDeg, 5.387638888888889 * kDeg},
      {0, 10, "Polyconic", "Brazil", 0, 42, 0, -54 * kDeg},
      {3, 11, "Alaska (Zone 1)", "NAD 83", 3, 17, 57 * kDeg, -133.66666666666666 * kDeg},
      {0, 12, "Alabama (East)", "Code  101", 2, 7, 30.5 * kDeg, -85.833333333333333 * kDeg},
      {2, 12, "Alaska (Zone 1)", "Code 5001", 3, 7, 57 * kDeg, -133.66666666666666 * kDeg},
      {11, 12, "Alaska (Zone 10)", "Code 5010", 1, 7, 51 * kDeg, -176 * kDeg},
      {129, 12, "Wyoming (West)", "Code 4904", 2, 7, 40.666666666666667 * kDeg, -110.08333333333333 * kDeg},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.kind) + ":" + std::to_string(c.row));
    HeldGrid g;
    ASSERT_TRUE(g.Select(c.row, c.kind, 1));  // the row's own variant wins
    EXPECT_EQ(g.grid.name, c.name);
    EXPECT_EQ(g.grid.zoneName, c.zoneName);
    EXPECT_EQ(g.grid.variant, c.variant);
    EXPECT_EQ(g.ellipsoid.row, c.ellipsoid);
    EXPECT_NEAR(g.grid.lat0, c.lat0, 1e-15);
    EXPECT_NEAR(g.grid.lon0, c.lon0, 1e-15);
  }
}

TEST(GridCatalogue, ReapplyingOnAnotherEllipsoidFindsTheSameGridOnIt) {
  const struct { std::uint32_t row, kind, ellipsoid, expectedRow; const char* name; } cases[] = {
      {0, 1, 17, 1, "OSGRS80 Grid"},       // Airy's British grid on GRS80: its twin
      {4, 1, 26, 5, "(0\xB0 C.M.)"},       // Shell's International grid on WGS 1984
      {2, 1, 1, 2, "Irish"},               // already on its ellipsoid
      {16, 1, 50, 16, "Red Belt"},         // no row on Hughes 1980: the entry stays
      {31, 0, 20, 31, "UTM Grid Zone 31 (3\xB0 E)"},  // UTM takes any ellipsoid
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.kind) + ":" + std::to_string(c.row));
    HeldGrid g;
    ASSERT_TRUE(g.Select(c.row, c.kind));
    g.ellipsoid.SelectSpheroid(c.ellipsoid);
    ASSERT_TRUE(ReapplyGrid(g.grid));
    EXPECT_EQ(g.ellipsoid.row, c.ellipsoid);  // the required ellipsoid is kept
    EXPECT_EQ(g.grid.row, c.expectedRow);
    EXPECT_EQ(g.grid.name, c.name);
  }
}

class UserGridFiles : public ::testing::Test {
 protected:
  std::string Global() const {
    std::string folder;
    EXPECT_TRUE(FindDataFolder(folder, kGlobalDataFolder));
    return folder;
  }
  std::string Path(const std::string& title) const { return Global() + title + ".PRJ"; }
  TestMachine machine_;
};

GridFileDef HarbourGrid() {
  return {"Harbour", "Local", "Clarke 1880 (Arc)", "South African", 6, 2, -0.5, 0.3, 100000, 200000, 1, -0.52, -0.48};
}

TEST_F(UserGridFiles, AFileRoundTripsAndItsEllipsoidIsLookedUp) {
  machine_.Write(Global() + "Harbour.PRJ", tools::GridFileBytes(HarbourGrid()));
  HeldGrid g;
  ASSERT_TRUE(LoadGridFile(g.grid, &g.ellipsoid, Path("Harbour")));
  EXPECT_EQ(g.grid.title, "Harbour");
  EXPECT_EQ(g.grid.name, "Harbour");
  EXPECT_EQ(g.grid.zoneName, "Local");
  EXPECT_EQ(g.ellipsoid.row, 12u);
  EXPECT_EQ(g.grid.kind, 6u);
  EXPECT_EQ(g.grid.variant, 2u);
  EXPECT_EQ(g.grid.lat1, -0.52);
  EXPECT_EQ(g.grid.lat2, -0.48);
  // The constants were derived: the conic's scale field became its least,
  // and the origin projects onto the false origin.
  EXPECT_LT(g.grid.scale, 1);
  double e = 0, n = 0;
  ASSERT_TRUE(g.grid.Forward(-0.5, 0.3, &e, &n));
  EXPECT_NEAR(e, 100000, 1e-6);
  EXPECT_NEAR(n, 200000, 1e-6);
  EXPECT_EQ(ReadGridFileKindOf(Path("Harbour")), 6u);
}

TEST_F(UserGridFiles, EmptyNamesTakeTheTitleAndListingFindsEveryFile) {
  GridFileDef unnamed = HarbourGrid();
  unnamed.name.clear();
  unnamed.zoneName.clear();
  machine_.Write(Global() + "Quay 2.PRJ", tools::GridFileBytes(unnamed, "\n"));
  machine_.Write(Global() + "Alpha.prj", tools::GridFileBytes(HarbourGrid()));
  machine_.Write(Global() + "Other.SPD", "not a grid");
  std::vector<std::string> titles;
  for (const GlobalFile& file : ListGridFiles()) titles.push_back(file.title);
  EXPECT_EQ(titles, (std::vector<std::string>{"Alpha", "Quay 2"}));
  HeldGrid g;
  ASSERT_TRUE(LoadGridFile(g.grid, &g.ellipsoid, Path("Quay 2")));
  EXPECT_EQ(g.grid.name, "Quay 2");
  EXPECT_EQ(g.grid.zoneName, "");
}

TEST_F(UserGridFiles, ShortGarbledOrMissingFilesLeaveTheGridAndSayFalse) {
  const std::string whole = tools::GridFileBytes(HarbourGrid());
  GridFileDef badKind = HarbourGrid();
  badKind.kind = 15;
  GridFileDef badVariant = HarbourGrid();
  badVariant.variant = 9;
  GridFileDef notFinite = HarbourGrid();
  notFinite.scale = std::numeric_limits<double>::infinity();
  // The kind is what reading the kind alone gives.
  const struct { const char* title; std::string bytes; std::uint32_t kind; } files[] = {
      {"Cut", whole.substr(0, whole.size() - 1), 6},
      {"Lines", "a\nb\nc\n", kNoGridFileKind},
      {"NoBreak", std::string(10000, 'x'), kNoGridFileKind},
      {"Empty", "", kNoGridFileKind},
      {"Kind15", tools::GridFileBytes(badKind), 15},
      {"Variant9", tools::GridFileBytes(badVariant), 6},
      {"Infinite", tools::GridFileBytes(notFinite), 6},
      {"Missing", "", kNoGridFileKind},
  };
  for (const auto& f : files) {
    SCOPED_TRACE(f.title);
    if (std::string(f.title) != "Missing") machine_.Write(Global() + f.title + ".PRJ", f.bytes);
    HeldGrid g;
    StartNewGrid(g.grid, &g.ellipsoid);
    EXPECT_FALSE(LoadGridFile(g.grid, &g.ellipsoid, Path(f.title)));
    EXPECT_EQ(g.grid.name, "UTM Grid Zone 31 (3\xB0 E)");
    EXPECT_EQ(g.grid.title, "");
    EXPECT_EQ(g.ellipsoid.row, kWgs1984Row);
    double e = 0, n = 0;  // and the new grid still projects: 3° E is its meridian
    ASSERT_TRUE(g.grid.Forward(52 * kRadiansPerDegree, 3 * kRadiansPerDegree, &e, &n));
    EXPECT_NEAR(e, 500000, 1e-6);
    EXPECT_EQ(ReadGridFileKindOf(Path(f.title)), f.kind);
  }
}

}  // namespace
