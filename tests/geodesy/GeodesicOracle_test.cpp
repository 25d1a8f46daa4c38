// The geodesic inverse on lines whose answer is known without a series, and
// against GeographicLib's exact solution on random lines in distance bands,
// printing the error table that the header of geodesic/GeodesicInverse.h
// quotes.

#include "geodesy/geodesic/GeodesicInverse.h"

#include <gtest/gtest.h>

#include <GeographicLib/Geodesic.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>
#include <vector>

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

// Degrees become radians by the module's own factor, 2e-14 relative off
// the exact one GeographicLib uses: 0.1 µm on the ground, far below every bound.
constexpr double kArcSecond = kRadiansPerDegree / 3600;

// Lengths lo to hi and the bound on the distance error in metres, the bounds on the azimuth error in arc-seconds.
struct Band { const char* label; double lo, hi, maxDistanceError, maxAzimuthError, p99AzimuthError; };

struct Errors { std::vector<double> distance, azimuth; int refused = 0; };

double Percentile(std::vector<double> v, double q) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, static_cast<std::size_t>(q * v.size()))];
}

double AzimuthDifference(double ours, double exact) {
  return std::fabs(std::remainder(ours - exact, 2 * std::numbers::pi));
}

// Our errors against GeographicLib's exact inverse on lines from uniformly
// spread first points with uniform azimuths and log-uniform lengths in
// [lo, hi), ended by the exact direct solution.
Errors Measure(const CSpheroid& s, const GeographicLib::Geodesic& g, double lo, double hi, int count, unsigned seed) {
  std::mt19937_64 rng(seed);
  std::uniform_real_distribution<double> u(-1, 1), lon(-180, 180), azi(-180, 180), t(0, 1);
  const double d = kRadiansPerDegree;
  Errors e;
  for (int i = 0; i < count; ++i) {
    const double lat1 = std::asin(u(rng)) * kDegreesPerRadian, lon1 = lon(rng);
    const double length = lo * std::pow(hi / lo, t(rng));
    double lat2, lon2, s12, azi1, azi2, distance = 0, azimuth = 0;
    g.Direct(lat1, lon1, azi(rng), length, lat2, lon2);
    g.Inverse(lat1, lon1, lat2, lon2, s12, azi1, azi2);
    if (!s.GeodesicInverse(lat1 * d, lon1 * d, lat2 * d, lon2 * d, &distance, &azimuth)) {
      ++e.refused;
      continue;
    }
    e.distance.push_back(std::fabs(distance - s12));
    e.azimuth.push_back(AzimuthDifference(azimuth, azi1 * d) / kArcSecond);
  }
  return e;
}

void CheckBands(int method, const std::vector<Band>& bands, int perBand) {
  const CSpheroid s = WithMethod(method);
  const GeographicLib::Geodesic g(s.a, 1 / s.invFlattening);
  std::printf("method %d on WGS 1984, %d random lines per band\n", method, perBand);
  std::printf("%-18s %12s %12s %12s %12s %8s\n", "band", "max ds (m)", "p99 ds (m)", "max daz (\")", "p99 daz (\")",
              "refused");
  unsigned seed = 100 + 10 * method;
  for (const Band& band : bands) {
    const Errors e = Measure(s, g, band.lo, band.hi, perBand, ++seed);
    const double maxS = Percentile(e.distance, 1), maxA = Percentile(e.azimuth, 1);
    std::printf("%-18s %12.3g %12.3g %12.3g %12.3g %8d\n", band.label, maxS, Percentile(e.distance, 0.99), maxA,
                Percentile(e.azimuth, 0.99), e.refused);
    EXPECT_LT(maxS, band.maxDistanceError) << band.label;
    EXPECT_LT(maxA, band.maxAzimuthError) << band.label;
    EXPECT_LT(Percentile(e.azimuth, 0.99), band.p99AzimuthError) << band.label;
    // Only nearly antipodal lines may be refused, and only in the longest band.
    EXPECT_LE(e.refused, band.hi > 1.9e7 ? perBand / 200 : 0) << band.label;
  }
}

constexpr int kLinesPerBand = 5000;

// Method 0: the distance error grows with length, from the longitude series
// on the auxiliary sphere (accurate to f³) and the distance series (to u⁶);
// bounds are about three times the worst seen. The azimuth is that of the
// normal section, which leaves the geodesic's by about e′²·sigma²/12: a
// small fraction of an arc-second up to 100 km, arc-minutes across oceans
// and anything near the antipode, so only the 99th percentile is bounded
// for the longest band.
TEST(GeodesicOracle, AuxiliarySphereMethodInBands) {
  CheckBands(kAuxiliarySphereMethod,
             {{"0-10 km", 1, 1e4, 2e-5, 0.002, 0.001},
              {"10-100 km", 1e4, 1e5, 2e-4, 0.1, 0.06},
              {"100-1000 km", 1e5, 1e6, 2e-3, 10, 6},
              {"1000-20000 km", 1e6, 2e7, 5e-3, 648000, 20000}},
             kLinesPerBand);
}

// Method 1 is for short lines. Differences below 0.001" (3 cm) count as
// none, so a 1 m line within 3 cm of east-west gets an azimuth of exactly
// 90° (up to 2° off) and loses up to 0.5 mm; beyond that it follows the
// geodesic to micrometres below 20 km.
TEST(GeodesicOracle, NormalSectionMethodOnShortLines) {
  CheckBands(kNormalSectionMethod,
             {{"0-1 km", 1, 1e3, 1e-3, 7200, 0.001},
              {"1-20 km", 1e3, 2e4, 5e-6, 0.005, 0.003},
              {"20-100 km", 2e4, 1e5, 5e-4, 0.1, 0.06}},
             kLinesPerBand);
}

}  // namespace
