// The NADCON shift of 1,000,000 points over the conterminous United States
// against PROJ's hgridshift on the same CONUS grid copied into an NTv2 file
// (tools/nadcon_to_ntv2.py), through proj_trans_generic, PROJ's fastest
// path, in one run. Both interpolate bilinearly in the same nodes; ours
// works in degrees on a region slot that already holds the grid, as the
// datum object's does after the first point.

#include "Compare.h"
#include <proj.h>

#include <filesystem>
#include <memory>
#include <numbers>
#include <random>
#include <vector>

#include "geodesy/shift/NadconShift.h"
#include "platform/fs/Platform.h"

namespace {

constexpr int kPoints = 1'000'000;
constexpr double kRadiansPerDegree = std::numbers::pi / 180;
constexpr char kGridFolder[] = "C:\\Grids\\";

struct Points {
  std::vector<double> lat, lon;  // degrees
};

// Inside CONUS's grid (131 W to 63 W, 20 N to 50 N).
const Points& TestPoints() {
  static const Points points = [] {
    Points p;
    std::mt19937_64 rng(27);
    std::uniform_real_distribution<double> lat(20.01, 49.99), lon(-130.99, -63.01);
    for (int i = 0; i < kPoints; ++i) {
      p.lat.push_back(lat(rng));
      p.lon.push_back(lon(rng));
    }
    return p;
  }();
  return points;
}

// A machine whose C:\Grids\ shows the bundled grids.
void InstallMachine() {
  static const bool installed = [] {
    const auto root = std::filesystem::temp_directory_path() / "overlays-nadcon-bench";
    auto machine = platform::fs::MachineOnFolder(root / "C", "Bench", "bench");
    machine.drives.Mount(kGridFolder, OVERLAYS_SOURCE_DIR "/data/grids/nadcon");
    platform::fs::Install(std::make_shared<const platform::fs::Platform>(std::move(machine)));
    return true;
  }();
  (void)installed;
}

void Ours(benchmark::State& state) {
  InstallMachine();
  CNadconRegion slot;
  if (!slot.Load(kGridFolder, "CONUS")) return state.SkipWithError("the CONUS grids cannot be read");
  const Points& p = TestPoints();
  std::vector<double> lat(kPoints), lon(kPoints);
  for (auto _ : state) {
    for (int i = 0; i < kPoints; ++i) {
      nadcon::Position out;
      nadcon::Shift(p.lat[i], p.lon[i], slot, 0, out);
      lat[i] = out.lat, lon[i] = out.lon;
    }
    benchmark::DoNotOptimize(lat.data());
    benchmark::DoNotOptimize(lon.data());
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}

void ProjArray(benchmark::State& state) {
  PJ_CONTEXT* context = proj_context_create();
  PJ* op = proj_create(context, "+proj=hgridshift +grids=" OVERLAYS_BINARY_DIR "/data/nadcon-ntv2/conus.gsb");
  if (!op) {
    proj_context_destroy(context);
    return state.SkipWithError("PROJ cannot read the CONUS NTv2 copy");
  }
  const Points& p = TestPoints();
  std::vector<double> lam(kPoints), phi(kPoints);
  for (auto _ : state) {
    for (int i = 0; i < kPoints; ++i) lam[i] = p.lon[i] * kRadiansPerDegree, phi[i] = p.lat[i] * kRadiansPerDegree;
    proj_trans_generic(op, PJ_FWD, lam.data(), sizeof(double), kPoints, phi.data(), sizeof(double), kPoints, nullptr,
                       0, 0, nullptr, 0, 0);
    benchmark::DoNotOptimize(lam.data());
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
  proj_destroy(op);
  proj_context_destroy(context);
}

BENCHMARK(Ours)->Unit(benchmark::kMillisecond);
BENCHMARK(ProjArray)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // CPU time, which a machine shared with other work disturbs less.
  return bench_support::RunAndCompare(
      argc, argv, {{"NADCON shift of 1,000,000 points, PROJ whole array", "Ours", "ProjArray", kPoints, "point"}});
}
