// Transverse Mercator and Mercator, forward and inverse, against PROJ on the
// same points in one run: PROJ's tmerc +approx (Evenden/Snyder, the series
// nearest to ours), its default tmerc (the exact Poder/Engsager series) and
// merc, each through proj_trans_generic on the whole array, its fastest
// path; likewise Cassini-Soldner, Guam, the stereographic kinds and the
// polyconic against cass, aeqd +guam, sterea, stere and poly, Danish
// System 34 against tmerc then horner, and kind 13 against PROJ's ED50 to
// NGO 1948 conversion. The lines at
// the end give PROJ's time per point over ours.

#include "Compare.h"
#include <proj.h>

#include <array>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "geodesy/angle/AngleUnits.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "System34ProjText.h"
#include "geodesy/projection/GridSystem.h"
#include "norwegian_axes/NgoConversion.h"

namespace {

constexpr int kPoints = 4096;
constexpr unsigned kWgs1984 = 26, kInternational = 20;  // ellipsoid rows

struct GridCase {
  const char* name;
  unsigned kind;
  double lat0, lon0, k0, fe, fn;  // degrees, metres
  double latLo, latHi, dlam;      // where the points lie, degrees
  unsigned variant = 0;
  double lat1 = 0, lat2 = 0;  // standard parallels, degrees; none when both are 0
  double alpha = 0, gamma = 0;  // oblique kinds' line and rectifying angle, degrees; none when both are 0
  unsigned row = 0;             // the kind's catalogue entry (kind 14: its region)
  const std::string* projSteps = nullptr;  // PROJ steps after the projection's own, in a pipeline
  unsigned ellipsoid = kWgs1984;
};

// UTM zone 31N within its 3° of the meridian; World Mercator at latitudes
// of charts.
constexpr GridCase kUtm{"UTM 31N", 0, 0, 3, 0.9996, 500000, 0, -80, 84, 3};
constexpr GridCase kWorldMercator{"World Mercator", 5, 0, 0, 1, 0, 0, -80, 80, 179};

struct Points {
  std::vector<double> lam, phi, easting, northing;  // radians, metres
};

struct OurGrid {
  CSpheroid spheroid;
  CGridSystem grid;
  explicit OurGrid(const GridCase& c) {
    spheroid.SelectSpheroid(c.ellipsoid);
    grid.kind = c.kind;
    grid.variant = c.variant;
    grid.row = c.row;
    grid.spheroid = &spheroid;
    grid.SetOriginDegrees(c.fn, c.k0, c.lat0, c.lon0, c.fe);
    if (c.lat1 != 0 || c.lat2 != 0) grid.SetStandardParallels(c.lat1, c.lat2);
    if (c.alpha != 0 || c.gamma != 0)
      grid.SetObliqueConstants(std::array<double, 6>{c.alpha * kRadiansPerDegree, c.gamma * kRadiansPerDegree});
  }
};

const Points& PointsOf(const GridCase& c) {
  static std::map<const GridCase*, Points> made;
  Points& p = made[&c];
  if (!p.lam.empty()) return p;
  const OurGrid g(c);
  std::mt19937_64 rng(5);
  std::uniform_real_distribution<double> lat(c.latLo, c.latHi), dlam(-c.dlam, c.dlam);
  for (int i = 0; i < kPoints; ++i) {
    p.phi.push_back(lat(rng) * kRadiansPerDegree);
    p.lam.push_back(g.grid.lon0 + dlam(rng) * kRadiansPerDegree);
    double e = 0, n = 0;
    g.grid.Forward(p.phi.back(), p.lam.back(), &e, &n);
    p.easting.push_back(e);
    p.northing.push_back(n);
  }
  return p;
}

// Where an inverse's footpoint iteration starts: from its default, as for a
// caller with no latitude to offer, or from the latitude the position had
// before, as the module's own callers pass it (here the point's own).
enum class Start { Default, KnownLatitude };

// The branches on the direction and the start go the same way for every
// point, so they cost the loop nothing measurable.
void RunOurs(benchmark::State& state, const GridCase* c, PJ_DIRECTION direction, Start start) {
  const OurGrid g(*c);
  const Points& p = PointsOf(*c);
  const bool forward = direction == PJ_FWD;
  for (auto _ : state) {
    double sum = 0;
    for (int i = 0; i < kPoints; ++i) {
      double first = start == Start::KnownLatitude ? p.phi[i] : 0.0, second = 0;
      if (forward)
        g.grid.Forward(p.phi[i], p.lam[i], &first, &second);
      else
        g.grid.Inverse(p.easting[i], p.northing[i], &first, &second);
      sum += first + second;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}

void Ours(benchmark::State& state, const GridCase* c, PJ_DIRECTION direction) {
  RunOurs(state, c, direction, Start::Default);
}

void OursFromKnownLatitude(benchmark::State& state, const GridCase* c) {
  RunOurs(state, c, PJ_INV, Start::KnownLatitude);
}

// One PROJ context and operation on the grid's own ellipsoid and origin.
struct ProjGrid {
  PJ_CONTEXT* context = proj_context_create();
  PJ* op = nullptr;
  ProjGrid(const GridCase& c, const char* proj) {
    const CSpheroid s;
    char text[400];
    std::snprintf(text, sizeof text, "+proj=%s +a=%.17g +rf=%.17g +lat_0=%.17g +lon_0=%.17g +k_0=%.17g +x_0=%.17g +y_0=%.17g",
                  proj, s.a, s.invFlattening, c.lat0, c.lon0, c.k0, c.fe, c.fn);
    op = proj_create(context, (text + (c.projSteps ? *c.projSteps : std::string())).c_str());
  }
  ~ProjGrid() {
    proj_destroy(op);
    proj_context_destroy(context);
  }
};

// PROJ transforms in place, so every pass starts from a fresh copy (about
// 1 ns a point, charged to PROJ).
void Proj(benchmark::State& state, const GridCase* c, const char* proj, PJ_DIRECTION direction) {
  const ProjGrid g(*c, proj);
  if (!g.op) return state.SkipWithError("PROJ refused the operation");
  const Points& p = PointsOf(*c);
  const bool forward = direction == PJ_FWD;
  std::vector<double> x, y;
  for (auto _ : state) {
    x = forward ? p.lam : p.easting;
    y = forward ? p.phi : p.northing;
    proj_trans_generic(g.op, direction, x.data(), sizeof(double), kPoints, y.data(), sizeof(double), kPoints, nullptr,
                       0, 0, nullptr, 0, 0);
    benchmark::DoNotOptimize(x.data());
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}

BENCHMARK_CAPTURE(Ours, tmerc_fwd, &kUtm, PJ_FWD);
BENCHMARK_CAPTURE(Proj, tmerc_approx_fwd, &kUtm, "tmerc +approx", PJ_FWD);
BENCHMARK_CAPTURE(Proj, tmerc_fwd, &kUtm, "tmerc", PJ_FWD);
BENCHMARK_CAPTURE(Ours, tmerc_inv, &kUtm, PJ_INV);
BENCHMARK_CAPTURE(OursFromKnownLatitude, tmerc_inv, &kUtm);
BENCHMARK_CAPTURE(Proj, tmerc_approx_inv, &kUtm, "tmerc +approx", PJ_INV);
BENCHMARK_CAPTURE(Proj, tmerc_inv, &kUtm, "tmerc", PJ_INV);
BENCHMARK_CAPTURE(Ours, merc_fwd, &kWorldMercator, PJ_FWD);
BENCHMARK_CAPTURE(Proj, merc_fwd, &kWorldMercator, "merc", PJ_FWD);
BENCHMARK_CAPTURE(Ours, merc_inv, &kWorldMercator, PJ_INV);
BENCHMARK_CAPTURE(Proj, merc_inv, &kWorldMercator, "merc", PJ_INV);

// Cassini-Soldner, Guam, the stereographic kinds and the polyconic over
// their grids' areas (on WGS 1984, as above): one Qatar-like Cassini, Guam,
// an RD-like oblique and a UPS-like polar stereographic, Brazil's
// polyconic.
constexpr GridCase kCassini{"Cassini", 7, 25.38, 50.76, 1, 100000, 100000, 24, 26.5, 1.5};
constexpr GridCase kGuam{"Guam", 8, 13.47, 144.75, 1, 50000, 50000, 13.2, 13.7, 0.3};
constexpr GridCase kOblique{"Oblique stereographic", 9, 52.156, 5.388, 0.9999079, 155000, 463000, 50.5, 53.7, 2.5};
constexpr GridCase kPolar{"Polar stereographic", 9, 90, 0, 0.994, 2000000, 2000000, 60, 89.9, 180, 2};
constexpr GridCase kPolyconic{"Polyconic", 10, 0, -54, 1, 5000000, 10000000, -33, 5, 8};

// Ours and PROJ's each way over a kind's grid, and the line comparing them.
struct KindBench {
  const char* id;     // in the benchmark names
  const char* label;  // in the comparison lines
  const GridCase* grid;
  const char* proj;  // PROJ's operation
};

constexpr KindBench kKindBenches[] = {
    {"cass", "Cassini", &kCassini, "cass"},
    {"guam", "Guam", &kGuam, "aeqd +guam"},
    {"sterea", "Oblique stereographic", &kOblique, "sterea"},
    {"stere", "Polar stereographic", &kPolar, "stere"},
    {"poly", "Polyconic", &kPolyconic, "poly"},
};

void RegisterKindBenches(std::vector<bench_support::Comparison>& pairs) {
  for (const KindBench& b : kKindBenches)
    for (const PJ_DIRECTION direction : {PJ_FWD, PJ_INV}) {
      const bool forward = direction == PJ_FWD;
      const std::string name = std::string(b.id) + (forward ? "_fwd" : "_inv");
      benchmark::RegisterBenchmark(("Ours/" + name).c_str(), Ours, b.grid, direction);
      benchmark::RegisterBenchmark(("Proj/" + name).c_str(), Proj, b.grid, b.proj, direction);
      pairs.push_back({std::string(b.label) + (forward ? " forward vs " : " inverse vs ") + b.proj, "Ours/" + name,
                       "Proj/" + name, kPoints, "point"});
    }
}

// The Lambert conics over France and 10° beyond: both conformal forms
// against lcc, the near-conformal series within 3° of its parallel against
// lcca, PROJ's s³ form of it (the nearest PROJ has).
constexpr GridCase kFranceConic{"France conic", 6, 46.5, 3, 1, 700000, 6600000, 36, 59, 10, 2, 49, 44};
constexpr GridCase kFranceConicTanForm{"France conic, tan form", 6, 46.5, 3, 1, 700000, 6600000, 36, 59, 10, 1, 49, 44};
constexpr GridCase kLevant{"Levant", 6, 34.65, 37.35, 0.9996256, 300000, 300000, 31.65, 37.65, 4, 0, 34.65, 34.65};

BENCHMARK_CAPTURE(Ours, lcc_fwd, &kFranceConic, PJ_FWD);
BENCHMARK_CAPTURE(Ours, lcc_tan_fwd, &kFranceConicTanForm, PJ_FWD);
BENCHMARK_CAPTURE(Proj, lcc_fwd, &kFranceConic, "lcc +lat_1=49 +lat_2=44", PJ_FWD);
BENCHMARK_CAPTURE(Ours, lcc_inv, &kFranceConic, PJ_INV);
BENCHMARK_CAPTURE(Ours, lcc_tan_inv, &kFranceConicTanForm, PJ_INV);
BENCHMARK_CAPTURE(Proj, lcc_inv, &kFranceConic, "lcc +lat_1=49 +lat_2=44", PJ_INV);
BENCHMARK_CAPTURE(Ours, lcnc_fwd, &kLevant, PJ_FWD);
BENCHMARK_CAPTURE(Proj, lcca_fwd, &kLevant, "lcca", PJ_FWD);
BENCHMARK_CAPTURE(Ours, lcnc_inv, &kLevant, PJ_INV);
BENCHMARK_CAPTURE(Proj, lcca_inv, &kLevant, "lcca", PJ_INV);

// NAD27 Texas North Central by the coast survey's formulas against lcc on
// the same zone (on the benchmark's WGS 1984, which costs PROJ nothing).
constexpr GridCase kTexas27{"Texas North Central 27", 12, 31 + 40 / 60.0, -97.5, 1, 609601.2192024384, 0,
                            31.5, 35, 2.5, 1, 32 + 8 / 60.0, 33 + 58 / 60.0};
BENCHMARK_CAPTURE(Ours, spcs27_lcc_fwd, &kTexas27, PJ_FWD);
BENCHMARK_CAPTURE(Proj, spcs27_lcc_fwd, &kTexas27, "lcc +lat_1=32.1333333333333333 +lat_2=33.9666666666666667", PJ_FWD);
BENCHMARK_CAPTURE(Ours, spcs27_lcc_inv, &kTexas27, PJ_INV);
BENCHMARK_CAPTURE(Proj, spcs27_lcc_inv, &kTexas27, "lcc +lat_1=32.1333333333333333 +lat_2=33.9666666666666667", PJ_INV);

// NAD27 Arizona Central by the coast survey's Transverse Mercator formulas
// against tmerc on the same zone (PROJ's exact form, its default).
constexpr GridCase kArizona27{"Arizona Central 27", 12, 31, -111.916666666666667, 0.9999, 152400.3048006096, 0,
                              31.3, 37, 1.2, 2};
BENCHMARK_CAPTURE(Ours, spcs27_tm_fwd, &kArizona27, PJ_FWD);
BENCHMARK_CAPTURE(Proj, spcs27_tm_fwd, &kArizona27, "tmerc", PJ_FWD);
BENCHMARK_CAPTURE(Ours, spcs27_tm_inv, &kArizona27, PJ_INV);
BENCHMARK_CAPTURE(Proj, spcs27_tm_inv, &kArizona27, "tmerc", PJ_INV);

// Hotine Oblique Mercator on Alaska zone 1's centre and line, u from the
// natural origin (omerc +no_uoff), and on Borneo's, u from the centre.
constexpr GridCase kAlaska1{"Alaska zone 1", 11, 57, -133.66666666666667, 0.9999, 5000000, -5000000, 54, 61, 8,
                            2, 0, 0, 323.13010235415598, 323.13010235415598};
constexpr GridCase kBorneo{"Borneo RSO", 11, 4, 115, 0.99984, 590476.87, 442857.65, 0.5, 7.5, 5,
                           0, 0, 0, 53.315820472222, 53.13010235415598};
constexpr const char* kAlaska1Omerc = "omerc +lonc=-133.66666666666667 +alpha=323.13010235415598 "
                                      "+gamma=323.13010235415598 +no_uoff";
constexpr const char* kBorneoOmerc = "omerc +lonc=115 +alpha=53.315820472222 +gamma=53.13010235415598";
BENCHMARK_CAPTURE(Ours, omerc_fwd, &kAlaska1, PJ_FWD);
BENCHMARK_CAPTURE(Proj, omerc_fwd, &kAlaska1, kAlaska1Omerc, PJ_FWD);
BENCHMARK_CAPTURE(Ours, omerc_inv, &kAlaska1, PJ_INV);
BENCHMARK_CAPTURE(Proj, omerc_inv, &kAlaska1, kAlaska1Omerc, PJ_INV);
BENCHMARK_CAPTURE(Ours, omerc_uoff_fwd, &kBorneo, PJ_FWD);
BENCHMARK_CAPTURE(Proj, omerc_uoff_fwd, &kBorneo, kBorneoOmerc, PJ_FWD);
BENCHMARK_CAPTURE(Ours, omerc_uoff_inv, &kBorneo, PJ_INV);
BENCHMARK_CAPTURE(Proj, omerc_uoff_inv, &kBorneo, kBorneoOmerc, PJ_INV);

// Danish System 34, Jylland: UTM zone 32 then the region's polynomial,
// against PROJ's tmerc (+approx, and exact) followed by horner on the same
// tables (on the benchmark's WGS 1984 in both, which costs neither
// anything). PROJ's horner gives (−x, y); an axis swap, charged to PROJ,
// turns it into our (x, y) so that both inverses read the same points.
const std::string kJyllandHorner =
    " +step " + System34HornerText(kSystem34Regions[1]) + " +step +proj=axisswap +order=-1,2";
constexpr GridCase kJylland{"System 34 Jylland", 14, 0, 9, 0.9996, 500000, 0, 54.8, 57.7, 2,
                            0, 0, 0, 0, 0, 1, &kJyllandHorner};
constexpr const char* kUtmThenHornerApprox = "pipeline +step +proj=tmerc +approx";
constexpr const char* kUtmThenHorner = "pipeline +step +proj=tmerc";
BENCHMARK_CAPTURE(Ours, s34_fwd, &kJylland, PJ_FWD);
BENCHMARK_CAPTURE(Proj, s34_approx_fwd, &kJylland, kUtmThenHornerApprox, PJ_FWD);
BENCHMARK_CAPTURE(Proj, s34_fwd, &kJylland, kUtmThenHorner, PJ_FWD);
BENCHMARK_CAPTURE(Ours, s34_inv, &kJylland, PJ_INV);
BENCHMARK_CAPTURE(Proj, s34_approx_inv, &kJylland, kUtmThenHornerApprox, PJ_INV);
BENCHMARK_CAPTURE(Proj, s34_inv, &kJylland, kUtmThenHorner, PJ_INV);

// Kind 13 on UTM zone 32 with Axis III over southern Norway (59° to 64° N,
// 6° to 12° E, so that points fall to Axes I, II and III) against PROJ's
// ED50 to NGO 1948 conversion from ED50 latitude and longitude, the
// pipeline the tables were fitted to.
constexpr GridCase kNgoAxis3{"NGO Axis III from UTM 32", 13, 0, 9, 0.9996, 500000, 0, 59, 64, 3, 2, 0, 0, 0, 0,
                             0, nullptr, kInternational};

void ProjNgo(benchmark::State& state, PJ_DIRECTION direction) {
  const norwegian_axes::NgoConversion ngo(norwegian_axes::kEd50Geographic, 2);
  if (!ngo.Valid()) return state.SkipWithError("PROJ has no ED50 to NGO 1948 conversion");
  const Points& p = PointsOf(kNgoAxis3);
  std::vector<double> lonDegrees, latDegrees;
  for (int i = 0; i < kPoints; ++i) {
    lonDegrees.push_back(p.lam[i] / kRadiansPerDegree);
    latDegrees.push_back(p.phi[i] / kRadiansPerDegree);
  }
  std::vector<double> a, b;
  for (auto _ : state) {
    a = direction == PJ_FWD ? lonDegrees : p.easting;
    b = direction == PJ_FWD ? latDegrees : p.northing;
    proj_trans_generic(ngo.Operation(), direction, a.data(), sizeof(double), kPoints, b.data(), sizeof(double),
                       kPoints, nullptr, 0, 0, nullptr, 0, 0);
    benchmark::DoNotOptimize(a.data());
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}

BENCHMARK_CAPTURE(Ours, ngo_fwd, &kNgoAxis3, PJ_FWD);
BENCHMARK_CAPTURE(ProjNgo, ngo_fwd, PJ_FWD);
BENCHMARK_CAPTURE(Ours, ngo_inv, &kNgoAxis3, PJ_INV);
BENCHMARK_CAPTURE(ProjNgo, ngo_inv, PJ_INV);

}  // namespace

int main(int argc, char** argv) {
  std::vector<bench_support::Comparison> pairs = {
      {"TM forward vs tmerc +approx", "Ours/tmerc_fwd", "Proj/tmerc_approx_fwd", kPoints, "point"},
      {"TM forward vs tmerc (exact)", "Ours/tmerc_fwd", "Proj/tmerc_fwd", kPoints, "point"},
      {"TM inverse vs tmerc +approx", "Ours/tmerc_inv", "Proj/tmerc_approx_inv", kPoints, "point"},
      {"TM inverse vs tmerc (exact)", "Ours/tmerc_inv", "Proj/tmerc_inv", kPoints, "point"},
      {"TM inverse from a known latitude vs tmerc +approx", "OursFromKnownLatitude/tmerc_inv",
       "Proj/tmerc_approx_inv", kPoints, "point"},
      {"Mercator forward vs merc", "Ours/merc_fwd", "Proj/merc_fwd", kPoints, "point"},
      {"Mercator inverse vs merc", "Ours/merc_inv", "Proj/merc_inv", kPoints, "point"},
      {"Lambert forward vs lcc", "Ours/lcc_fwd", "Proj/lcc_fwd", kPoints, "point"},
      {"Lambert tan form forward vs lcc", "Ours/lcc_tan_fwd", "Proj/lcc_fwd", kPoints, "point"},
      {"Lambert inverse vs lcc", "Ours/lcc_inv", "Proj/lcc_inv", kPoints, "point"},
      {"Lambert tan form inverse vs lcc", "Ours/lcc_tan_inv", "Proj/lcc_inv", kPoints, "point"},
      {"Near-conformal forward vs lcca", "Ours/lcnc_fwd", "Proj/lcca_fwd", kPoints, "point"},
      {"Near-conformal inverse vs lcca", "Ours/lcnc_inv", "Proj/lcca_inv", kPoints, "point"},
      {"State plane 27 Lambert forward vs lcc", "Ours/spcs27_lcc_fwd", "Proj/spcs27_lcc_fwd", kPoints, "point"},
      {"State plane 27 Lambert inverse vs lcc", "Ours/spcs27_lcc_inv", "Proj/spcs27_lcc_inv", kPoints, "point"},
      {"State plane 27 TM forward vs tmerc", "Ours/spcs27_tm_fwd", "Proj/spcs27_tm_fwd", kPoints, "point"},
      {"State plane 27 TM inverse vs tmerc", "Ours/spcs27_tm_inv", "Proj/spcs27_tm_inv", kPoints, "point"},
      {"Hotine forward vs omerc +no_uoff", "Ours/omerc_fwd", "Proj/omerc_fwd", kPoints, "point"},
      {"Hotine inverse vs omerc +no_uoff", "Ours/omerc_inv", "Proj/omerc_inv", kPoints, "point"},
      {"Hotine (u from centre) forward vs omerc", "Ours/omerc_uoff_fwd", "Proj/omerc_uoff_fwd", kPoints, "point"},
      {"Hotine (u from centre) inverse vs omerc", "Ours/omerc_uoff_inv", "Proj/omerc_uoff_inv", kPoints, "point"},
      {"System 34 forward vs tmerc +approx + horner", "Ours/s34_fwd", "Proj/s34_approx_fwd", kPoints, "point"},
      {"System 34 forward vs tmerc + horner", "Ours/s34_fwd", "Proj/s34_fwd", kPoints, "point"},
      {"System 34 inverse vs tmerc +approx + horner", "Ours/s34_inv", "Proj/s34_approx_inv", kPoints, "point"},
      {"System 34 inverse vs tmerc + horner", "Ours/s34_inv", "Proj/s34_inv", kPoints, "point"},
      {"Norwegian axes forward vs ED50 to NGO 1948", "Ours/ngo_fwd", "ProjNgo/ngo_fwd", kPoints, "point"},
      {"Norwegian axes inverse vs ED50 to NGO 1948", "Ours/ngo_inv", "ProjNgo/ngo_inv", kPoints, "point"}};
  RegisterKindBenches(pairs);
  // CPU time, which a machine shared with other work disturbs less.
  return bench_support::RunAndCompare(argc, argv, std::move(pairs));
}
