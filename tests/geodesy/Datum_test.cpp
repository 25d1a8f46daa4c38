// The datum object's life: what a new object holds, which selections it
// refuses (and what it keeps of them), reversing, and the OSTN15 family.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

#include "DatumFileWriter.h"
#include "DatumHolder.h"
#include "geodesy/angle/AngleUnits.h"
#include "geodesy/ellipsoid/EllipsoidTable.h"

namespace {

using datum_holder::Holder;

constexpr std::uint32_t kUtmKind = 0;
const tagXY kLondon{-0.1 * kRadiansPerDegree, 51.5 * kRadiansPerDegree};
const tagXY kCaspian{51 * kRadiansPerDegree, 42 * kRadiansPerDegree};

void ExpectZero(tagXY p, const char* what) {
  EXPECT_EQ(p.x, 0) << what;
  EXPECT_EQ(p.y, 0) << what;
}

// A new object, a family without grid positions, a family without the
// user grid it needs, or a shift without a grid for the point: (0, 0) both
// ways.
TEST(Datum, GivesZeroWithoutAGridToAnswerOn) {
  struct Case {
    const char* what;
    int family;  // nothing selected for -2
    bool userGrid;
  } const cases[] = {
      {"a new object", -2, false},      {"grid to grid", 0, false},
      {"Helmert", 1, false},            {"geographicals", -1, true},
      {"Norway", 3, false},             {"NADCON, no grid for London", 4, true},
      {"Canadian NTv2, no file", 5, true}, {"local to local", 6, false},
  };
  for (const Case& c : cases) {
    Holder holder;
    if (c.family != -2) {
      ASSERT_TRUE(holder.Select(31, kUtmKind, 0, c.family, 0)) << c.what;
    }
    if (!c.userGrid) holder.datum->userGrid = nullptr;
    ExpectZero(holder.datum->LatLonToGrid(kLondon), c.what);
    ExpectZero(holder.datum->GridToLatLon({500000, 5700000}), c.what);
  }
}

TEST(Datum, RefusedSelectionsKeepTheValuesAskedFor) {
  struct Case {
    int family;
    std::uint32_t row;
    int direction;
    int directionKept;  // user file families run forward once a file is listed
  } const cases[] = {
      {1, 58, 1, 1},   // one past the WGS 1984 table
      {0, 1, -1, -1},  // grid to grid has only row 0
      {10, 0, 1, 1},   // beyond the last family
      {-2, 0, -1, -1},
      {7, 0, -1, -1},  // no user files in the Global folder
      {9, 3, 1, 1},
  };
  for (const Case& c : cases) {
    Holder holder;
    EXPECT_FALSE(holder.Select(31, kUtmKind, 0, c.family, c.row, c.direction)) << c.family << " " << c.row;
    EXPECT_EQ(holder.datum->Family(), c.family);
    EXPECT_EQ(holder.datum->Row(), c.row);
    EXPECT_EQ(holder.datum->Direction(), c.directionKept);
  }
}

// Reversing swaps the sides; a second reverse brings back every value.
TEST(Datum, ReversingTwiceRestoresTheTransformation) {
  Holder holder;
  CDatum& datum = *holder.datum;
  // Row 14: every parameter non-zero; Pulkovo on Krassowsky.
  ASSERT_TRUE(holder.Select(39, kUtmKind, 0, 1, 14));
  datum.transformation.gsf.values[1] = 2.5;
  const DatumShiftDef shift = datum.transformation.shift;
  const CSpheroid nearBefore = datum.nearEllipsoid, farBefore = holder.far;
  const CGridSystem nearGridBefore = datum.nearGrid, userGridBefore = holder.grid;
  const tagXY gridBefore = datum.LatLonToGrid(kCaspian);
  ASSERT_NE(gridBefore.x, 0);

  datum.ReverseDirection();
  EXPECT_EQ(datum.nearEllipsoid.name, farBefore.name);
  EXPECT_EQ(holder.far.a, nearBefore.a);
  EXPECT_EQ(datum.nearGrid.lon0, userGridBefore.lon0);
  EXPECT_EQ(holder.grid.lon0, nearGridBefore.lon0);
  EXPECT_EQ(datum.nearGrid.spheroid, &datum.nearEllipsoid);
  EXPECT_EQ(holder.grid.spheroid, &holder.far);
  EXPECT_EQ(datum.transformation.shift.rZ, -shift.rZ);
  EXPECT_EQ(datum.transformation.shift.s, -shift.s);
  EXPECT_EQ(datum.transformation.gsf.values[1], -2.5);

  datum.ReverseDirection();
  EXPECT_EQ(std::memcmp(&datum.transformation.shift, &shift, sizeof shift), 0);
  EXPECT_EQ(datum.transformation.gsf.values[1], 2.5);
  EXPECT_EQ(datum.nearEllipsoid.name, nearBefore.name);
  EXPECT_EQ(holder.far.invFlattening, farBefore.invFlattening);
  const tagXY gridAfter = datum.LatLonToGrid(kCaspian);
  EXPECT_EQ(gridAfter.x, gridBefore.x);
  EXPECT_EQ(gridAfter.y, gridBefore.y);
}

// Selecting in reverse is selecting and then reversing.
TEST(Datum, ReverseSelectionStartsFromTheLocalSide) {
  Holder holder;
  CDatum& datum = *holder.datum;
  ASSERT_TRUE(holder.Select(31, kUtmKind, 0, 1, 0, -1));
  EXPECT_EQ(datum.Direction(), -1);
  EXPECT_EQ(datum.nearEllipsoid.row, kInternationalRow);
  EXPECT_EQ(holder.far.row, kWgs1984Row);
  EXPECT_EQ(datum.transformation.shift.tX, -89.5);
}

// The user's files are written in their own direction: asking for the
// reverse still runs them forward, so nothing is negated.
TEST(Datum, UserFilesRunForward) {
  Holder holder;
  std::string global;
  ASSERT_TRUE(FindDataFolder(global, kGlobalDataFolder));
  DatumFileDef contents;
  contents.from = "Harbour 1950", contents.to = "Survey 1987", contents.area = "Inner Basin";
  contents.gsf.values[0] = 1.5;
  holder.machine.Write(global + "Harbour.GSF", tools::DatumFileBytes(contents, DatumFileKind::ThreeValues));
  ASSERT_TRUE(holder.Select(31, kUtmKind, 0, 8, 0, -1));
  EXPECT_EQ(holder.datum->Direction(), 1);
  EXPECT_EQ(holder.datum->transformation.from, "Harbour 1950");
  EXPECT_EQ(holder.datum->transformation.gsf.values[0], 1.5);
}

// The Canadian family takes the national grid from the Global folder when
// the host gave the shift none; a grid the host gave stays.
TEST(Datum, CanadianFamilyFindsTheNationalGrid) {
  const tagXY victoria{-123.4 * kRadiansPerDegree, 48.45 * kRadiansPerDegree};
  std::ifstream regional(OVERLAYS_SOURCE_DIR "/data/grids/ntv2/CRD27_00.GSB", std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(regional), {}};
  ASSERT_FALSE(bytes.empty());
  for (const bool inGlobal : {false, true}) {
    Holder holder;
    std::string global;
    ASSERT_TRUE(FindDataFolder(global, kGlobalDataFolder));
    // A regional grid under the national grid's name.
    if (inGlobal) holder.machine.Write(global + "NTV2_0.GSB", bytes);
    ASSERT_TRUE(holder.Select(10, kUtmKind, 0, 5, 0));
    EXPECT_EQ(holder.datum->LatLonToGrid(victoria).x != 0, inGlobal);
  }
}

TEST(Datum, SecondGridIsTheBritishGridOnGrs80) {
  Holder holder;
  const CDatum& datum = *holder.datum;
  EXPECT_EQ(datum.secondGrid.kind, 1u);
  EXPECT_EQ(datum.secondGrid.row, 1u);
  EXPECT_EQ(datum.secondGrid.spheroid, &datum.secondEllipsoid);
  EXPECT_EQ(datum.secondEllipsoid.row, kGrs80Row);
}

// Family 2 puts the British National Grid on the user grid and answers
// inside the OSTN15 extent only, by the transformer PROJ is the oracle of
// (Ostn15Oracle_test.cpp); back, to the 2 cm its inverse iteration is held
// to at worst.
TEST(Datum, OstnFamilyAnswersInsideItsGridOnly) {
  Holder holder(true);
  CDatum& datum = *holder.datum;
  ASSERT_TRUE(datum.ostn15.IsLoaded());
  ASSERT_TRUE(holder.Select(31, kUtmKind, 0, 2, 0));
  EXPECT_EQ(holder.grid.kind, 1u);
  EXPECT_EQ(holder.grid.row, 0u);

  ExpectZero(datum.LatLonToGrid({-20 * kRadiansPerDegree, 53 * kRadiansPerDegree}), "the Atlantic");

  double easting = 0, northing = 0;
  datum.ostn15.Forward(kLondon.y, kLondon.x, easting, northing);
  const tagXY grid = datum.LatLonToGrid(kLondon);
  EXPECT_EQ(grid.x, easting);
  EXPECT_EQ(grid.y, northing);
  EXPECT_NEAR(grid.x, 530000, 2000);  // central London
  const tagXY back = datum.GridToLatLon(grid);
  constexpr double kRoundTripRadians = 0.02 / 6.37e6;
  EXPECT_NEAR(back.y, kLondon.y, kRoundTripRadians);
  EXPECT_NEAR(back.x, kLondon.x, kRoundTripRadians / std::cos(kLondon.y));
}

}  // namespace
