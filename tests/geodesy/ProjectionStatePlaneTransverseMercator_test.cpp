// The NAD27 state plane Transverse Mercator zones (kind 12, variant 2)
// against PROJ's tmerc on Clarke 1866 with each zone's EPSG parameters,
// forward-then-inverse round trips, the central meridian and wrapping.

#include <gtest/gtest.h>

#include <cmath>

#include "ProjectionOracle.h"
#include "geodesy/angle/AngleUnits.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/projection/GridSystem.h"

namespace {

using projection_oracle::ProjText;

constexpr double kDeg = kRadiansPerDegree;
constexpr double kFeet = 0.30480060960121924;
constexpr unsigned kClarke1866 = 7;

// A zone as EPSG publishes it, with the latitudes it covers and its
// half-width in longitude, degrees.
struct Zone {
  const char* label;
  double lat0, lon0, k0, fe;
  double latLo, latHi, halfWidth;
};

const Zone kZones[] = {
    {"Arizona Central 27 (26749)", 31, -(111 + 55 / 60.0), 0.9999, 500000 * kFeet, 31.3, 37, 1.2},
    {"Georgia West 27 (26767)", 30, -(84 + 10 / 60.0), 0.9999, 500000 * kFeet, 30.6, 35, 1.2},
    {"Illinois East 27 (26771)", 36 + 40 / 60.0, -(88 + 20 / 60.0), 0.999975, 500000 * kFeet, 37, 42.5, 1},
    {"New Jersey 27 (26759)", 38 + 50 / 60.0, -(74 + 40 / 60.0), 0.999975, 2000000 * kFeet, 38.9, 41.4, 1},
    {"Maine East 27 (26783)", 43 + 50 / 60.0, -(68 + 30 / 60.0), 0.9999, 500000 * kFeet, 44, 47.5, 1.3},
};

struct Grid : projection_oracle::OwnedGrid {
  explicit Grid(const Zone& z) : OwnedGrid(12, 2, kClarke1866, z.lat0, z.lon0, z.k0, z.fe, 0) {}
};

// Measured over each zone's latitudes and width: forward 1.6 to 7.8 mm,
// the easting's cube taken with the radius and e′²·cos²phi of the latitude
// of origin, largest in the tallest zones (Arizona, Georgia: 6°); inverse
// 0.4 mm, the full inverse series on the coast survey's footpoint. The
// convergence's cube, Δlam³·sin phī·cos²phī/12 about the mean of the
// latitude and the footpoint, leaves out a term in e′²: 0.003"; the point
// scale, to x⁴, within 1e-10. Bounds: 1 cm, 0.005" and 1e-9; forward then
// inverse carries the forward's error back, so 1 cm too.
TEST(ProjectionStatePlaneTransverseMercator, AgainstProj) {
  for (const Zone& z : kZones) {
    const Grid g(z);
    projection_oracle::CheckBands(z.label, g.grid, ProjText(g.grid, "tmerc"),
                                  {{"zone", z.latLo, z.latHi, 0, z.halfWidth, {1e-2, 1e-2, 5e-3, 1e-9}, 1e-2}});
  }
}

// The central meridian's points keep their longitude and have the false
// easting, the convergence 0 and the scale k0, exactly; 359° east of the
// meridian is 1° west.
TEST(ProjectionStatePlaneTransverseMercator, MeridianAndWrapping) {
  const Grid g(kZones[0]);
  for (double lat : {31.0, 34.0, 37.0}) {
    double e = 0, n = 0, gamma = 1, k = 0, phi = 0, lam = 0;
    ASSERT_TRUE(g.grid.Forward(lat * kDeg, g.grid.lon0, &e, &n, &gamma, &k));
    EXPECT_NEAR(e, kZones[0].fe, 1e-9) << lat;  // through feet and back
    EXPECT_EQ(gamma, 0) << lat;
    EXPECT_EQ(k, kZones[0].k0) << lat;
    ASSERT_TRUE(g.grid.Inverse(e, n, &phi, &lam)) << lat;
    EXPECT_EQ(lam, g.grid.lon0) << lat;
    EXPECT_NEAR(phi, lat * kDeg, 1e-10) << lat;
    double eEast = 0, nEast = 0, eWest = 0, nWest = 0;
    g.grid.Forward(lat * kDeg, g.grid.lon0 + 359 * kDeg, &eEast, &nEast);
    g.grid.Forward(lat * kDeg, g.grid.lon0 - 1 * kDeg, &eWest, &nWest);
    EXPECT_NEAR(eEast, eWest, 1e-6) << lat;
    EXPECT_NEAR(nEast, nWest, 1e-6) << lat;
  }
}

}  // namespace
