// Transverse Mercator, the NAD27 state plane zones' Transverse Mercator and
// Mercator against PROJ (9.1) on the same ellipsoid and parameters: random
// points across each grid's area of use, forward and inverse, with the
// convergence and point scale. Prints the error envelope that the headers
// of projection/TransverseMercator.h and Mercator.h quote.

#include "ProjectionOracle.h"

#include "geodesy/ellipsoid/EllipsoidTable.h"

namespace {

using projection_oracle::Band;
using projection_oracle::ProjText;

constexpr double kDeg = kRadiansPerDegree;
constexpr double kFeet = 0.30480060960121924;
constexpr unsigned kClarke1866 = 7;

struct GridParams {
  const char* label;
  unsigned kind, ellipsoidRow;
  double lat0, lon0, k0, fe, fn;  // degrees, metres
};

struct Grid : projection_oracle::OwnedGrid {
  explicit Grid(const GridParams& p) : OwnedGrid(p.kind, 0, p.ellipsoidRow, p.lat0, p.lon0, p.k0, p.fe, p.fn) {}
};

void CheckBands(const GridParams& params, const char* proj, const std::vector<Band>& bands) {
  const Grid g(params);
  projection_oracle::CheckBands(params.label, g.grid, ProjText(g.grid, proj), bands);
}

const GridParams kTransverseMercatorGrids[] = {
    {"UTM 31N, WGS 1984 (kind 0)", 0, 26, 0, 3, 0.9996, 500000, 0},
    {"UTM 56S, International (kind 1)", 1, 20, 0, 153, 0.9996, 500000, 10000000},
    {"British National Grid, Airy 1830 (kind 2)", 2, 0, 49, -2, 0.9996012717, 400000, -100000},
    {"Gauss-Kruger 3 deg, Krassowsky (kind 4)", 4, 21, 0, 27, 1, 9500000, 0},
    {"State plane TM, Clarke 1866 (kind 12/0)", 12, 7, 31, -81, 0.9999411765, 200000, 0},
};

// PROJ's default tmerc is the exact Poder/Engsager series (to nanometres
// within 3900 km of the central meridian), so the differences are our
// truncation. Forward, that is the published truncation error of the series
// (1 mm within 2°, 2.5 mm at 3°, 0.17 m at 6° of longitude), plus up to
// 0.35 mm from the meridional arc's e⁶ series when the origin lies far from
// the point (49° N to 80° S). The inverse series stop one order sooner:
// 4.5 mm at 3°, 0.29 m at 6°. Convergence and scale are PROJ's numerical
// derivatives (good to about 1e-6" and 1e-11). Our own round trip shows
// the inverse's truncation: 0.5 mm within 2°, 4.6 mm within 3°. Bounds are
// the worst seen, rounded up, at every latitude from 80° S to 84° N.
TEST(ProjectionOracle, TransverseMercatorWithinItsTruncation) {
  for (const GridParams& params : kTransverseMercatorGrids)
    CheckBands(params, "tmerc +algo=poder_engsager",
               {{"0-2 deg", -80, 84, 0, 2, {1.5e-3, 1.5e-3, 1e-5, 2e-10, 1e-3}},
                {"2-3 deg", -80, 84, 2, 3, {3e-3, 5e-3, 5e-5, 2e-9, 5e-3}},
                {"3-6 deg", -80, 84, 3, 6, {0.17, 0.3, 5e-3, 1.5e-7}}});
}

const GridParams kMercatorGrids[] = {
    {"World Mercator, WGS 1984", 5, 26, 0, 0, 1, 0, 0},
    {"Mercator true at 41 N, Bessel 1841", 5, 3, 41, 12, 1, 1000000, -2000000},
    {"Mercator true at 35 S, GRS80", 5, 17, -35, -20, 1, 0, 10000000},
};

// Both ways to nanometres: the forward is a closed form, the inverse
// Newton's method run to a step below 0.001" (then 1e-15 rad off), so the
// round trip returns within 10 nm. The
// northing near a pole is some 2e7 m, where atanh of a sine near 1 keeps
// 14 digits: 1 µm. Longitudes stay within ±155° of lon0 and ±180° absolute: the
// module does not wrap a Mercator longitude.
TEST(ProjectionOracle, MercatorToTheNanometre) {
  for (const GridParams& params : kMercatorGrids)
    CheckBands(params, "merc",
               {{"0-60 deg", -60, 60, 0, 155, {1e-7, 1e-7, 1e-9, 1e-10, 1e-8}},
                {"60-84 deg N", 60, 84, 0, 155, {1e-7, 1e-7, 1e-9, 1e-10, 1e-8}},
                {"84-89 deg S", -89, -84, 0, 155, {2e-6, 1e-7, 1e-9, 1e-10}}});
}

// The NAD27 state plane Transverse Mercator zones (kind 12, variant 2) on
// Clarke 1866 as EPSG publishes them, with the latitudes each covers and its
// half-width in longitude, degrees.
struct Zone {
  const char* label;
  double lat0, lon0, k0, fe;
  double latLo, latHi, halfWidth;
};

const Zone kZones[] = {
    {"Arizona Central 27 (26749)", 31, -(111 + 55 / 60.0), 0.9999, 500000 * kFeet, 31.3, 37, 1.2},
    {"New Jersey 27 (26759)", 38 + 50 / 60.0, -(74 + 40 / 60.0), 0.999975, 2000000 * kFeet, 38.9, 41.4, 1},
    {"Maine East 27 (26783)", 43 + 50 / 60.0, -(68 + 30 / 60.0), 0.9999, 500000 * kFeet, 44, 47.5, 1.3},
};

struct ZoneGrid : projection_oracle::OwnedGrid {
  explicit ZoneGrid(const Zone& z) : OwnedGrid(12, 2, kClarke1866, z.lat0, z.lon0, z.k0, z.fe, 0) {}
};

// Measured over each zone's latitudes and width: forward 1.6 to 7.8 mm,
// the easting's cube taken with the radius and e′²·cos²phi of the latitude
// of origin, largest in the tallest zones (Arizona: 6°); inverse
// 0.4 mm, the full inverse series on the coast survey's footpoint. The
// convergence's cube, Δlam³·sin phī·cos²phī/12 about the mean of the
// latitude and the footpoint, leaves out a term in e′²: 0.003"; the point
// scale, to x⁴, within 1e-10. Bounds: 1 cm, 0.005" and 1e-9; forward then
// inverse carries the forward's error back, so 1 cm too.
TEST(ProjectionOracle, StatePlaneTransverseMercatorAgainstProj) {
  for (const Zone& z : kZones) {
    const ZoneGrid g(z);
    projection_oracle::CheckBands(z.label, g.grid, ProjText(g.grid, "tmerc"),
                                  {{"zone", z.latLo, z.latHi, 0, z.halfWidth, {1e-2, 1e-2, 5e-3, 1e-9, 1e-2}}});
  }
}

// The central meridian's points keep their longitude and have the false
// easting, the convergence 0 and the scale k0, exactly; 359° east of the
// meridian is 1° west.
TEST(ProjectionOracle, StatePlaneTransverseMercatorMeridianAndWrapping) {
  const ZoneGrid g(kZones[0]);
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
