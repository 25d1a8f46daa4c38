// A datum shift through geocentric coordinates (geographic -> geocentric on
// one ellipsoid, Helmert step, geocentric -> geographic on the other) against
// PROJ's cart + helmert + inverse cart pipeline on the same points, in one
// run. PROJ is timed both point by point (proj_trans) and on the whole array
// (proj_trans_generic), its fastest path; the lines at the end give PROJ's
// time per point over ours.

#include "Compare.h"
#include <proj.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "geodesy/angle/AngleUnits.h"
#include "geodesy/datum/Geocentric.h"
#include "geodesy/datum/Helmert.h"
#include "geodesy/ellipsoid/Spheroid.h"

namespace {

constexpr int kPoints = 4096;
constexpr unsigned kWgs1984 = 26, kAiry1830 = 0;

// ETRS89/WGS 1984 to OSGB36: a full seven-parameter step with a large scale.
DatumShiftDef OsgbShift() {
  DatumShiftDef p;
  p.tX = -446.448, p.tY = 125.157, p.tZ = -542.06;
  p.rX = -0.1502, p.rY = -0.247, p.rZ = -0.8421;
  p.s = 20.4894;
  p.convention = kPositionVector;
  return p;
}

struct Points {
  std::vector<double> lam, phi, h;
};

// Points over Great Britain, where this shift is meant to be used.
const Points& TestPoints() {
  static const Points points = [] {
    Points p;
    std::mt19937_64 rng(9);
    std::uniform_real_distribution<double> lat(49.9, 60.9), lon(-8.2, 1.8), h(-10, 1300);
    for (int i = 0; i < kPoints; ++i) {
      p.phi.push_back(lat(rng) * kRadiansPerDegree);
      p.lam.push_back(lon(rng) * kRadiansPerDegree);
      p.h.push_back(h(rng));
    }
    return p;
  }();
  return points;
}

std::string ProjPipeline(const CSpheroid& from, const CSpheroid& to, const DatumShiftDef& p) {
  char text[512];
  std::snprintf(text, sizeof text,
                "+proj=pipeline +step +proj=cart +a=%.17g +rf=%.17g +step +proj=helmert +x=%.17g +y=%.17g +z=%.17g "
                "+rx=%.17g +ry=%.17g +rz=%.17g +s=%.17g +convention=position_vector "
                "+step +inv +proj=cart +a=%.17g +rf=%.17g",
                from.a, from.invFlattening, p.tX, p.tY, p.tZ, p.rX, p.rY, p.rZ, p.s, to.a, to.invFlattening);
  return text;
}

void Ours(benchmark::State& state) {
  CSpheroid from, to;
  from.SelectSpheroid(kWgs1984);
  to.SelectSpheroid(kAiry1830);
  const DatumShiftDef shift = OsgbShift();
  const Points& p = TestPoints();
  for (auto _ : state) {
    double sum = 0;
    for (int i = 0; i < kPoints; ++i) {
      double X, Y, Z;
      GeographicToGeocentric(from, p.phi[i], p.lam[i], p.h[i], X, Y, Z);
      HelmertStep(shift, kForward, X, Y, Z);
      double phi = p.phi[i], lam = 0, h = 0;
      GeocentricToGeographic(to, X, Y, Z, phi, lam, h);
      sum += phi + lam + h;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}

// One PROJ context and pipeline for a benchmark.
struct ProjPipelineHandle {
  PJ_CONTEXT* context = proj_context_create();
  PJ* op = nullptr;
  ProjPipelineHandle() {
    CSpheroid from, to;
    from.SelectSpheroid(kWgs1984);
    to.SelectSpheroid(kAiry1830);
    op = proj_create(context, ProjPipeline(from, to, OsgbShift()).c_str());
  }
  ~ProjPipelineHandle() {
    proj_destroy(op);
    proj_context_destroy(context);
  }
};

void ProjPointByPoint(benchmark::State& state) {
  const ProjPipelineHandle proj;
  if (!proj.op) return state.SkipWithError("PROJ refused the pipeline");
  const Points& p = TestPoints();
  for (auto _ : state) {
    double sum = 0;
    for (int i = 0; i < kPoints; ++i) {
      const PJ_COORD c = proj_trans(proj.op, PJ_FWD, proj_coord(p.lam[i], p.phi[i], p.h[i], 0));
      sum += c.lpz.phi + c.lpz.lam + c.lpz.z;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}

void ProjArray(benchmark::State& state) {
  const ProjPipelineHandle proj;
  if (!proj.op) return state.SkipWithError("PROJ refused the pipeline");
  const Points& p = TestPoints();
  std::vector<double> lam, phi, h;
  for (auto _ : state) {
    lam = p.lam, phi = p.phi, h = p.h;
    proj_trans_generic(proj.op, PJ_FWD, lam.data(), sizeof(double), kPoints, phi.data(), sizeof(double), kPoints,
                       h.data(), sizeof(double), kPoints, nullptr, 0, 0);
    benchmark::DoNotOptimize(lam.data());
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}

BENCHMARK(Ours);
BENCHMARK(ProjPointByPoint);
BENCHMARK(ProjArray);

}  // namespace

int main(int argc, char** argv) {
  // CPU time, which a machine shared with other work disturbs less.
  return bench_support::RunAndCompare(
      argc, argv,
      {{"datum shift, PROJ point by point", "Ours", "ProjPointByPoint", kPoints, "point"},
       {"datum shift, PROJ whole array", "Ours", "ProjArray", kPoints, "point"}});
}
