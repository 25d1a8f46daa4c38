// The datum object's grid positions against PROJ, both ways.
//
// Family 1: every row of the WGS 1984 table, with the UTM zone of a point
// in the row's area as the user grid. PROJ runs cart on our near ellipsoid,
// helmert with the row's parameters and convention, inverse cart on our far
// ellipsoid and its own utm; back, inverse utm, cart (at the far height
// that lands on the near ellipsoid), helmert with the parameters negated
// (the reverse the object documents) and inverse cart. A round trip from
// the grid may miss by what the projection's own pair misses plus what the
// negated reverse misses (DatumOracle.h), and no more.
// Ellipsoids go over as a and 1/f: PROJ's built-in ones differ from ours in
// a few digits. Tolerance 1 mm for the shift (the same formulas; our
// latitude iteration settles within a fraction of a millimetre) plus 5 mm
// for the Transverse Mercator series within 3° of the meridian (2.5 mm
// stated, the bound the grid catalogue's oracle holds it to).
//
// Family 0: a few catalogue grids of different kinds, projection alone on
// the near ellipsoid, which the far one copies; EPSG's values for the
// grids, our radians handed over as they are. Tolerance per kind as above:
// 5 mm for Transverse Mercator, 1 mm for the closed forms.

#include <gtest/gtest.h>
#include <proj.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <numbers>
#include <string>

#include "DatumFileWriter.h"
#include "frame/ConfigFile.h"
#include "DatumHolder.h"
#include "DatumOracle.h"
#include "ProjectionOracle.h"
#include "geodesy/angle/AngleUnits.h"
#include "geodesy/datum/LocalHelmertTable.h"
#include "geodesy/datum/WgsHelmertTable.h"
#include "geodesy/shift/NadconShift.h"

