// GeodesicInverse against GeographicLib's exact geodesic solution on random
// lines in distance bands. Prints the error table that the header of
// geodesic/GeodesicInverse.h quotes.

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
#include "geodesy/geodesic/GeodesicInverse.h"

namespace {

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
  CSpheroid s;
  s.method = method;
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
