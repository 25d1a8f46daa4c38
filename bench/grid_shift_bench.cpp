// Grid-file datum shifts against PROJ on the same files and points in one
// run: CNTv2 on the nested NA83SCRS grid against hgridshift, and the OSTN15
// transformer (shift and British National Grid) against the hgridshift +
// tmerc pipeline, each peer through proj_trans_generic on the whole array,
// its fastest path. Then building the OSTN15 transformer from its two files
// against only reading the same bytes into memory. The lines at the end
// give the peer's time over ours.

#include "Compare.h"
#include <proj.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "geodesy/angle/AngleUnits.h"
#include "geodesy/shift/NTv2.h"
#include "geodesy/shift/NTv2File.h"
#include "geodesy/shift/Ostn15.h"
#include "platform/fs/Platform.h"

namespace {

namespace stdfs = std::filesystem;

constexpr std::size_t kNTv2Points = 1'000'000;
constexpr std::size_t kOstnPoints = 100'000;
constexpr char kOstnFolder[] = "C:\\OSTN\\";
const stdfs::path kNTv2Folder = stdfs::path(OVERLAYS_SOURCE_DIR) / "data/grids/ntv2";
const stdfs::path kOstnHost = stdfs::path(OVERLAYS_BINARY_DIR) / "data/grids/ostn15";
constexpr char kNTv2File[] = "NA83SCRS.GSB";

struct Points {
  std::vector<double> lam, phi;  // radians, east positive
};

Points RandomPoints(std::size_t count, double latLo, double latHi, double lonLo, double lonHi) {
  std::mt19937_64 rng(2026);
  std::uniform_real_distribution<double> lat(latLo, latHi), lon(lonLo, lonHi);
  Points p;
  for (std::size_t i = 0; i < count; ++i) {
    p.phi.push_back(lat(rng) * kRadiansPerDegree);
    p.lam.push_back(lon(rng) * kRadiansPerDegree);
  }
  return p;
}

// A sandbox machine, so that CNTv2's settings and the data folders never
// reach the user's own.
struct Machine {
  stdfs::path root = stdfs::temp_directory_path() / "overlays-grid-shift-bench";
  Machine() {
    stdfs::remove_all(root);
    platform::fs::Platform p = platform::fs::MachineOnFolder(root / "C", "Bench", "bench");
    p.drives.Mount(kOstnFolder, kOstnHost);
    platform::fs::Install(std::make_shared<const platform::fs::Platform>(std::move(p)));
  }
  ~Machine() { stdfs::remove_all(root); }
};

Machine& TheMachine() {
  static Machine machine;
  return machine;
}

using ProjPtr = std::unique_ptr<PJ, decltype(&proj_destroy)>;

ProjPtr ProjOn(const stdfs::path& folder, const char* definition) {
  static PJ_CONTEXT* context = proj_context_create();
  const std::string path = folder.string();
  const char* paths[] = {path.c_str()};
  proj_context_set_search_paths(context, 1, paths);
  proj_log_level(context, PJ_LOG_NONE);
  return ProjPtr(proj_create(context, definition), proj_destroy);
}

// Inside NA83SCRS's top grid (QUEBEC05), over its nested children too:
// uniformly random and in no order, so that nearly every point's cell is
// far from the last one's. That is the worst case for the caches, for both
// sides alike; points along a track would be kinder to both.
const Points& NTv2Points() {
  static const Points p = RandomPoints(kNTv2Points, 45, 62, -79.9, -56.1);
  return p;
}

const Points& OstnPoints() {
  static const Points p = RandomPoints(kOstnPoints, 50, 58, -6, 1.5);
  return p;
}

void OursNTv2(benchmark::State& state) {
  TheMachine();
  CNTv2 ntv2;
  std::unique_ptr<std::FILE, decltype(&std::fclose)> file(std::fopen((kNTv2Folder / kNTv2File).c_str(), "rb"),
                                                          std::fclose);
  ntv2.SetSubGrids(ReadNTv2(file.get(), stdfs::file_size(kNTv2Folder / kNTv2File))->subGrids);
  const Points& p = NTv2Points();
  std::vector<double> lat(kNTv2Points), lon(kNTv2Points);
  for (auto _ : state) {
    for (std::size_t i = 0; i < kNTv2Points; ++i) ntv2.Shift(p.phi[i], p.lam[i], lat[i], lon[i]);
    benchmark::DoNotOptimize(lat.data());
  }
}

// The peer on the whole array at once; copying the input is part of its
// time as writing the outputs is part of ours.
void RunProj(benchmark::State& state, const ProjPtr& proj, const Points& p) {
  for (auto _ : state) {
    std::vector<double> x = p.lam, y = p.phi;
    proj_trans_generic(proj.get(), PJ_FWD, x.data(), sizeof(double), x.size(), y.data(), sizeof(double), y.size(),
                       nullptr, 0, 0, nullptr, 0, 0);
    benchmark::DoNotOptimize(x.data());
  }
}

void ProjNTv2(benchmark::State& state) {
  RunProj(state, ProjOn(kNTv2Folder, "+proj=hgridshift +grids=NA83SCRS.GSB"), NTv2Points());
}

void OursOstn15Forward(benchmark::State& state) {
  TheMachine();
  const COstn15 ostn(kOstnFolder);
  const Points& p = OstnPoints();
  std::vector<double> e(kOstnPoints), n(kOstnPoints);
  for (auto _ : state) {
    for (std::size_t i = 0; i < kOstnPoints; ++i) ostn.Forward(p.phi[i], p.lam[i], e[i], n[i]);
    benchmark::DoNotOptimize(e.data());
  }
}

void ProjOstn15Forward(benchmark::State& state) {
  RunProj(state,
          ProjOn(kOstnHost,
                 "+proj=pipeline +step +proj=hgridshift +grids=OSTN15_NTv2_ETRStoOSGB.gsb +step "
                 "+proj=tmerc +lat_0=49 +lon_0=-2 +k_0=0.9996012717 +x_0=400000 +y_0=-100000 "
                 "+a=6377563.396 +b=6356256.909"),
          OstnPoints());
}

void OursOstn15Build(benchmark::State& state) {
  TheMachine();
  for (auto _ : state) {
    const COstn15 ostn(kOstnFolder);
    benchmark::DoNotOptimize(ostn.IsLoaded());
  }
}

// The floor for building: the two files' bytes read into memory.
void ReadOstn15Bytes(benchmark::State& state) {
  for (auto _ : state) {
    for (const char* name : {"OSTN15_NTv2_ETRStoOSGB.gsb", "OSTN15_NTv2_OSGBtoETRS.gsb"}) {
      const stdfs::path path = kOstnHost / name;
      std::vector<char> bytes(stdfs::file_size(path));
      std::unique_ptr<std::FILE, decltype(&std::fclose)> file(std::fopen(path.c_str(), "rb"), std::fclose);
      benchmark::DoNotOptimize(std::fread(bytes.data(), 1, bytes.size(), file.get()));
    }
  }
}

BENCHMARK(OursNTv2)->Unit(benchmark::kMillisecond);
BENCHMARK(ProjNTv2)->Unit(benchmark::kMillisecond);
BENCHMARK(OursOstn15Forward)->Unit(benchmark::kMillisecond);
BENCHMARK(ProjOstn15Forward)->Unit(benchmark::kMillisecond);
BENCHMARK(OursOstn15Build)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadOstn15Bytes)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return bench_support::RunAndCompare(
      argc, argv,
      {{"NTv2 shift (NA83SCRS, nested) vs hgridshift", "OursNTv2", "ProjNTv2", kNTv2Points, "point"},
       {"OSTN15 forward vs hgridshift + tmerc", "OursOstn15Forward", "ProjOstn15Forward", kOstnPoints, "point"},
       {"Building the OSTN15 transformer vs reading its bytes", "OursOstn15Build", "ReadOstn15Bytes", 1, "build"}},
      bench_support::Clock::Wall);
}
