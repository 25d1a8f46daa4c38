// The grid system's own rules: the origin short-cut, the grids it cannot
// project with, longitude wrapping, the south-orientated sign change, the
// inverse's out-of-range results, and forward-then-inverse round trips over
// each kind's area of use. Accuracy against PROJ: ProjectionOracle_test.cpp.

#include "geodesy/projection/GridSystem.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "ProjectionOracle.h"
#include "geodesy/angle/AngleUnits.h"
#include "geodesy/ellipsoid/EllipsoidTable.h"
#include "geodesy/ellipsoid/Spheroid.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDeg = kRadiansPerDegree;
// Outputs a call must leave alone.
constexpr double kUntouched = -12345.678;

struct Grid : projection_oracle::OwnedGrid {
  Grid(unsigned kind, double lat0, double lon0, double k0, double fe, double fn, unsigned row = kWgs1984Row)
      : OwnedGrid(kind, 0, row, lat0, lon0, k0, fe, fn) {}
};

struct Projected {
  double e = kUntouched, n = kUntouched, gamma = kUntouched, k = kUntouched;
  bool ok = false;
};

Projected Forward(const CGridSystem& g, double latDeg, double lonDeg) {
  Projected p;
  p.ok = g.Forward(latDeg * kDeg, lonDeg * kDeg, &p.e, &p.n, &p.gamma, &p.k);
  return p;
}

Projected Inverse(const CGridSystem& g, double e, double n) {
  Projected p;
  p.ok = g.Inverse(e, n, &p.e, &p.n, &p.gamma, &p.k);
  return p;
}

// Geographic (0, 0) is answered without the series, whatever the grid's
// own origin: zeros and k0 even on a zone whose meridian is 3° E.
TEST(GridSystem, GeographicOriginIsAnsweredWithoutTheSeries) {
  for (unsigned kind : {0u, 3u, 5u}) {
    const Grid g(kind, 0, 3, 0.9996, 500000, 0);
    for (double lon : {0.0, 0.9e-3 / 3600, -0.9e-3 / 3600}) {
      const Projected p = Forward(g.grid, 0.9e-3 / 3600, lon);
      EXPECT_TRUE(p.ok);
      EXPECT_EQ(p.e, 0) << kind;
      EXPECT_EQ(p.n, 0) << kind;
      EXPECT_EQ(p.gamma, 0) << kind;
      EXPECT_EQ(p.k, g.grid.scale) << kind;
    }
    // 0.0011" away the series runs again.
    EXPECT_GT(std::fabs(Forward(g.grid, 0, 1.1e-3 / 3600).e), 100000) << kind;
  }
}

// Without an ellipsoid, with a = 0 or k0 = 0, and for a kind that cannot
// be computed yet, both directions leave every output as it was.
TEST(GridSystem, GridsThatCannotProjectLeaveOutputsUntouched) {
  struct Case { const char* label; unsigned kind; bool noSpheroid; double a, k0; };
  const Case cases[] = {
      {"no ellipsoid", 0, true, 6378137, 0.9996},
      {"a = 0", 0, false, 0, 0.9996},
      {"k0 = 0", 0, false, 6378137, 0},
      {"Norwegian axes, not available", 13, false, 6378137, 1},
      {"no such kind", 15, false, 6378137, 1},
      {"no such Lambert variant", 6, false, 6378137, 1},
  };
  for (const Case& c : cases) {
    Grid g(c.kind, 10, 3, c.k0, 500000, 0);
    g.spheroid.a = c.a;
    if (c.noSpheroid) g.grid.spheroid = nullptr;
    g.grid.variant = 7;
    g.grid.DeriveGrid();
    const Projected f = Forward(g.grid, 50, 4), i = Inverse(g.grid, 550000, 5500000);
    for (const Projected& p : {f, i}) {
      EXPECT_FALSE(p.ok) << c.label;
      EXPECT_EQ(p.e, kUntouched) << c.label;
      EXPECT_EQ(p.n, kUntouched) << c.label;
      EXPECT_EQ(p.gamma, kUntouched) << c.label;
      EXPECT_EQ(p.k, kUntouched) << c.label;
    }
  }
}

