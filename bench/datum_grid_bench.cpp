// The datum object's LatLonToGrid over a million points against the same
// chain as one PROJ pipeline, created once and run on the whole array with
// proj_trans_generic (its fastest path), in one run: family 1 (geocentric
// Helmert step and UTM) and family 2 (OSTN15 shift and the British grid, on
// the same grid file). The lines at the end give PROJ's time over ours.

#include "Compare.h"
#include <proj.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "frame/Folders.h"
#include "geodesy/angle/AngleUnits.h"
#include "geodesy/catalogue/GridCatalogue.h"
#include "geodesy/datum/Datum.h"
#include "geodesy/shift/Ostn15.h"
#include "platform/fs/Platform.h"

namespace {

namespace stdfs = std::filesystem;

constexpr std::size_t kPoints = 1'000'000;
const stdfs::path kOstnHost = stdfs::path(OVERLAYS_BINARY_DIR) / "data/grids/ostn15";

// Family 1 row 14, WGS 1984 to Pulkovo 1940 (Caspian Sea): all seven
// parameters, rotations of tens of seconds, on UTM zone 39.
constexpr std::uint32_t kHelmertRow = 14, kUtmKind = 0, kUtmZone = 39;

struct Points {
  std::vector<double> lam, phi;  // radians, east positive
};

Points RandomPoints(double latLo, double latHi, double lonLo, double lonHi) {
  std::mt19937_64 rng(2026);
  std::uniform_real_distribution<double> lat(latLo, latHi), lon(lonLo, lonHi);
  Points p;
  for (std::size_t i = 0; i < kPoints; ++i) {
    p.phi.push_back(lat(rng) * kRadiansPerDegree);
    p.lam.push_back(lon(rng) * kRadiansPerDegree);
  }
  return p;
}

const Points& CaspianPoints() {
  static const Points p = RandomPoints(38, 46, 48, 54);
  return p;
}

const Points& BritishPoints() {
  static const Points p = RandomPoints(50, 58, -6, 1.5);
  return p;
}

// A sandbox machine whose OSTN data folder shows the derived grids, so that
// the object's settings never reach the user's own.
struct Machine {
  stdfs::path root = stdfs::temp_directory_path() / "overlays-datum-grid-bench";
  Machine() {
    stdfs::remove_all(root);
    platform::fs::Install(
        std::make_shared<const platform::fs::Platform>(platform::fs::MachineOnFolder(root / "C", "Bench", "bench")));
    std::string ostn;
    FindDataFolder(ostn, kOstnDataFolder);
    platform::fs::Platform p = platform::fs::MachineOnFolder(root / "C", "Bench", "bench");
    p.drives.Mount(ostn, kOstnHost);
    platform::fs::Install(std::make_shared<const platform::fs::Platform>(std::move(p)));
  }
  ~Machine() { stdfs::remove_all(root); }
};

// What a host holds: the far ellipsoid, the user grid and the object.
struct Holder {
  Holder(int family, std::uint32_t row) {
    static Machine machine;
    datum = std::make_unique<CDatum>();
    datum->farEllipsoid = &far;
    datum->userGrid = &grid;
    SelectGrid(grid, &far, kUtmZone, kUtmKind, 0);
    ok = datum->SetDatum(family, row, 1) && (family != 2 || datum->ostn15.IsLoaded());
  }
  CSpheroid far;
  CGridSystem grid;
  std::unique_ptr<CDatum> datum;
  bool ok = false;
};

void RunOurs(benchmark::State& state, int family, std::uint32_t row, const Points& p) {
  Holder holder(family, row);
  if (!holder.ok) return state.SkipWithError("the datum could not be selected");
  std::vector<tagXY> grid(kPoints);
  for (auto _ : state) {
    for (std::size_t i = 0; i < kPoints; ++i) grid[i] = holder.datum->LatLonToGrid({p.lam[i], p.phi[i]});
    benchmark::DoNotOptimize(grid.data());
  }
}

// The peer on the whole array at once; copying the input is part of its
// time as writing the outputs is part of ours.
void RunProj(benchmark::State& state, const std::string& pipeline, const Points& p) {
  PJ_CONTEXT* context = proj_context_create();
  const std::string folder = kOstnHost.string();
  const char* paths[] = {folder.c_str()};
  proj_context_set_search_paths(context, 1, paths);
  proj_log_level(context, PJ_LOG_NONE);
  const std::unique_ptr<PJ, decltype(&proj_destroy)> proj(proj_create(context, pipeline.c_str()), proj_destroy);
  if (!proj) state.SkipWithError("PROJ refused the pipeline");
  for (auto _ : state) {
    if (!proj) break;
    std::vector<double> x = p.lam, y = p.phi;
    proj_trans_generic(proj.get(), PJ_FWD, x.data(), sizeof(double), x.size(), y.data(), sizeof(double), y.size(),
                       nullptr, 0, 0, nullptr, 0, 0);
    benchmark::DoNotOptimize(x.data());
  }
  proj_context_destroy(context);
}

std::string Number(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", v);
  return text;
}

// The same chain as family 1 row 14 on zone 39, from the object's own
// ellipsoids and parameters.
std::string HelmertPipeline() {
  const Holder holder(1, kHelmertRow);
  const CSpheroid &near = holder.datum->nearEllipsoid, &far = holder.far;
  const DatumShiftDef& s = holder.datum->transformation.shift;
  const std::string farShape = " +a=" + Number(far.a) + " +rf=" + Number(far.invFlattening);
  return "+proj=pipeline +step +proj=cart +a=" + Number(near.a) + " +rf=" + Number(near.invFlattening) +
         " +step +proj=helmert +x=" + Number(s.tX) + " +y=" + Number(s.tY) + " +z=" + Number(s.tZ) +
         " +rx=" + Number(s.rX) + " +ry=" + Number(s.rY) + " +rz=" + Number(s.rZ) + " +s=" + Number(s.s) +
         " +convention=" + (s.convention == kCoordinateFrame ? "coordinate_frame" : "position_vector") +
         " +step +inv +proj=cart" + farShape + " +step +proj=utm +zone=" + std::to_string(kUtmZone) + farShape;
}

void OursHelmertUtm(benchmark::State& state) { RunOurs(state, 1, kHelmertRow, CaspianPoints()); }
void ProjHelmertUtm(benchmark::State& state) { RunProj(state, HelmertPipeline(), CaspianPoints()); }
void OursOstn15Grid(benchmark::State& state) { RunOurs(state, 2, 0, BritishPoints()); }
void ProjOstn15Grid(benchmark::State& state) {
  RunProj(state,
          "+proj=pipeline +step +proj=hgridshift +grids=OSTN15_NTv2_ETRStoOSGB.gsb +step "
          "+proj=tmerc +lat_0=49 +lon_0=-2 +k_0=0.9996012717 +x_0=400000 +y_0=-100000 "
          "+a=6377563.396 +b=6356256.909",
          BritishPoints());
}

BENCHMARK(OursHelmertUtm)->Unit(benchmark::kMillisecond);
BENCHMARK(ProjHelmertUtm)->Unit(benchmark::kMillisecond);
BENCHMARK(OursOstn15Grid)->Unit(benchmark::kMillisecond);
BENCHMARK(ProjOstn15Grid)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return bench_support::RunAndCompare(
      argc, argv,
      {{"family 1 (Helmert + UTM) vs cart/helmert/cart/utm", "OursHelmertUtm", "ProjHelmertUtm", kPoints, "point"},
       {"family 2 (OSTN15 + British grid) vs hgridshift + tmerc", "OursOstn15Grid", "ProjOstn15Grid", kPoints,
        "point"}});
}