namespace {

using datum_holder::Holder;
using datum_oracle::ProjEllipsoid;
using datum_oracle::Negated;
using datum_oracle::NegatedReverseMiss;
using datum_oracle::ProjHelmert;
using datum_oracle::ProjPipeline;
using datum_oracle::ProjUtm;
using datum_oracle::UtmZoneOf;

constexpr double kShiftMetres = 1e-3;
// The latitude iteration and the height correction, together.
constexpr double kIterationMetres = 1e-4;
constexpr double kTransverseMercatorMetres = 5e-3;
constexpr double kClosedFormMetres = 1e-3;
constexpr std::uint32_t kUtmKind = 0, kUtmSouth = 1;

double GroundDistance(const CSpheroid& s, tagXY a, tagXY b) {
  return projection_oracle::GroundDistance(s, a.y, b.y - a.y, b.x - a.x);
}

// The back pipeline from a grid position, at the far height that puts the
// result at height 0 on the near side (one correction, as the object does).
tagXY AtNearHeightZero(const ProjPipeline& back, tagXY grid) {
  const PJ_COORD first = back.Run3(grid.x, grid.y, 0);
  const PJ_COORD corrected = back.Run3(grid.x, grid.y, -first.lpz.z);
  return {corrected.lpz.lam, corrected.lpz.phi};
}

// How far the grid's own inverse and forward miss a grid position: the
// projection's share of a round trip.
double ProjectionRoundTripMiss(const CGridSystem& grid, tagXY p) {
  double lat = 0, lon = 0, e = 0, n = 0;
  if (!grid.Inverse(p.x, p.y, &lat, &lon) || !grid.Forward(lat, lon, &e, &n)) return 0;
  return std::hypot(e - p.x, n - p.y);
}

// A point in each row's area, degrees, in the order of kWgsHelmertRows.
struct AreaPoint {
  double lat, lon;
};

constexpr AreaPoint kAreaPoints[] = {
    {52, 5},      {52, 5},      {57, 2},      {37, -1},     {40, -4},     {53, -2},     {30, 3},      {55, 5},
    {25, 52},     {16, 94},     {-25, 135},   {52, 5.5},    {39.5, -8},   {40.5, 49},   {42, 51},     {29.3, 47.8},
    {26, 45},     {26, 45},     {22, 78},     {9, 8},       {5, 6},       {5.5, 116.5}, {53.3, -8},   {18.2, -66.5},
    {4, 9.5},     {3, 10},      {-1, 10},     {-5, 24},     {8, -66},     {30, 53},     {26, 45},     {24.5, 53.5},
    {25.3, 51.2}, {-41, 174},   {-15, -55},   {25.3, 51.2}, {25.3, 51.2}, {56, 17},     {57, 20},     {19, 72},
    {19, 72},     {19, 72},     {59, 7},      {66, 14},     {8, 102},     {35, 10},     {35, 10},     {31.5, 35},
    {42, 12},     {42, 12},     {5.3, -4},    {6, -1},      {50, 20},     {51, 10},     {-4.8, 11.8}, {-5.5, 12.2},
    {-5.5, 12.2}, {38, 23},
};
static_assert(std::size(kAreaPoints) == kWgsHelmertRows.size());

TEST(DatumGridOracle, HelmertFromWgs1984OnEveryRowAgreesWithProj) {
  Holder holder;
  CDatum& datum = *holder.datum;
  double worstForward = 0, worstBack = 0, worstRoundTrip = 0;
  std::uint32_t worstRow = 0;
  for (std::uint32_t row = 0; row < kWgsHelmertRows.size(); ++row) {
    const AreaPoint point = kAreaPoints[row];
    const std::uint32_t zone = UtmZoneOf(point.lon);
    const bool south = point.lat < 0;
    ASSERT_TRUE(holder.Select(zone, kUtmKind, south ? kUtmSouth : 0, 1, row)) << row;
    const std::string near = ProjEllipsoid(datum.nearEllipsoid), far = ProjEllipsoid(holder.far);
    const ProjPipeline forward("+proj=pipeline +step +proj=cart " + near + " +step " +
                               ProjHelmert(datum.transformation.shift) + " +step +inv +proj=cart " + far +
                               " +step " + ProjUtm(zone, south, holder.far));
    const ProjPipeline back("+proj=pipeline +step +inv " + ProjUtm(zone, south, holder.far) + " +step +proj=cart " +
                            far + " +step " + ProjHelmert(Negated(datum.transformation.shift)) +
                            " +step +inv +proj=cart " + near);
    ASSERT_TRUE(forward.Valid() && back.Valid()) << row;

    const tagXY latLon{point.lon * kRadiansPerDegree, point.lat * kRadiansPerDegree};
    const tagXY expectedGrid = forward.Run(latLon.x, latLon.y);
    const tagXY grid = datum.LatLonToGrid(latLon);
    const double forwardError = std::hypot(grid.x - expectedGrid.x, grid.y - expectedGrid.y);
    EXPECT_LT(forwardError, kShiftMetres + kTransverseMercatorMetres)
        << "row " << row << " " << datum.transformation.to << " " << datum.transformation.area;

    const tagXY expectedLatLon = AtNearHeightZero(back, expectedGrid);
    const double backError = GroundDistance(datum.nearEllipsoid, datum.GridToLatLon(expectedGrid), expectedLatLon);
    EXPECT_LT(backError, kShiftMetres + kTransverseMercatorMetres)
        << "row " << row << " " << datum.transformation.to << " " << datum.transformation.area;
    const tagXY again = datum.LatLonToGrid(datum.GridToLatLon(grid));
    const double roundTrip = std::hypot(again.x - grid.x, again.y - grid.y);
    EXPECT_LT(roundTrip, ProjectionRoundTripMiss(holder.grid, grid) + NegatedReverseMiss(datum.transformation.shift) +
                             kIterationMetres)
        << "row " << row;
    worstForward = std::max(worstForward, forwardError);
    worstBack = std::max(worstBack, backError);
    if (roundTrip > worstRoundTrip) worstRoundTrip = roundTrip, worstRow = row;
  }
  std::printf("Family 1 against PROJ over %zu rows: worst %.3g m forward, %.3g m back, round trip %.3g m (row %u)\n",
              kWgsHelmertRows.size(), worstForward, worstBack, worstRoundTrip, worstRow);
}

TEST(DatumGridOracle, GridToGridProjectsOnTheNearEllipsoid) {
  struct Case {
    const char* grid;
    std::uint32_t kind, row, variant;
    const char* projection;  // EPSG's conversion, without the ellipsoid
    double lat, lon;         // degrees
    double tolerance;        // metres
  } const cases[] = {
      {"UTM zone 31 north", 0, 31, 0, "+proj=utm +zone=31", 51, 4, kTransverseMercatorMetres},
      {"British National Grid", 1, 0, 0,
       "+proj=tmerc +lat_0=49 +lon_0=-2 +k_0=0.9996012717 +x_0=400000 +y_0=-100000", 57, -4,
       kTransverseMercatorMetres},
      {"Puerto Rico, two parallels", 6, 5, 0,
       "+proj=lcc +lat_0=17.833333333333332 +lon_0=-66.43333333333334 +lat_1=18.433333333333334 "
       "+lat_2=18.033333333333335 +x_0=152400.3048006096 +y_0=0",
       18.2, -66, kClosedFormMetres},
      {"Dutch oblique stereographic", 9, 2, 0,
       "+proj=sterea +lat_0=52.15616055555556 +lon_0=5.387638888888889 +k_0=0.9999079 +x_0=155000 +y_0=463000",
       53, 6.5, kClosedFormMetres},
  };
  for (const Case& c : cases) {
    Holder holder;
    CDatum& datum = *holder.datum;
    ASSERT_TRUE(holder.Select(c.row, c.kind, c.variant, 0, 0)) << c.grid;
    const ProjPipeline proj(std::string(c.projection) + " " + ProjEllipsoid(datum.nearEllipsoid));
    ASSERT_TRUE(proj.Valid()) << c.grid;
    const tagXY latLon{c.lon * kRadiansPerDegree, c.lat * kRadiansPerDegree};
    const tagXY expected = proj.Run(latLon.x, latLon.y);
    const tagXY grid = datum.LatLonToGrid(latLon);
    EXPECT_LT(std::hypot(grid.x - expected.x, grid.y - expected.y), c.tolerance) << c.grid;
    EXPECT_LT(GroundDistance(datum.nearEllipsoid, datum.GridToLatLon(expected), latLon), c.tolerance) << c.grid;
  }
}

}  // namespace

