#include "geodesy/datum/Geocentric.h"

#include <gtest/gtest.h>

#include <GeographicLib/Geocentric.hpp>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>

#include "geodesy/angle/AngleUnits.h"
#include "geodesy/ellipsoid/Spheroid.h"

namespace {

constexpr double kPi = std::numbers::pi;
// Agreement asked of both directions: 0.1 mm, far below any survey need and
// about a thousand times the rounding of either implementation.
constexpr double kOracleTolerance = 1e-4;
// Latitudes within this of a pole are left out of the height comparison:
// the height is recovered through a division by cos phi.
constexpr double kPolarCap = 89.9;

struct Sample { double lat, lon, h; };  // degrees, metres

TEST(Geocentric, BothWaysAgreeWithGeographicLib) {
  for (std::uint32_t row : {0u, 20u, 26u}) {
    SCOPED_TRACE(row);
    CSpheroid s;
    ASSERT_TRUE(s.SelectSpheroid(row));
    const GeographicLib::Geocentric oracle(s.a, 1 / s.invFlattening);
    double worstXyz = 0, worstLat = 0, worstLon = 0, worstH = 0;
    std::mt19937_64 rng(7 + row);
    std::uniform_real_distribution<double> u(-1, 1), longitude(-180, 180), height(-500, 12000);
    for (int i = 0; i < 10000; ++i) {
      const Sample p{std::asin(u(rng)) * kDegreesPerRadian, longitude(rng), height(rng)};
      double X, Y, Z, x, y, z, lat, lon, h;
      GeographicToGeocentric(s, p.lat * kRadiansPerDegree, p.lon * kRadiansPerDegree, p.h, X, Y, Z);
      oracle.Forward(p.lat, p.lon, p.h, x, y, z);
      worstXyz = std::max(worstXyz, std::hypot(X - x, Y - y, Z - z));
      if (std::fabs(p.lat) > kPolarCap) continue;
      oracle.Reverse(x, y, z, lat, lon, h);
      // Seeded as after a datum shift of a few hundred metres.
      double phi = (p.lat + 0.005) * kRadiansPerDegree, lam = 0, height = 0;
      ASSERT_TRUE(GeocentricToGeographic(s, x, y, z, phi, lam, height));
      worstLat = std::max(worstLat, std::fabs(phi - lat * kRadiansPerDegree) * s.a);
      worstLon = std::max(worstLon, std::fabs(std::remainder(lam - lon * kRadiansPerDegree, 2 * kPi)) * s.a *
                                        std::cos(phi));
      worstH = std::max(worstH, std::fabs(height - h));
    }
    std::printf("row %u: geographic -> geocentric worst %.3g m; back: north %.3g m, east %.3g m, height %.3g m\n",
                row, worstXyz, worstLat, worstLon, worstH);
    EXPECT_LT(worstXyz, kOracleTolerance);
    EXPECT_LT(worstLat, kOracleTolerance);
    EXPECT_LT(worstLon, kOracleTolerance);
    EXPECT_LT(worstH, kOracleTolerance);
  }
}

TEST(Geocentric, LongitudeOnTheAxes) {
  const CSpheroid s;
  // The longitude expected in radians.
  const struct { const char* what; double X, Y, Z, lam; } cases[] = {
      {"X = 0, Y < 0", 0, -6378137, 0, -kPi / 2},
      {"X = 0, Y > 0", 0, 6378137, 0, kPi / 2},
      {"X < 0, Y = +0", -6378137, 0, 0, kPi},
      {"X < 0, Y = -0", -6378137, -0.0, 0, kPi},
      {"X > 0, Y = 0", 6378137, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    double phi = 0, lam = 99, h = 99;
    ASSERT_TRUE(GeocentricToGeographic(s, c.X, c.Y, c.Z, phi, lam, h));
    EXPECT_EQ(lam, c.lam);
    EXPECT_EQ(phi, 0);
    // On the equator the height is the distance beyond a.
    EXPECT_NEAR(h, 0, 1e-9);
  }
}

TEST(Geocentric, WhatHasNoLatitudeGivesFalse) {
  CSpheroid sphere, zeroed;
  ASSERT_TRUE(sphere.SelectSpheroid(31));
  zeroed.invFlattening = 0;
  zeroed.DeriveSpheroid();
  const CSpheroid wgs84;
  const struct { const char* what; const CSpheroid& s; double X, Y, Z; } cases[] = {
      {"a sphere", sphere, 4e6, 4e6, 3e6},
      {"a zeroed ellipsoid", zeroed, 4e6, 4e6, 3e6},
      {"the polar axis", wgs84, 0, 0, 6356752.314},
      // In the equatorial plane at p = e²·a (42.7 km from the centre) the
      // slope of the fixed-point map at phi = 0 is 1 and the steps shrink
      // only cubically: the iteration ends at its cap.
      {"near the centre", wgs84, wgs84.derived.es * wgs84.a, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    double phi = 0.25, lam = 0, h = 0;
    EXPECT_FALSE(GeocentricToGeographic(c.s, c.X, c.Y, c.Z, phi, lam, h));
    EXPECT_TRUE(std::isfinite(phi));
  }
  // Forward, a sphere or a zeroed ellipsoid gives the zero point.
  for (const CSpheroid* s : {&sphere, &zeroed}) {
    double X = 1, Y = 1, Z = 1;
    GeographicToGeocentric(*s, 0.5, 0.5, 10, X, Y, Z);
    EXPECT_EQ(std::hypot(X, Y, Z), 0);
  }
}

}  // namespace
