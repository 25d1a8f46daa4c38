// Kind 13 against PROJ's ED50 to NGO 1948 conversion (the one its tables
// were fitted to), its region rule at the thresholds, and the grids and
// points it gives no numbers for.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <random>

#include "ProjectionOracle.h"
#include "geodesy/projection/NorwegianAxes.h"
#include "norwegian_axes/NgoConversion.h"

namespace {

using projection_oracle::ArcSeconds;
using projection_oracle::GroundDistance;
using projection_oracle::kExactDegreesPerRadian;
using projection_oracle::OwnedGrid;
using projection_oracle::ProjOperation;

constexpr unsigned kInternational = 20;
constexpr unsigned kWgs1984 = 26;

// Kind 13 on zone `zone` with the variant's axis, as the catalogue sets it.
struct AxisGrid : OwnedGrid {
  AxisGrid(int zone, unsigned variant, unsigned ellipsoid = kInternational)
      : OwnedGrid(13, variant, ellipsoid, 0, 6 * zone - 183, 0.9996, 500000, 0) {}
};

// Norway's area of use (proj.db, NGO 1948) within a zone's six degrees.
struct ZoneBand { double west, east; };
ZoneBand BandOf(int zone) { return {std::max(6.0 * zone - 186, 4.68), 6.0 * zone - 180}; }
constexpr double kNorwaySouth = 57.93, kNorwayNorth = 71.21;

// Bounds: the fits leave at most 0.2 mm and the Transverse Mercator series
// 2.5 mm forward and 4.8 mm inverse at 3° from the meridian. PROJ's point
// scale and convergence are those of the NGO projection at the ED50 point,
// which the datum shift (6.21 ppm scale, and heights that change by tens of
// metres between the ellipsoids) moves by some 1e-5 and a few arc-seconds.
// Bounds: 3 mm forward, 6 mm inverse on the ground, 5" and 2e-5.
constexpr projection_oracle::Envelope kBound{0.003, 0.006, 5, 2e-5};
// An answer on another axis than the point's may lie near a corner of the
// zone's rectangle, 5° from the meridian, where the series' round trip
// leaves centimetres.
constexpr double kOtherAxisRoundTrip = 0.05;  // metres
constexpr int kPointsPerGrid = 400;

// The NGO axis's projection, its meridian from Oslo's (10°43′22.5″ E).
std::string NgoTmerc(int axis) {
  static constexpr double kOslo = 10.722916666666667;
  static constexpr std::array<double, kNorwegianAxisCount> kFromOslo = {
      -4.666666666666667, -2.333333333333333, 0, 2.5, 6.166666666666667, 10.166666666666667, 14.166666666666667,
      18.333333333333333};
  char text[160];
  std::snprintf(text, sizeof text, "+proj=tmerc +lat_0=58 +k=1 +a=6377492.018 +rf=299.1528128 +lon_0=%.15g",
                kOslo + kFromOslo[static_cast<std::size_t>(axis)]);
  return text;
}

// Every zone with every variant: each point of Norway in the zone projects
// to PROJ's NGO numbers of the axis it falls in, or to nothing where the
// grid has no table; and back.
TEST(NorwegianAxes, MatchesProjOverNorway) {
  std::array<std::unique_ptr<norwegian_axes::NgoConversion>, kNorwegianAxisCount> ngo;
  std::array<std::unique_ptr<ProjOperation>, kNorwegianAxisCount> factors;
  for (int axis = 0; axis < kNorwegianAxisCount; ++axis) {
    ngo[axis] = std::make_unique<norwegian_axes::NgoConversion>(norwegian_axes::kEd50Geographic, axis);
    factors[axis] = std::make_unique<ProjOperation>(NgoTmerc(axis));
    ASSERT_TRUE(ngo[axis]->Valid() && factors[axis]->Valid()) << axis;
  }
  std::mt19937_64 rng(13);
  int computed = 0, refused = 0;
  for (int zone = 31; zone <= 35; ++zone)
    for (unsigned variant = 0; variant < kNorwegianAxisCount; ++variant) {
      const AxisGrid g(zone, variant);
      const ZoneBand band = BandOf(zone);
      std::uniform_real_distribution<double> lat(kNorwaySouth, kNorwayNorth), lon(band.west, band.east);
      projection_oracle::Envelope e{0, 0, 0, 0};
      for (int i = 0; i < kPointsPerGrid; ++i) {
        const double phi = lat(rng) / kExactDegreesPerRadian, lam = lon(rng) / kExactDegreesPerRadian;
        double y = 7, x = 7, gamma = 0, k = 0;
        const int axis = NorwegianAxisAt(g.grid, phi, lam);
        const bool projected = g.grid.Forward(phi, lam, &y, &x, &gamma, &k);
        ASSERT_EQ(projected, axis >= 0) << zone << " " << variant;
        if (!projected) {
          EXPECT_EQ(y, 7);  // untouched
          ++refused;
          continue;
        }
        ++computed;
        const PJ_XY exact = ngo[axis]->Forward(lam * kExactDegreesPerRadian, phi * kExactDegreesPerRadian);
        e.forward = std::max(e.forward, std::hypot(y - exact.x, x - exact.y));
        const PJ_FACTORS f = factors[axis]->Factors(phi, lam);
        e.convergence = std::max(e.convergence, ArcSeconds(gamma - f.meridian_convergence));
        e.scale = std::max(e.scale, std::fabs(k / f.parallel_scale - 1));
        // Back from PROJ's numbers: to the point where its axis is the
        // variant's; elsewhere the variant's axis may claim them first, but
        // the answer always projects forward to them.
        double phiBack = 0, lamBack = 0;
        ASSERT_TRUE(g.grid.Inverse(exact.x, exact.y, &phiBack, &lamBack));
        if (axis == static_cast<int>(variant)) {
          e.inverse = std::max(e.inverse, GroundDistance(g.spheroid, phi, phiBack - phi, lamBack - lam));
        } else {
          double y2 = 0, x2 = 0;
          ASSERT_TRUE(g.grid.Forward(phiBack, lamBack, &y2, &x2));
          EXPECT_LT(std::hypot(y2 - exact.x, x2 - exact.y), kOtherAxisRoundTrip);
        }
      }
      std::printf("zone %d variant %u: forward %.2g m, inverse %.2g m, convergence %.2g\", scale %.2g\n", zone,
                  variant, e.forward, e.inverse, e.convergence, e.scale);
      EXPECT_LT(e.forward, kBound.forward) << zone << " " << variant;
      EXPECT_LT(e.inverse, kBound.inverse) << zone << " " << variant;
      EXPECT_LT(e.convergence, kBound.convergence) << zone << " " << variant;
      EXPECT_LT(e.scale, kBound.scale) << zone << " " << variant;
    }
  // Both outcomes were met: the test saw tables and their gaps.
  EXPECT_GT(computed, 0);
  EXPECT_GT(refused, 0);
}

// Points a centimetre or less either side of each threshold (zone 32), and
// the zones that keep the variant's axis everywhere.
TEST(NorwegianAxes, RegionRuleAtItsThresholds) {
  const struct { int zone, variant; double easting, northing; int axis; double origin; } cases[] = {
      {32, 5, 399999.99, 6640000.8, 0, 6430000},  // region 1
      {32, 5, 399999.99, 6640000.9, 0, 6430000},  // region 2
      {32, 5, 399999.99, 6770001.6, 0, 6430000},  // region 3
      {32, 5, 400000.0, 6530000.6, 1, 6430000},   // region 4
      {32, 5, 400000.0, 6930001.0, 1, 6430000},   // region 7
      {32, 5, 400000.0, 6930001.1, 2, 6430000},   // region 8
      {32, 5, 530000.99, 7500000, 2, 6430000},    // region 8
      {32, 5, 530001.0, 6730000.0, 2, 6430000},   // region 9
      {32, 5, 530001.0, 7060001.5, 2, 6430000},   // region 11
      {32, 5, 530001.0, 7060001.6, 5, 7200000},   // region 12 keeps the variant
      {31, 0, 600000, 6700000, 2, 6430000},       // all of Norway in zone 31 lies east of 530001
      {33, 3, 200000, 6500000, 3, 7200000},
      {35, 7, 600000, 7800000, 7, 7200000},
  };
  for (const auto& c : cases) {
    const NorwegianAxisChoice got = ChooseNorwegianAxis(c.zone, c.variant, c.easting, c.northing);
    EXPECT_EQ(got.axis, c.axis) << c.zone << " " << c.easting << " " << c.northing;
    EXPECT_EQ(got.originNorthing, c.origin) << c.zone << " " << c.easting << " " << c.northing;
  }
}

// Where the grid has no table the outputs stay as they were and the answer
// is false, both ways.
TEST(NorwegianAxes, GivesNothingWithoutATable) {
  // Latitude and longitude in degrees; y and x in NGO metres.
  const struct { const char* label; int zone; unsigned variant, ellipsoid; double lat, lon, y, x; } cases[] = {
      {"zone 35 is far from Axis I", 35, 0, kInternational, 70, 27, 0, 1300000},
      {"zone 31 north of region 11 keeps Axis II", 31, 1, kInternational, 66, 5.5, -100000, 900000},
      {"south of Norway", 32, 2, kInternational, 50, 9, 0, -900000},
      {"not the International ellipsoid", 32, 2, kWgs1984, 60, 10, -40147, 222851},
      {"no ninth axis", 32, 8, kInternational, 60, 10, -40147, 222851},
  };
  for (const auto& c : cases) {
    const AxisGrid g(c.zone, c.variant, c.ellipsoid);
    double a = 7, b = 7;
    EXPECT_FALSE(g.grid.Forward(c.lat * kRadiansPerDegree, c.lon * kRadiansPerDegree, &a, &b)) << c.label;
    EXPECT_FALSE(g.grid.Inverse(c.y, c.x, &a, &b)) << c.label;
    EXPECT_EQ(a, 7) << c.label;
    EXPECT_EQ(b, 7) << c.label;
  }
}

}  // namespace