namespace {

// Families 3 to 9 on the user grid: the family's own shift from the near
// side at height 0, then the grid. PROJ runs the same shift (helmert, or
// hgridshift on the same grids, or an affine step after the near grid)
// and then its utm on the far ellipsoid; tolerance as for family 1, the
// grid shifts' own agreement (1e-8 degrees, DatumPosition_test.cpp) being
// a millimetre too. The Norway rule has no peer; its grid position must be
// the one ConvertPosition gives. A round trip from the grid may miss by the
// projection's own pair, the negated reverse of a Helmert step, and the
// Norway rule's reverse taken at the shifted point (a few millimetres).
class DatumShiftFamilyGrid : public ::testing::Test {
 protected:
  static constexpr char kNtv2Folder[] = "C:\\Grids\\", kNtv2File[] = "CRD27_00.GSB";
  static constexpr const char* kNadconNtv2 = OVERLAYS_BINARY_DIR "/data/nadcon-ntv2/";
  static constexpr const char* kCanadianGrid = OVERLAYS_SOURCE_DIR "/data/grids/ntv2/CRD27_00.GSB";

  // The user's three files (one of each kind), the NADCON grids and the
  // Canadian grid, where the object looks for them.
  void SetUp() override {
    std::string nadcon, global;
    ASSERT_TRUE(FindDataFolder(nadcon, nadcon::kDataFolder) && FindDataFolder(global, kGlobalDataFolder));
    holder_.machine.Mount(nadcon, OVERLAYS_SOURCE_DIR "/data/grids/nadcon");
    holder_.machine.Mount(kNtv2Folder, std::filesystem::path(OVERLAYS_SOURCE_DIR) / "data/grids/ntv2");
    ASSERT_TRUE(holder_.datum->ntv2.LoadFile(std::string(kNtv2Folder) + kNtv2File));
    DatumFileDef file;
    file.from = "Harbour 1950", file.to = "Survey 1987";
    file.nearName = "WGS 1984", file.farName = "International Spheroid", file.farQualifier = "(Hayford 1910)";
    file.shift = kUserHelmert;
    file.gsf = kUserTranslation;
    holder_.machine.Write(global + "Harbour.DMF", tools::DatumFileBytes(file, DatumFileKind::Helmert));
    holder_.machine.Write(global + "Harbour.GSF", tools::DatumFileBytes(file, DatumFileKind::ThreeValues));
    file.farName = "WGS 1984", file.farQualifier = "";
    file.grd.leading[0] = 350, file.grd.leading[1] = -1200;
    file.grd.rotation = 0.02, file.grd.scale1 = 1.00004, file.grd.scale2 = 0.99998;
    holder_.machine.Write(global + "Harbour.GRD", tools::DatumFileBytes(file, DatumFileKind::Affine));
  }

