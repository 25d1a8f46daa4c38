// The datum object's grid positions against PROJ, both ways.
//
// Family 1: every row of the WGS 1984 table, with the UTM zone of a point
// in the row's area as the user grid. PROJ runs cart on our near ellipsoid,
// helmert with the row's parameters and convention, inverse cart on our far
// ellipsoid and its own utm; back, inverse utm, cart, helmert with the
// parameters negated (the reverse the object documents) and inverse cart.
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

#include "DatumHolder.h"
#include "DatumOracle.h"
#include "ProjectionOracle.h"
#include "geodesy/angle/AngleUnits.h"
#include "geodesy/datum/WgsHelmertTable.h"

namespace {

using datum_holder::Holder;
using datum_oracle::ProjEllipsoid;
using datum_oracle::Negated;
using datum_oracle::ProjHelmert;
using datum_oracle::ProjPipeline;
using datum_oracle::ProjUtm;
using datum_oracle::UtmZoneOf;

constexpr double kShiftMetres = 1e-3;
constexpr double kTransverseMercatorMetres = 5e-3;
constexpr double kClosedFormMetres = 1e-3;
constexpr std::uint32_t kUtmKind = 0, kUtmSouth = 1;

double GroundDistance(const CSpheroid& s, tagXY a, tagXY b) {
  return projection_oracle::GroundDistance(s, a.y, b.y - a.y, b.x - a.x);
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
  double worstForward = 0, worstBack = 0;
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

    const tagXY expectedLatLon = back.Run(expectedGrid.x, expectedGrid.y);
    const double backError = GroundDistance(datum.nearEllipsoid, datum.GridToLatLon(expectedGrid), expectedLatLon);
    EXPECT_LT(backError, kShiftMetres + kTransverseMercatorMetres)
        << "row " << row << " " << datum.transformation.to << " " << datum.transformation.area;
    worstForward = std::max(worstForward, forwardError);
    worstBack = std::max(worstBack, backError);
  }
  std::printf("Family 1 against PROJ over %zu rows: worst %.3g m forward, %.3g m back\n", kWgsHelmertRows.size(),
              worstForward, worstBack);
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