// Only the outputs asked for are written, and they are those of a full call.
TEST(GridSystem, NullOutputsAreSkipped) {
  const Grid g(0, 0, 3, 0.9996, 500000, 0);
  const Projected full = Forward(g.grid, 50, 4);
  // A null latitude starts the footpoint iteration where a latitude of 0 does.
  double lat = 0, lonFull = 0, n = 0, lon = 0;
  g.grid.Inverse(full.e, full.n, &lat, &lonFull);
  EXPECT_TRUE(g.grid.Forward(50 * kDeg, 4 * kDeg, nullptr, &n));
  EXPECT_TRUE(g.grid.Inverse(full.e, full.n, nullptr, &lon));
  EXPECT_EQ(n, full.n);
  EXPECT_EQ(lon, lonFull);
}

// The Transverse Mercator kinds take a longitude 359° east of lon0 as 1°
// west, and give an inverse longitude within (−pi, pi]; Mercator does
// neither, and an inverse longitude beyond ±pi comes out as 0.
TEST(GridSystem, LongitudeWrapping) {
  const Grid tm(0, 0, 177, 0.9996, 500000, 0);
  const Projected east = Forward(tm.grid, 40, 177 + 359), west = Forward(tm.grid, 40, 176);
  EXPECT_NEAR(east.e, west.e, 1e-6);
  EXPECT_NEAR(east.n, west.n, 1e-6);
  // 4° east of 177° E is 179° W.
  const Projected across = Forward(tm.grid, 40, -179);
  EXPECT_NEAR(Inverse(tm.grid, across.e, across.n).n, -179 * kDeg, 1e-9);

  const Grid mercator(5, 0, 170, 1, 0, 0);
  const double C = mercator.spheroid.a;
  EXPECT_NEAR(Inverse(mercator.grid, 9 * kDeg * C, 0).n, 179 * kDeg, 1e-12);
  EXPECT_EQ(Inverse(mercator.grid, 11 * kDeg * C, 0).n, 0);
}

// Kind 3 is kind 0 with easting and northing negated, false origin and
// all; its inverse negates the offsets from the false origin.
TEST(GridSystem, SouthOrientatedNegatesEastingAndNorthing) {
  const Grid north(0, 0, 25, 1, 1000, 2000), south(3, 0, 25, 1, 1000, 2000);
  for (double lat : {-34.0, -22.5, 0.0, 10.0}) {
    const Projected n = Forward(north.grid, lat, 27.5), s = Forward(south.grid, lat, 27.5);
    EXPECT_EQ(s.e, -n.e) << lat;
    EXPECT_EQ(s.n, -n.n) << lat;
    EXPECT_EQ(s.gamma, n.gamma) << lat;
    EXPECT_EQ(s.k, n.k) << lat;
  }
  const Projected back = Inverse(south.grid, -(250000.0 - 1000), -(-3700000.0 - 2000));
  const Projected same = Inverse(north.grid, 250000 + 1000, -3700000 + 2000);
  EXPECT_EQ(back.e, same.e);
  EXPECT_EQ(back.n, same.n);
}

// A northing beyond the pole gives a footpoint past pi/2, a latitude the
// inverse replaces by 0; the convergence is clamped at ±pi; an iteration
// that cannot settle (a NaN northing) runs its 100 steps and gives latitude
// 0 and false.
TEST(GridSystem, OutOfRangeResults) {
  const Grid tm(0, 0, 0, 1, 0, 0);
  EXPECT_EQ(Inverse(tm.grid, 1000, 1.5e7).e, 0);
  for (unsigned kind : {0u, 5u}) {
    const Grid g(kind, 0, 0, 1, 0, 0);
    const Projected p = Inverse(g.grid, 1000, std::nan(""));
    EXPECT_FALSE(p.ok) << kind;
    EXPECT_EQ(p.e, 0) << kind;
  }
  EXPECT_EQ(Forward(tm.grid, 60, 179).gamma, kPi);
  EXPECT_EQ(Forward(tm.grid, -60, 179).gamma, -kPi);
}

