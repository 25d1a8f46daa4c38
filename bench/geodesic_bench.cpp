// GeodesicInverse (both methods) against GeographicLib's exact inverse on
// the same random lines, in one run. The lines at the end give GeographicLib's
// time per line over ours: the speed-up.

#include "Compare.h"

#include <GeographicLib/Geodesic.hpp>

#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "geodesy/angle/AngleUnits.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/geodesic/GeodesicInverse.h"

namespace {

constexpr int kLines = 4096;

struct Line {
  double lat1, lon1, lat2, lon2;  // degrees, for GeographicLib
  double phi1, lam1, phi2, lam2;  // radians, for ours
};

struct Band {
  const char* name;
  double lo, hi;  // metres; log-uniform lengths
};

constexpr Band kShort{"short", 1e3, 2e5};     // up to 200 km, the wreck search and shapefile segments
constexpr Band kGlobal{"global", 2e5, 1.9e7};  // across oceans, short of the antipode

const GeographicLib::Geodesic& Wgs84Geodesic() {
  static const CSpheroid s;
  static const GeographicLib::Geodesic g(s.a, 1 / s.invFlattening);
  return g;
}

const std::vector<Line>& LinesOf(const Band& band) {
  static std::map<std::string, std::vector<Line>> made;
  auto& lines = made[band.name];
  if (!lines.empty()) return lines;
  std::mt19937_64 rng(42);
  std::uniform_real_distribution<double> u(-1, 1), lon(-180, 180), azi(-180, 180), t(0, 1);
  for (int i = 0; i < kLines; ++i) {
    Line l{};
    l.lat1 = std::asin(u(rng)) * kDegreesPerRadian;
    l.lon1 = lon(rng);
    Wgs84Geodesic().Direct(l.lat1, l.lon1, azi(rng), band.lo * std::pow(band.hi / band.lo, t(rng)), l.lat2, l.lon2);
    l.phi1 = l.lat1 * kRadiansPerDegree, l.lam1 = l.lon1 * kRadiansPerDegree;
    l.phi2 = l.lat2 * kRadiansPerDegree, l.lam2 = l.lon2 * kRadiansPerDegree;
    lines.push_back(l);
  }
  return lines;
}

void Ours(benchmark::State& state, Band band, int method) {
  CSpheroid s;
  s.method = method;
  const auto& lines = LinesOf(band);
  for (auto _ : state) {
    double sum = 0;
    for (const Line& l : lines) {
      double distance, azimuth;
      s.GeodesicInverse(l.phi1, l.lam1, l.phi2, l.lam2, &distance, &azimuth);
      sum += distance + azimuth;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}

void GeographicLibInverse(benchmark::State& state, Band band) {
  const auto& g = Wgs84Geodesic();
  const auto& lines = LinesOf(band);
  for (auto _ : state) {
    double sum = 0;
    for (const Line& l : lines) {
      double s12, azi1, azi2, unused;
      g.GenInverse(l.lat1, l.lon1, l.lat2, l.lon2, GeographicLib::Geodesic::DISTANCE | GeographicLib::Geodesic::AZIMUTH,
                   s12, azi1, azi2, unused, unused, unused, unused);
      sum += s12 + azi1;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}

BENCHMARK_CAPTURE(GeographicLibInverse, short, kShort);
BENCHMARK_CAPTURE(Ours, method0_short, kShort, kAuxiliarySphereMethod);
BENCHMARK_CAPTURE(Ours, method1_short, kShort, kNormalSectionMethod);
BENCHMARK_CAPTURE(GeographicLibInverse, global, kGlobal);
BENCHMARK_CAPTURE(Ours, method0_global, kGlobal, kAuxiliarySphereMethod);

}  // namespace

int main(int argc, char** argv) {
  // CPU time, which a machine shared with other work disturbs less.
  return bench_support::RunAndCompare(
      argc, argv,
      {{"method 0, lines 1-200 km", "Ours/method0_short", "GeographicLibInverse/short", kLines, "line"},
       {"method 1, lines 1-200 km", "Ours/method1_short", "GeographicLibInverse/short", kLines, "line"},
       {"method 0, global lines", "Ours/method0_global", "GeographicLibInverse/global", kLines, "line"}});
}
