// The wreck search over 1,000,000 generated records, timed as a user sees
// it: from pressing Find in the real dialog to the last row filled (the
// search list saved included). Targets on one core: a radius search of
// 10 NM in the sample area within 50 ms, a name search within 30 ms.
// Beside them, the radius search alone over every record, through the
// index and window and with every record measured, against which the
// window's saving reads; the index the dialog builds when it opens; and
// what a progress position per record would cost.

#include "Compare.h"

#include <filesystem>
#include <memory>
#include <string>

#include "SampleWreckList.h"
#include "frame/Exports.h"
#include "geodesy/angle/AngleUnits.h"
#include "geodesy/catalogue/GridCatalogue.h"
#include "geodesy/datum/Datum.h"
#include "platform/fs/Platform.h"
#include "platform/ui/Automation.h"
#include "platform/ui/ProgressCtrl.h"
#include "wrecks/WreckList.h"
#include "wrecks/WreckResources.h"
#include "wrecks/WreckSearch.h"
#include "wrecks/WreckSearchIndex.h"

namespace {

namespace stdfs = std::filesystem;
constexpr std::size_t kRecords = 1'000'000;
// In the southern North Sea, one of the busiest boxes of the sample.
constexpr double kCentreLatitude = 52.5 * kRadiansPerDegree;
constexpr double kCentreLongitude = 3.0 * kRadiansPerDegree;
constexpr double kRadius = 10;  // nautical miles
constexpr char kName[] = "hms golden dawn";

struct Fixture {
  stdfs::path root = stdfs::temp_directory_path() / "overlays-wreck-search-bench";
  tools::SampleWreckList sample{7, kRecords};
  CWreckList& wrecks = sample.wrecks;
  CWreckList searchList;

  Fixture() {
    stdfs::remove_all(root);
    platform::fs::Install(std::make_shared<const platform::fs::Platform>(
        platform::fs::MachineOnFolder(root / "C", "Bench", "bench")));
    searchList.centreLatitude = kCentreLatitude;
    searchList.centreLongitude = kCentreLongitude;
    searchList.searchRadius = kRadius;
    searchList.searchName = kName;
    searchList.showWrecks = searchList.showObstructions = true;
  }
  ~Fixture() { stdfs::remove_all(root); }
};

Fixture& TheFixture() {
  static Fixture fixture;
  return fixture;
}

// Opens the dialog on the fixture's last search and presses `find` in the
// timed loop; the rows it filled are reported.
void PressFind(benchmark::State& state, int find, CDatum* datum = nullptr) {
  Fixture& f = TheFixture();
  std::size_t rows = 0;
  platform::ui::ScopedAutomation automation([&](platform::ui::Driver& d) {
    if (d.Turn() != platform::ui::ModalTurn::Started) return;
    for (auto _ : state) d.Click(find);
    rows = d.Rows(IDC_RESULTS).size();
    d.Click(IDOK);
  });
  tagXY unused;
  WreckFinder(&f.wrecks, &f.searchList, datum, unused);
  state.counters["rows"] = static_cast<double>(rows);
}

void BM_RadiusFind(benchmark::State& state) { PressFind(state, IDC_FIND_LOCATION); }
void BM_NameFind(benchmark::State& state) { PressFind(state, IDC_FIND_NAME); }

// The same radius search with the rows' eastings and northings on UTM zone
// 31 north.
void BM_RadiusFindOnGrid(benchmark::State& state) {
  CSpheroid far;
  CGridSystem grid;
  CDatum datum;
  datum.farEllipsoid = &far;
  datum.userGrid = &grid;
  if (!SelectGrid(grid, &far, 31, 0, 0) || !datum.SetDatum(0, 0, 1)) state.SkipWithError("no UTM grid");
  PressFind(state, IDC_FIND_LOCATION, &datum);
}

void BM_RadiusWindowed(benchmark::State& state) {
  Fixture& f = TheFixture();
  const CWreckSearchIndex index(f.wrecks);
  const CWreckSearch search(f.wrecks, index, f.searchList);
  std::vector<std::size_t> found;
  for (auto _ : state) {
    found.clear();
    search.FindWithinRadius(0, f.wrecks.GetSize(), found);
  }
  state.counters["matches"] = static_cast<double>(found.size());
}

void BM_RadiusMeasured(benchmark::State& state) {
  Fixture& f = TheFixture();
  const CWreckSearchIndex index(f.wrecks);
  const CWreckSearch search(f.wrecks, index, f.searchList);
  std::size_t matches = 0;
  for (auto _ : state) {
    matches = 0;
    for (WreckDef* r : f.wrecks.records) matches += search.MatchRadius(*r);
  }
  state.counters["matches"] = static_cast<double>(matches);
}

// What the dialog does once when it opens, so that no search has to.
void BM_BuildIndex(benchmark::State& state) {
  Fixture& f = TheFixture();
  for (auto _ : state) benchmark::DoNotOptimize(CWreckSearchIndex(f.wrecks));
}

// The progress bar's share: one position per record, as the search sets it.
void BM_ProgressPositions(benchmark::State& state) {
  CWnd parent;
  parent.Create("bench", WS_POPUP, CRect(0, 0, 200, 200), nullptr, 0);
  CProgressCtrl progress;
  progress.Create(WS_CHILD, CRect(0, 0, 100, 10), &parent, 1);
  progress.SetRange32(0, static_cast<int>(kRecords));
  for (auto _ : state)
    for (int i = 0; i < static_cast<int>(kRecords); ++i) progress.SetPos(i);
}

BENCHMARK(BM_RadiusFind)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_NameFind)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_RadiusFindOnGrid)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_RadiusWindowed)->Unit(benchmark::kMillisecond)->MinTime(1);
BENCHMARK(BM_RadiusMeasured)->Unit(benchmark::kMillisecond)->MinTime(1);
BENCHMARK(BM_BuildIndex)->Unit(benchmark::kMillisecond)->MinTime(1);
BENCHMARK(BM_ProgressPositions)->Unit(benchmark::kMillisecond)->MinTime(1);

}  // namespace

int main(int argc, char** argv) {
  TheFixture();
  return bench_support::RunAndCompare(
      argc, argv,
      {{"the radius search over 1,000,000 records, through the window against every record measured",
        "BM_RadiusWindowed/min_time:1.000", "BM_RadiusMeasured/min_time:1.000", 1e6, "record"}},
      bench_support::Clock::Wall);
}