  static inline const DatumShiftDef kUserHelmert{-87, -98, -121, 0.6, -1.2, 2.1, 3.5, kCoordinateFrame};
  static inline const GsfBlockDef kUserTranslation{{-84, -107, -120}};
  Holder holder_;
};

std::string HelmertSteps(const CSpheroid& near, const CSpheroid& far, const DatumShiftDef& shift) {
  return " +step +proj=cart " + ProjEllipsoid(near) + " +step " + ProjHelmert(shift) + " +step +inv +proj=cart " +
         ProjEllipsoid(far);
}

std::string GridSteps(const char* folder, std::initializer_list<const char*> files, bool inverse) {
  std::string steps;
  for (const char* file : files)
    steps += std::string(" +step") + (inverse ? " +inv" : "") + " +proj=hgridshift +grids=" + folder + file;
  return steps;
}

TEST_F(DatumShiftFamilyGrid, ShiftThenProjectAgreesWithProjAndComesBack) {
  enum class Peer { Helmert, Translation, Grids, Affine, None };
  struct Case {
    const char* what;
    int family;
    std::uint32_t row;
    double lat, lon;  // degrees, on the near side
    Peer peer;
    std::string grids;  // the hgridshift steps
    DatumShiftDef helmert;
  } const cases[] = {
      {"Norway with the ED87/ED50 rule", 3, 0, 60, 5, Peer::None, "", {}},
      {"Norway south of 62", 3, 1, 61, 7, Peer::Helmert, "", kWgsHelmertRows[kNorwaySouth62Row].Shift()},
      {"NADCON NAD27 to NAD83", 4, 0, 40, -100, Peer::Grids, GridSteps(kNadconNtv2, {"conus.gsb"}, false), {}},
      {"NADCON NAD83 to NAD27", 4, 1, 40, -100, Peer::Grids, GridSteps(kNadconNtv2, {"conus.gsb"}, true), {}},
      {"NADCON NAD27 to HPGN", 4, 4, 28, -81.5, Peer::Grids,
       GridSteps(kNadconNtv2, {"conus.gsb", "flhpgn.gsb"}, false), {}},
      {"Canadian NTv2", 5, 0, 48.45, -123.4, Peer::Grids, GridSteps("", {kCanadianGrid}, true), {}},
      {"local to local", 6, 0, 52, 5, Peer::Helmert, "", kLocalHelmertRows[0].Shift()},
      {"user Helmert file", 7, 0, 52, 5, Peer::Helmert, "", kUserHelmert},
      {"user GSF file", 8, 0, 52, 5, Peer::Translation, "", {}},
      {"user GRD file", 9, 0, 52, 4, Peer::Affine, "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CDatum& datum = *holder_.datum;
    const std::uint32_t zone = UtmZoneOf(c.lon);
    ASSERT_TRUE(holder_.Select(zone, kUtmKind, 0, c.family, c.row));
    SelectGrid(datum.nearGrid, &datum.nearEllipsoid, zone, kUtmKind, 0);
    const tagXY latLon{c.lon * kRadiansPerDegree, c.lat * kRadiansPerDegree};
    const tagXY grid = datum.LatLonToGrid(latLon);
    ASSERT_NE(grid.x, 0);

    PositionDef from, to;
    FillPosition(from, latLon.y, latLon.x, 0, datum.nearEllipsoid, &datum.nearGrid);
    ASSERT_TRUE(datum.ConvertPosition(from, to, kForward));
    EXPECT_NEAR(grid.x, to.easting, kIterationMetres);
    EXPECT_NEAR(grid.y, to.northing, kIterationMetres);

    const GrdBlockDef& grd = datum.transformation.grd;
    DatumShiftDef translation;
    translation.tX = kUserTranslation.values[0], translation.tY = kUserTranslation.values[1];
    translation.tZ = kUserTranslation.values[2];
    const std::string utm = " +step " + ProjUtm(zone, false, holder_.far);
    const std::string peer[] = {
        HelmertSteps(datum.nearEllipsoid, holder_.far, c.helmert) + utm,
        HelmertSteps(datum.nearEllipsoid, holder_.far, translation) + utm,
        c.grids + utm,
        " +step " + ProjUtm(zone, false, datum.nearEllipsoid) + " +step +proj=affine +xoff=" +
            datum_oracle::Number(grd.leading[0]) + " +yoff=" + datum_oracle::Number(grd.leading[1]) +
            " +s11=" + datum_oracle::Number(grd.matrix[0]) + " +s12=" + datum_oracle::Number(grd.matrix[1]) +
            " +s21=" + datum_oracle::Number(grd.matrix[2]) + " +s22=" + datum_oracle::Number(grd.matrix[3]),
    };
    if (c.peer != Peer::None) {
      const ProjPipeline proj("+proj=pipeline" + peer[static_cast<int>(c.peer)]);
      ASSERT_TRUE(proj.Valid());
      const tagXY expected = proj.Run(latLon.x, latLon.y);
      EXPECT_LT(std::hypot(grid.x - expected.x, grid.y - expected.y), kShiftMetres + kTransverseMercatorMetres);
    }

    const tagXY again = datum.LatLonToGrid(datum.GridToLatLon(grid));
    const double helmertMiss = c.peer == Peer::Helmert ? NegatedReverseMiss(c.helmert) : 0;
    const double ruleMiss = c.peer == Peer::None ? 5e-3 : 0;
    EXPECT_LT(std::hypot(again.x - grid.x, again.y - grid.y),
              ProjectionRoundTripMiss(holder_.grid, grid) + helmertMiss + ruleMiss + kShiftMetres);
  }
}

}  // namespace

namespace {

// The NADCON grids a conversion loads stay for the next point and go with
// the next selection; the Canadian shift's last point is what the object
// leaves in the settings when it goes.
TEST_F(DatumShiftFamilyGrid, GridsLastAsLongAsTheirSelectionAndTheLastShiftIsRemembered) {
  CDatum& datum = *holder_.datum;
  ASSERT_TRUE(holder_.Select(14, kUtmKind, 0, 4, 0));
  ASSERT_NE(datum.LatLonToGrid({-100 * kRadiansPerDegree, 40 * kRadiansPerDegree}).x, 0);
  EXPECT_TRUE(datum.nadconRegions[0].IsLoaded());
  ASSERT_TRUE(datum.SetDatum(4, 1, kForward));
  EXPECT_FALSE(datum.nadconRegions[0].IsLoaded());

  // Back from the grid, the row runs the grid's own way: one shift from
  // the NAD27 point to the NAD83 answer.
  ASSERT_TRUE(holder_.Select(10, kUtmKind, 0, 5, 0));
  const tagXY nad83 = datum.GridToLatLon({470517.5895, 5366195.9542});
  ASSERT_NE(nad83.y, 0);
  holder_.datum.reset();
  CConfigFile settings;
  ASSERT_TRUE(settings.OpenRead("NTv2"));
  std::vector<std::string> lines;
  for (std::string line; settings.ReadLine(line);) lines.push_back(line);
  char latitude[80], longitude[80];
  std::snprintf(latitude, sizeof latitude, "NAD83 Latitude = %.16f", nad83.y);
  std::snprintf(longitude, sizeof longitude, "NAD83 Longitude = %.16f", -nad83.x);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[2], latitude);
  EXPECT_EQ(lines[3], longitude);
}

}  // namespace

