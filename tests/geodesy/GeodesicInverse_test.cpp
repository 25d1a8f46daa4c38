#include "geodesy/geodesic/GeodesicInverse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "geodesy/angle/AngleUnits.h"
#include "geodesy/ellipsoid/Spheroid.h"

namespace {

constexpr double kPi = std::numbers::pi;

CSpheroid WithMethod(int method) {
  CSpheroid s;
  s.method = method;
  return s;
}

TEST(GeodesicInverse, SamePointsGiveZeroAndUnknownMethodsAreRefused) {
  const struct { int method; double lat2, lon2; bool ok; } cases[] = {
      {0, 0.9, -0.1, true}, {1, 0.9, -0.1, true}, {-1, 0.2, 0.2, false}, {2, 0.2, 0.2, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.method);
    double distance = 5, azimuth = 5;
    EXPECT_EQ(WithMethod(c.method).GeodesicInverse(0.9, -0.1, c.lat2, c.lon2, &distance, &azimuth), c.ok);
    EXPECT_EQ(distance, 0);
    EXPECT_EQ(azimuth, 0);
  }
  // Either output may be left out.
  double distance = 0, azimuth = 0;
  EXPECT_TRUE(CSpheroid().GeodesicInverse(0.9, 0.1, 0.91, 0.12, &distance, nullptr));
  EXPECT_TRUE(CSpheroid().GeodesicInverse(0.9, 0.1, 0.91, 0.12, nullptr, &azimuth));
  EXPECT_GT(distance * azimuth, 0);
}

// Lines whose length and direction are known without a series, by both
// methods (the normal section only on lines short of half the globe):
// along the equator a·|dlam| the short way round; 0.1° of meridian due
// north or south; pole to pole twice WGS 1984's published quarter
// meridian, 10,001,965.7293 m (the series to u⁶ is within a millimetre).
TEST(GeodesicInverse, LinesOfKnownLengthAndDirection) {
  const double a = CSpheroid().a;
  // Ends in degrees, distance and tolerance in metres, azimuth in degrees.
  const struct {
    const char* what;
    double lat1, lon1, lat2, lon2, distance, tolerance, azimuth;
    bool halfTheGlobe = false;
  } cases[] = {
      {"east along the equator", 0, 0, 0, 10, a * 10 * kRadiansPerDegree, 1e-6, 90},
      {"west along the equator", 0, 10, 0, 0, a * 10 * kRadiansPerDegree, 1e-6, 270},
      {"east across 180", 0, 170, 0, -170, a * 20 * kRadiansPerDegree, 1e-6, 90},
      {"west across 180", 0, -170, 0, 170, a * 20 * kRadiansPerDegree, 1e-6, 270},
      {"half way round counts as east", 0, 0, 0, 180, a * kPi, 1e-6, 90, true},
      {"north", 50, 2, 50.1, 2, 11100, 100, 0},
      {"south", 50, 2, 49.9, 2, 11100, 100, 180},
      {"south in the southern hemisphere", -33, 151, -33.1, 151, 11100, 100, 180},
      {"north across the equator", -0.05, 10, 0.05, 10, 11100, 100, 0},
      {"pole to pole", 90, 0, -90, 0, 20003931.4586, 2e-3, 180, true},
  };
  for (int method : {kAuxiliarySphereMethod, kNormalSectionMethod}) {
    const CSpheroid s = WithMethod(method);
    for (const auto& c : cases) {
      if (c.halfTheGlobe && method == kNormalSectionMethod) continue;
      SCOPED_TRACE(std::string(c.what) + ", method " + std::to_string(method));
      double distance = 0, azimuth = -1;
      ASSERT_TRUE(s.GeodesicInverse(c.lat1 * kRadiansPerDegree, c.lon1 * kRadiansPerDegree,
                                    c.lat2 * kRadiansPerDegree, c.lon2 * kRadiansPerDegree, &distance, &azimuth));
      EXPECT_NEAR(azimuth * kDegreesPerRadian, c.azimuth, 1e-9);
      EXPECT_NEAR(distance, c.distance, c.tolerance);
    }
    // Lines to the north-west end just short of 2pi; none may reach it.
    for (double d = 1e-9; d < 1e-3; d *= 10) {
      double azimuth = -1;
      ASSERT_TRUE(s.GeodesicInverse(0.5, 0.5, 0.5 + 1e-3, 0.5 - d, nullptr, &azimuth));
      EXPECT_GE(azimuth, 0);
      EXPECT_LT(azimuth, 2 * kPi);
    }
  }
}

TEST(GeodesicInverse, NearlyAntipodalLinesMayBeRefused) {
  // (0.5°, 0°) to (-0.5°, 179.7°): the longitude on the auxiliary sphere
  // does not settle. The result says so; the distance is only an estimate,
  // within 1 % of the exact 19,995,624.89 m (GeographicLib).
  double distance = 0;
  EXPECT_FALSE(CSpheroid().GeodesicInverse(0.5 * kRadiansPerDegree, 0, -0.5 * kRadiansPerDegree,
                                           179.7 * kRadiansPerDegree, &distance, nullptr));
  EXPECT_NEAR(distance, 19995624.89, 0.01 * 19995624.89);
}

TEST(GeodesicInverse, OnASphereBothMethodsGiveTheGreatCircle) {
  CSpheroid sphere;
  ASSERT_TRUE(sphere.SelectSpheroid(31));
  const double lat1 = 0.3, lon1 = 0.1, lat2 = 0.31, lon2 = 0.12;
  const double sigma =
      std::acos(std::sin(lat1) * std::sin(lat2) + std::cos(lat1) * std::cos(lat2) * std::cos(lon2 - lon1));
  for (int method : {0, 1}) {
    sphere.method = method;
    double distance = 0;
    ASSERT_TRUE(sphere.GeodesicInverse(lat1, lon1, lat2, lon2, &distance, nullptr));
    EXPECT_NEAR(distance, sphere.a * sigma, 1e-6) << method;
  }
}

}  // namespace
