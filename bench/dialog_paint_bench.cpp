// The wreck search's result list on screen through the Qt backend,
// offscreen: from the rows in the list (Find pressed) to the dialog's first
// frame painted, the mirror's sync included. Target: 10,000 rows within
// 50 ms. The list is read by the view row by row, so the time should barely
// grow with the rows; 1,000 rows beside 10,000 show whether it does.

#include <QApplication>
#include <QImage>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>

#include "SampleWreckList.h"
#include "frame/Exports.h"
#include "geodesy/angle/AngleUnits.h"
#include "platform/fs/Platform.h"
#include "platform/qt/QtBackend.h"
#include "platform/ui/Automation.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Dialog.h"
#include "wrecks/WreckList.h"
#include "wrecks/WreckResources.h"

namespace {

namespace stdfs = std::filesystem;
// Every generated record lies within this many nautical miles of the
// centre, so that each one is a row.
constexpr double kWholeSample = 9999.99;
constexpr double kCentreLatitude = 54 * kRadiansPerDegree;
constexpr double kCentreLongitude = -2 * kRadiansPerDegree;

struct Records {
  tools::SampleWreckList sample;
  CWreckList searchList;

  explicit Records(std::size_t count) : sample(11, count) {
    searchList.centreLatitude = kCentreLatitude;
    searchList.centreLongitude = kCentreLongitude;
    searchList.searchRadius = kWholeSample;
    searchList.showWrecks = searchList.showObstructions = true;
  }
};

Records& RecordsOf(std::size_t count) {
  static std::map<std::size_t, std::unique_ptr<Records>> made;
  auto& records = made[count];
  if (!records) records = std::make_unique<Records>(count);
  return *records;
}

void BM_FirstFrameOfTheResult(benchmark::State& state) {
  Records& records = RecordsOf(static_cast<std::size_t>(state.range(0)));
  platform::qt::QtBackend backend;
  platform::ui::ScopedBackend installed(backend);
  std::size_t rows = 0;
  platform::ui::ScopedAutomation automation([&](platform::ui::Driver& d) {
    if (d.Turn() != platform::ui::ModalTurn::Started) return;
    QWidget* window = backend.WidgetOf(d.Dialog());
    for (auto _ : state) {
      state.PauseTiming();
      d.Click(IDC_FIND_LOCATION);
      state.ResumeTiming();
      backend.SyncNow();
      benchmark::DoNotOptimize(window->grab().toImage());
    }
    rows = d.Rows(IDC_RESULTS).size();
    d.Click(IDOK);
  });
  tagXY unused;
  WreckFinder(&records.sample.wrecks, &records.searchList, nullptr, unused);
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_FirstFrameOfTheResult)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // Painting needs no display: Qt's offscreen platform unless one is named.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const stdfs::path root = stdfs::temp_directory_path() / "overlays-dialog-paint-bench";
  platform::fs::Install(std::make_shared<const platform::fs::Platform>(
      platform::fs::MachineOnFolder(root / "C", "Bench", "bench")));
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  stdfs::remove_all(root);
  return 0;
}