// A parallel of origin makes Mercator true to scale there (and at its
// mirror), whatever scale was set.
TEST(GridSystem, MercatorIsTrueToScaleAtItsParallel) {
  for (double lat0 : {52.0, -30.0}) {
    const Grid mercator(5, lat0, 0, 7, 0, 0);
    EXPECT_NEAR(Forward(mercator.grid, lat0, 1).k, 1, 1e-15) << lat0;
    EXPECT_NEAR(Forward(mercator.grid, -lat0, 1).k, 1, 1e-15) << lat0;
  }
}

// Forward then inverse for random points over each kind's area of use. The
// Transverse Mercator inverse series stop an order short of the forward
// ones, so the round trip shows the inverse's truncation: 0.15 mm within 1°
// of the meridian (with 0.1 mm from the footpoint iteration's 0.001"
// tolerance), 4.7 mm within 3°. Mercator is exact both ways: 1e-8 m. The
// coast survey's zone-constant easting (12/2) against the full inverse
// series leaves its own 8 mm at a zone's far corner.
TEST(GridSystem, RoundTripsOverEachKindsArea) {
  struct Case {
    const char* label;
    unsigned kind, variant, row;
    double lat0, lon0, k0, fe, fn;
    double latLo, latHi, dlam;  // degrees
    double tolerance;           // metres
  };
  const Case cases[] = {
      {"UTM 31N (kind 0)", 0, 0, 26, 0, 3, 0.9996, 500000, 0, -80, 84, 3, 5e-3},
      {"UTM 56S (kind 1)", 1, 0, 20, 0, 153, 0.9996, 500000, 1e7, -80, 84, 1, 2e-4},
      {"British grid (kind 2)", 2, 0, 0, 49, -2, 0.9996012717, 400000, -100000, 49, 61, 3, 5e-3},
      {"Lo 27, south-orientated (kind 3)", 3, 0, 12, 0, 27, 1, 0, 0, -35, -22, 1, 2e-4},
      {"Gauss-Kruger (kind 4)", 4, 0, 21, 0, 27, 1, 9500000, 0, -80, 84, 1.5, 1e-3},
      {"state plane TM (kind 12/0)", 12, 0, 7, 31, -81, 0.9999411765, 200000, 0, 24, 31, 1, 2e-4},
      {"NAD27 Arizona Central, coast survey (12/2)", 12, 2, 7, 31, -111.9166666667, 0.9999, 152400.3048, 0, 31, 37,
       1.2, 1e-2},
      {"World Mercator (kind 5)", 5, 0, 26, 0, 0, 1, 0, 0, -85, 85, 180, 1e-8},
      {"Mercator true at 41 N (kind 5)", 5, 0, 3, 41, 12, 1, 1e6, -2e6, -85, 85, 160, 1e-8},
  };
  std::mt19937_64 rng(2024);
  for (const Case& c : cases) {
    Grid g(c.kind, c.lat0, c.lon0, c.k0, c.fe, c.fn, c.row);
    g.grid.variant = c.variant;
    g.grid.DeriveGrid();
    std::uniform_real_distribution<double> lat(c.latLo, c.latHi), dlam(-c.dlam, c.dlam);
    double worst = 0;
    for (int i = 0; i < 5000; ++i) {
      const double phi = lat(rng) * kDeg, lam = g.grid.lon0 + dlam(rng) * kDeg * (1 - 1e-9);
      double e = 0, n = 0, phiBack = 0, lamBack = 0;
      ASSERT_TRUE(g.grid.Forward(phi, lam, &e, &n)) << c.label;
      ASSERT_TRUE(g.grid.Inverse(e, n, &phiBack, &lamBack)) << c.label;
      worst = std::max(worst, projection_oracle::GroundDistance(g.spheroid, phi, phiBack - phi, lamBack - lam));
    }
    EXPECT_LT(worst, c.tolerance) << c.label;
  }
}

}  // namespace