namespace {

// A shapefile reader embeds the object with an ellipsoid and a grid of its
// own, selects family 0 and then writes the projection file's ellipsoid
// and grid into them: grid positions are then the shape's projection on
// the shape's ellipsoid. Here a Lambert conformal conic on Clarke 1866
// (NAD27 Texas Central, EPSG 32039's figures in metres) against PROJ's
// lcc, 1 mm for the closed form. An inverse flattening the reader cannot
// use falls back to 297, so the grid moves onto that ellipsoid.
TEST(DatumShapeFile, FamilyZeroProjectsOnTheShapesOwnEllipsoidAndGrid) {
  Holder machine;  // for its sandbox only
  CDatum datum;
  CSpheroid shapeEllipsoid;
  CGridSystem shapeGrid;
  StartNewGrid(shapeGrid, &shapeEllipsoid);
  datum.farEllipsoid = &shapeEllipsoid;
  datum.userGrid = &shapeGrid;
  ASSERT_TRUE(datum.SetDatum(0, 0, kForward));

  struct Case {
    double invFlattening, expectedInvFlattening;
  } const cases[] = {{294.9786982, 294.9786982}, {250, 297}};
  for (const Case& c : cases) {
    shapeEllipsoid.name = "Clarke 1866";
    shapeEllipsoid.SetSpheroidParameters(6378206.4, c.invFlattening);
    shapeEllipsoid.DeriveSpheroid();
    shapeGrid.kind = 6, shapeGrid.variant = 2;
    shapeGrid.SetOriginDegrees(0, 1, 29.6666666667, -100.3333333333, 609601.2192);
    shapeGrid.SetStandardParallels(30.1166666667, 31.8833333333);
    shapeGrid.DeriveGrid();
    const ProjPipeline proj("+proj=lcc +lat_0=29.6666666667 +lon_0=-100.3333333333 +lat_1=30.1166666667 "
                            "+lat_2=31.8833333333 +x_0=609601.2192 +y_0=0 +a=6378206.4 +rf=" +
                            datum_oracle::Number(c.expectedInvFlattening));
    ASSERT_TRUE(proj.Valid());
    const tagXY latLon{-97.75 * kRadiansPerDegree, 30.27 * kRadiansPerDegree};  // Austin
    const tagXY expected = proj.Run(latLon.x, latLon.y);
    const tagXY grid = datum.LatLonToGrid(latLon);
    EXPECT_LT(std::hypot(grid.x - expected.x, grid.y - expected.y), kClosedFormMetres) << c.invFlattening;
    EXPECT_LT(GroundDistance(shapeEllipsoid, datum.GridToLatLon(expected), latLon), kClosedFormMetres);
  }
}

}  // namespace
