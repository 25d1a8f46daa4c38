// The grid system's own rules: the origin short-cut, the grids it cannot
// project with, longitude wrapping, the south-orientated sign change, the
// inverse's out-of-range and unreadable positions. Accuracy and round trips
// against PROJ: ProjectionOracle_test.cpp.

#include "geodesy/projection/GridSystem.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "ProjectionOracle.h"
#include "geodesy/angle/AngleUnits.h"
#include "geodesy/catalogue/GridCatalogue.h"
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

// Without an ellipsoid, with a = 0 or k0 = 0, for a kind that cannot be
// computed yet, or a row past a kind's tables, both directions leave every
// output as it was.
TEST(GridSystem, GridsThatCannotProjectLeaveOutputsUntouched) {
  struct Case { const char* label; unsigned kind; bool noSpheroid; double a, k0; std::uint32_t row = 0; };
  const Case cases[] = {
      {"no ellipsoid", 0, true, 6378137, 0.9996},
      {"a = 0", 0, false, 0, 0.9996},
      {"k0 = 0", 0, false, 6378137, 0},
      {"Norwegian axes, not available", 13, false, 6378137, 1},
      {"no such kind", 15, false, 6378137, 1},
      {"no such Lambert variant", 6, false, 6378137, 1},
      {"System 34 past its tables", 14, false, 6378137, 1, 2},
      {"System 34 far past its tables", 14, false, 6378137, 1, 0xFFFFFFFF},
  };
  for (const Case& c : cases) {
    Grid g(c.kind, 10, 3, c.k0, 500000, 0);
    g.spheroid.a = c.a;
    if (c.noSpheroid) g.grid.spheroid = nullptr;
    g.grid.variant = 7;
    g.grid.row = c.row;
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
// inverse replaces by 0; the convergence is clamped at ±pi.
TEST(GridSystem, OutOfRangeResults) {
  const Grid tm(0, 0, 0, 1, 0, 0);
  EXPECT_EQ(Inverse(tm.grid, 1000, 1.5e7).e, 0);
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

// Unreadable positions are refused on every grid of the catalogue before
// any kind sees them, both ways, with the outputs left as they were: a
// closed form would carry a NaN through, Mercator would wrap an infinite
// easting to longitude 0, and an iterating inverse would spend its steps.
TEST(GridSystem, UnreadablePositionsAreRefusedOnEveryCatalogueGrid) {
  const double nan = std::nan(""), inf = HUGE_VAL;
  const double gridPositions[][2] = {{nan, 500000}, {500000, nan}, {inf, 0}, {0, -inf}};
  const double latLons[][2] = {{nan, 0.1}, {0.9, nan}, {inf, 0}, {0.9, -inf}};
  for (std::uint32_t kind = 0; kind < kCatalogueKindCount; ++kind) {
    for (std::uint32_t row = 0; row < CatalogueRowCount(kind); ++row) {
      CSpheroid ellipsoid;
      CGridSystem grid;
      if (!SelectGrid(grid, &ellipsoid, row, kind, 0)) continue;  // a row without published numbers
      for (std::size_t i = 0; i < std::size(latLons); ++i) {
        double x = 1, y = 1;
        EXPECT_FALSE(grid.Inverse(gridPositions[i][0], gridPositions[i][1], &x, &y)) << kind << ":" << row << " " << i;
        EXPECT_FALSE(grid.Forward(latLons[i][0], latLons[i][1], &x, &y)) << kind << ":" << row << " " << i;
        EXPECT_EQ(std::pair(x, y), std::pair(1.0, 1.0)) << kind << ":" << row << " " << i;
      }
    }
  }
}

}  // namespace
