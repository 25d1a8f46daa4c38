// A click on the desktop host's chart: finding the wreck under the pointer
// among a million records, at a zoom that shows them all and at harbour
// scale, with the search list's show flags on (every record a candidate)
// and off (none). A click is a person's action; anything under a frame
// (16 ms) is instant to them.

#include <benchmark/benchmark.h>

#include <algorithm>

#include "SampleWreckList.h"
#include "WreckPicking.h"
#include "chart/ChartView.h"
#include "chart/MercatorProjection.h"

namespace {

constexpr std::size_t kWrecks = 1'000'000;
constexpr QSize kFrame(1280, 800);

struct Scene {
  tools::SampleWreckList sample{1, kWrecks};
  CWreckList& wrecks = sample.wrecks;
  CWreckList searchList;
  chart::MercatorProjection projection;
  chart::GeoPosition southWest{10, 10}, northEast{-10, -10};

  Scene() {
    for (const WreckDef* record : wrecks.records) {
      southWest = {std::min(southWest.lat, record->data.latitude), std::min(southWest.lon, record->data.longitude)};
      northEast = {std::max(northEast.lat, record->data.latitude), std::max(northEast.lon, record->data.longitude)};
    }
  }
};

Scene& TheScene() {
  static Scene scene;
  return scene;
}

// Arg 0: every wreck in view (fitted), 1: harbour scale (5 m a pixel) on
// the first record. Arg 1 of the second pair: show flags on or off.
void BM_WreckUnderClick(benchmark::State& state) {
  Scene& scene = TheScene();
  scene.searchList.showWrecks = scene.searchList.showObstructions = state.range(1) != 0;
  chart::ChartView view(scene.projection);
  view.SetViewport(kFrame);
  const WreckDef& first = *scene.wrecks.GetAt(0);
  if (state.range(0) == 0) {
    view.FitBounds(scene.southWest, scene.northEast);
  } else {
    view.SetMetresPerPixel(5);
    view.CentreOn({first.data.latitude, first.data.longitude});
  }
  const QPointF click = view.ScreenOf({first.data.latitude, first.data.longitude});
  for (auto _ : state)
    benchmark::DoNotOptimize(desktop::WreckAt(scene.wrecks, scene.searchList, view, click));
  state.SetLabel(state.range(0) == 0 ? "all in view" : "harbour");
}

}  // namespace

BENCHMARK(BM_WreckUnderClick)->Args({0, 1})->Args({1, 1})->Args({1, 0})->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
