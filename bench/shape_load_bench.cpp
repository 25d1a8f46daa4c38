// Reading the 1:1,000,000 world coastline (63,061 polylines, 4,864,053
// vertices; bench/fetch_coastline.sh makes it) into a CShape, lengths and
// list included, against the plain loop a peer would write: shapelib's
// SHPReadObject for every entity, kept in a list, and GeographicLib's
// Geodesic::Inverse for every vertex pair, in one run. Prints the ratio of
// the times, the heap each keeps for the whole file, and how far our total
// length is from GeographicLib's on the same pairs. Without the file it
// says how to make it and measures nothing.

#include "Coastline.h"
#include "Compare.h"
#include <malloc.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include <GeographicLib/Geodesic.hpp>
#include <shapefil.h>

#include "frame/Exports.h"
#include "platform/fs/Platform.h"
#include "shape/Shape.h"
#include "shape/ShapeFileList.h"

namespace {

namespace stdfs = std::filesystem;

using bench_support::kCoastline;
constexpr char kWindowsPath[] = "D:\\coastline.shp";
constexpr double kVertices = 4'864'053;

std::size_t HeapInUse() { return mallinfo2().uordblks; }

struct PeerResult {
  std::vector<SHPObject*> objects;
  double length = 0;
  ~PeerResult() {
    for (SHPObject* o : objects) SHPDestroyObject(o);
  }
};

void ReadWithPeers(PeerResult& result) {
  SHPHandle file = SHPOpen(kCoastline.c_str(), "rb");
  int count = 0;
  SHPGetInfo(file, &count, nullptr, nullptr, nullptr);
  const GeographicLib::Geodesic& wgs84 = GeographicLib::Geodesic::WGS84();
  result.objects.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    SHPObject* o = SHPReadObject(file, i);
    for (int k = 1; k < o->nVertices; ++k) {
      double s12 = 0;
      wgs84.Inverse(o->padfY[k - 1], o->padfX[k - 1], o->padfY[k], o->padfX[k], s12);
      result.length += s12;
    }
    result.objects.push_back(o);
  }
  SHPClose(file);
}

double OurLength(const CShape& shape) {
  double total = 0;
  for (const ShapeEntityDef& e : shape.Entities()) total += e.length;
  return total;
}

void BM_OursCShapeLoad(benchmark::State& state) {
  std::size_t held = 0;
  double length = 0;
  for (auto _ : state) {
    const std::size_t before = HeapInUse();
    auto shape = std::make_unique<CShape>();
    shape->path = kWindowsPath;
    if (!shape->Load() || shape->Entities().size() != 63'061) state.SkipWithError("the coastline did not load");
    held = HeapInUse() - before;
    length = OurLength(*shape);
    state.PauseTiming();
    shape.reset();
    state.ResumeTiming();
  }
  state.counters["heap MB"] = static_cast<double>(held) / 1e6;
  state.counters["length km"] = length / 1e3;
}

void BM_PeerShapelibGeographicLib(benchmark::State& state) {
  std::size_t held = 0;
  for (auto _ : state) {
    const std::size_t before = HeapInUse();
    auto result = std::make_unique<PeerResult>();
    ReadWithPeers(*result);
    held = HeapInUse() - before;
    state.PauseTiming();
    result.reset();
    state.ResumeTiming();
  }
  state.counters["heap MB"] = static_cast<double>(held) / 1e6;
}

// The same file as the host loads it: on the module's worker behind the
// loading dialog, whose loop and 100 ms timer run beside it (headless, so
// nothing is drawn).
void BM_OursLoadShapeFile(benchmark::State& state) {
  for (auto _ : state) {
    auto list = std::make_unique<CShapeFileList>();
    if (!LoadShapeFile(kWindowsPath, list.get()) || list->GetAt(0).Entities().size() != 63'061)
      state.SkipWithError("the coastline did not load behind the dialog");
    state.PauseTiming();
    list.reset();
    state.ResumeTiming();
  }
}

BENCHMARK(BM_OursCShapeLoad)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_OursLoadShapeFile)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_PeerShapelibGeographicLib)->Unit(benchmark::kMillisecond)->MinTime(3);

// Our method-0 series against the exact geodesic, summed over the same
// vertex pairs.
void ReportLengthAgreement() {
  CShape shape;
  shape.path = kWindowsPath;
  shape.Load();
  PeerResult peer;
  ReadWithPeers(peer);
  const double ours = OurLength(shape);
  std::printf("total length: ours %.3f km, GeographicLib %.3f km, relative difference %.3g\n", ours / 1e3,
              peer.length / 1e3, std::fabs(ours - peer.length) / peer.length);
}

}  // namespace

int main(int argc, char** argv) {
  if (bench_support::CoastlineMissing()) return 0;
  const stdfs::path root = stdfs::temp_directory_path() / "overlays-shape-bench";
  stdfs::create_directories(root / "C");
  auto machine = platform::fs::MachineOnFolder(root / "C", "Bench", "bench");
  machine.drives.MapDrive('D', kCoastline.parent_path(), platform::fs::DriveType::Fixed);
  platform::fs::Install(std::make_shared<const platform::fs::Platform>(std::move(machine)));
  ReportLengthAgreement();
  // peer/ours is the figure: the target is at least 1 / 0.45 = 2.2.
  bench_support::RunAndCompare(argc, argv,
                               {{"the world coastline into a CShape against shapelib + GeographicLib",
                                 "BM_OursCShapeLoad/min_time:3.000", "BM_PeerShapelibGeographicLib/min_time:3.000",
                                 kVertices, "vertex"},
                                {"the world coastline behind the loading dialog against the synchronous load",
                                 "BM_OursLoadShapeFile/min_time:3.000", "BM_OursCShapeLoad/min_time:3.000", kVertices,
                                 "vertex"}},
                               bench_support::Clock::Wall);
  stdfs::remove_all(root);
  return 0;
}
