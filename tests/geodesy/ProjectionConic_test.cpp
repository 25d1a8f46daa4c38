// The Lambert conics (kind 6) and the NAD27 state plane Lambert zones
// (kind 12, variant 1) against PROJ's lcc on the same ellipsoid and
// parameters, their set-up rules (the scale field, equal parallels, the
// apex), forward-then-inverse round trips over each grid's area, and the
// grids that have no answer.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

#include "ProjectionOracle.h"
#include "geodesy/angle/AngleUnits.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/projection/GridSystem.h"

namespace {

using projection_oracle::kExactDegreesPerRadian;
using projection_oracle::kNotCompared;
using projection_oracle::ProjText;

constexpr double kDeg = kRadiansPerDegree;
constexpr projection_oracle::Envelope kRoundTripOnly{kNotCompared, kNotCompared, kNotCompared, kNotCompared, 1e-7};

struct ConicParams {
  const char* label;
  unsigned variant, ellipsoidRow;
  double lat0, lon0, lat1, lat2, k0, fe, fn;  // degrees, metres
  unsigned kind = 6;
};

struct Conic : projection_oracle::OwnedGrid {
  explicit Conic(const ConicParams& p)
      : OwnedGrid(p.kind, p.variant, p.ellipsoidRow, p.lat0, p.lon0, p.k0, p.fe, p.fn) {
    grid.SetStandardParallels(p.lat1, p.lat2);
  }
};

std::string ParallelsText(const CGridSystem& g) {
  char text[128];
  std::snprintf(text, sizeof text, "+lat_1=%.17g +lat_2=%.17g", g.lat1 * kExactDegreesPerRadian,
                g.lat2 * kExactDegreesPerRadian);
  return text;
}

// Grids of continental size on both hemispheres, and the one-parallel cone
// that equal parallels give.
const ConicParams kTwoParallelGrids[] = {
    {"France, GRS80", 2, 17, 46.5, 3, 49, 44, 1, 700000, 6600000},
    {"South Australia, GRS80", 2, 17, -32, 135, -28, -36, 1, 1000000, 2000000},
    {"one parallel at 40 N, International", 2, 20, 40, -4, 40, 40, 1, 0, 0},
    {"France, tan form", 1, 17, 46.5, 3, 49, 44, 1, 700000, 6600000},
    {"South Australia, tan form", 1, 17, -32, 135, -28, -36, 1, 1000000, 2000000},
};

// Both ways closed forms (the inverse's Newton steps on q stop 1e-15 rad
// off): what is left, the round trip's too, is rounding in r (some 1e7 m)
// and in exp of n·q, 2e-8 m as measured; bound 1e-7 m. Convergence and scale
// are PROJ's numerical derivatives, good to about 1.5e-6" and 2e-10; the tan
// form gives neither.
TEST(ProjectionConic, LambertConformalConicAgainstProj) {
  for (const ConicParams& params : kTwoParallelGrids) {
    const Conic c(params);
    const double factors = params.variant == 2 ? 1 : kNotCompared;
    const projection_oracle::Envelope bound{1e-7, 1e-7, 5e-6 * factors, 1e-9 * factors, 1e-7};
    const double lo = std::min(params.lat1, params.lat2) - 8, hi = std::max(params.lat1, params.lat2) + 8;
    projection_oracle::CheckBands(params.label, c.grid, ProjText(c.grid, "lcc", ParallelsText(c.grid), false),
                                  {{"near", lo, hi, 0, 10, bound}, {"wide", lo - 20, hi + 20, 10, 40, bound}});
  }
}

// One-parallel grids: the Levant zone on Clarke 1880 (IGN), and a southern
// one.
const ConicParams kNearConformalGrids[] = {
    {"Levant zone, Clarke 1880 (IGN)", 0, 10, 34.65, 37.35, 34.65, 34.65, 0.9996256, 300000, 300000},
    {"one parallel at 30 S, GRS80", 0, 17, -30, 25, -30, -30, 0.9999, 0, 1000000},
};

// Against the exact one-parallel conic the differences are the series'
// truncation after s⁵, both ways: 0.07 mm within 1.5° of lat0, 3.4 mm within
// 3°, 0.24 m at 6°, as measured, rounded up. Convergence is theta, exact on
// the cone (PROJ's derivative is good to 1.5e-6"); the point scale carries
// the truncation, 4e-9 at 3°. Our inverse solves the forward's own series,
// so the round trip returns to rounding even 15° from lat0 and 30° from the
// meridian, where PROJ's numbers are not compared.
TEST(ProjectionConic, NearConformalWithinItsTruncation) {
  for (const ConicParams& params : kNearConformalGrids) {
    const Conic c(params);
    const double lat0 = params.lat0;
    char parallel[64];
    std::snprintf(parallel, sizeof parallel, "+lat_1=%.17g", c.grid.lat0 * kExactDegreesPerRadian);
    projection_oracle::CheckBands(params.label, c.grid, ProjText(c.grid, "lcc", parallel),
                                  {{"1.5 deg", lat0 - 1.5, lat0 + 1.5, 0, 6, {1e-4, 1e-4, 5e-6, 1e-10}},
                                   {"3 deg", lat0 - 3, lat0 + 3, 0, 6, {5e-3, 5e-3, 5e-6, 5e-9}},
                                   {"6 deg", lat0 - 6, lat0 + 6, 0, 6, {0.3, 0.3, 5e-6, 5e-7}},
                                   {"round trip", lat0 - 15, lat0 + 15, 0, 30, kRoundTripOnly}});
  }
}

// The published example of the Levant zone (EPSG guidance note 7-2): the
// series to s⁵ gives the full formulae's 15708.00 623167.20 (to its
// centimetre), not the s³ truncation's 15707.96 623165.96.
TEST(ProjectionConic, NearConformalCarriesTheSeriesPastTheCube) {
  const Conic levant(kNearConformalGrids[0]);
  const double lat = (37 + 31 / 60.0 + 17.625 / 3600) * kDeg, lon = (34 + 8 / 60.0 + 11.291 / 3600) * kDeg;
  double e = 0, n = 0;
  ASSERT_TRUE(levant.grid.Forward(lat, lon, &e, &n));
  EXPECT_NEAR(e, 15708.00, 0.01);
  EXPECT_NEAR(n, 623167.20, 0.01);
}

// NAD27 state plane Lambert zones as published (EPSG 32038, 32028):
// parallels, origin and 2 000 000 US survey feet of false easting.
constexpr double kTwoMillionFeet = 2000000 * 0.30480060960121924;
const ConicParams kStatePlaneZones[] = {
    {"Texas North Central 27", 1, 7, 31 + 40 / 60.0, -97.5, 32 + 8 / 60.0, 33 + 58 / 60.0, 1, kTwoMillionFeet, 0, 12},
    {"Pennsylvania North 27", 1, 7, 40 + 10 / 60.0, -77.75, 40 + 53 / 60.0, 41 + 57 / 60.0, 1, kTwoMillionFeet, 0, 12},
};

// The coast survey's arc-second series of the meridional arc and its
// footpoint are good to some 1e-5" (0.3 mm); the radius polynomial in s, cut
// after s⁵, loses under 0.01 mm within a zone. Measured: 0.22 mm both ways,
// bound 1 mm; the round trip keeps the footpoint series' own 0.02 mm.
// Convergence and scale: PROJ's numerical derivatives, as for lcc.
TEST(ProjectionConic, StatePlaneLambertAgainstProj) {
  for (const ConicParams& params : kStatePlaneZones) {
    const Conic c(params);
    const double lo = std::min(params.lat1, params.lat2) - 1, hi = std::max(params.lat1, params.lat2) + 1;
    projection_oracle::CheckBands(params.label, c.grid,
                                  ProjText(c.grid, "lcc", ParallelsText(c.grid), false),
                                  {{"zone", lo, hi, 0, 4, {1e-3, 1e-3, 5e-6, 1e-9, 5e-5}}});
  }
}

// The scale field a set-up leaves (the point scales themselves are PROJ's):
// the isometric form keeps its least scale, on the central parallel asin n;
// the tan form keeps the point scale at lat0.
TEST(ProjectionConic, ScaleField) {
  for (const ConicParams& params : kTwoParallelGrids) {
    if (params.variant != 2) continue;
    const Conic c(params);
    double kCentral = 0, kOrigin = 0, e = 0, n = 0;
    const double central = std::asin(c.grid.constants[0]);
    c.grid.Forward(central, 1 * kDeg, &e, &n, nullptr, &kCentral);
    c.grid.Forward(params.lat0 * kDeg, 1 * kDeg, &e, &n, nullptr, &kOrigin);
    EXPECT_NEAR(c.grid.scale, kCentral, 1e-15) << params.label;
    double kNearby = 0;
    for (double offset : {-0.5, 0.5}) {
      c.grid.Forward(central + offset * kDeg, 1 * kDeg, &e, &n, nullptr, &kNearby);
      EXPECT_GT(kNearby, c.grid.scale) << params.label << " " << offset;
    }
    ConicParams tan = params;
    tan.variant = 1;
    EXPECT_NEAR(Conic(tan).grid.scale, kOrigin, 1e-15) << params.label;
  }
}

// The pole a cone closes on is its apex: forward it lies r0 north (south
// for a southern cone) of the false origin, and the inverse gives the pole
// exactly rather than an infinite isometric latitude.
TEST(ProjectionConic, ApexIsThePole) {
  for (const ConicParams& params : kTwoParallelGrids) {
    const Conic c(params);
    const double pole = std::copysign(std::numbers::pi / 2, params.lat1 + params.lat2);
    double e = 0, n = 0, lat = 0, lon = 0;
    ASSERT_TRUE(c.grid.Forward(pole, c.grid.lon0 + 1, &e, &n)) << params.label;
    EXPECT_EQ(e, params.fe) << params.label;
    EXPECT_EQ(n, c.grid.constants[2] + params.fn) << params.label;
    ASSERT_TRUE(c.grid.Inverse(e, n, &lat, &lon)) << params.label;
    EXPECT_EQ(lat, pole) << params.label;
  }
}

// Grids without a cone (opposite parallels flatten it into a cylinder; a
// one-parallel grid on the equator has its apex at infinity) give no finite
// numbers, on every variant; the host turns that into its refusal.
TEST(ProjectionConic, DegenerateGridsGiveNoNumbers) {
  const ConicParams flat[] = {
      {"parallels 30 N and 30 S", 2, 17, 0, 0, 30, -30, 1, 0, 0},
      {"tan form, 30 N and 30 S", 1, 17, 0, 0, 30, -30, 1, 0, 0},
      {"near-conformal on the equator", 0, 17, 0, 0, 0, 0, 1, 0, 0},
  };
  for (const ConicParams& params : flat) {
    const Conic c(params);
    double e = 0, n = 0;
    c.grid.Forward(40 * kDeg, 1 * kDeg, &e, &n);
    EXPECT_FALSE(std::isfinite(e) && std::isfinite(n)) << params.label << " " << e << " " << n;
  }
}

}  // namespace
