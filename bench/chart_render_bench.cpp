// A full repaint of the desktop host's chart with the real 1:1,000,000
// world coastline (63,061 polylines, 4,864,053 vertices;
// bench/fetch_coastline.sh makes it) and 1,000,000 generated wrecks, in ms
// per frame: at a zoom that shows every wreck and at harbour scale (5 m a
// pixel, 6.4 km across the frame, centred on the first wreck). Beside it, the coastline drawn the plain way (every
// polyline, every frame, no index, no level of detail) at the same views,
// and the ratio. Without the file it says how to make it and measures
// nothing.

#include "Coastline.h"
#include "Compare.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include <shapefil.h>

#include "SampleWreckList.h"
#include "chart/Chart.h"
#include "chart/CoastlineLayer.h"
#include "chart/PointIndex.h"
#include "chart/PolylineIndex.h"
#include "chart/WreckLayer.h"

namespace {

namespace stdfs = std::filesystem;

using bench_support::kCoastline;
constexpr std::size_t kWrecks = 1'000'000;
constexpr QSize kFrame(1280, 800);

struct View {
  const char* name;
  double metresPerPixel;  // 0: fit every wreck
};
const View kViews[] = {{"all", 0}, {"harbour", 5}};

// The chart as the desktop host would hold it, loaded once for every run.
struct Scene {
  tools::SampleWreckList sample{1, kWrecks};
  CWreckList& wrecks = sample.wrecks;
  CWreckList searchList;
  chart::Chart chart;
  std::vector<QPolygonF> plainCoast;  // plane metres, for the plain drawing
  chart::GeoPosition southWest{10, 10}, northEast{-10, -10};

  Scene() {
    for (const WreckDef* record : wrecks.records) Extend(record->data.latitude, record->data.longitude);
    searchList.showWrecks = searchList.showObstructions = searchList.label = true;
    auto coast = std::make_unique<chart::CoastlineLayer>();
    coast->Load(kCoastline, chart.Projection());
    chart.AddLayer(std::move(coast));
    chart.AddLayer(std::make_unique<chart::WreckLayer>(wrecks, searchList));
    ReadPlainCoast();
  }

  void Extend(double lat, double lon) {
    southWest = {std::min(southWest.lat, lat), std::min(southWest.lon, lon)};
    northEast = {std::max(northEast.lat, lat), std::max(northEast.lon, lon)};
  }

  void ReadPlainCoast() {
    SHPHandle file = SHPOpen(kCoastline.c_str(), "rb");
    int count = 0;
    SHPGetInfo(file, &count, nullptr, nullptr, nullptr);
    for (int i = 0; i < count; ++i) {
      SHPObject* object = SHPReadObject(file, i);
      QPolygonF line;
      for (int v = 0; v < object->nVertices; ++v)
        line << chart.Projection().ForwardDegrees(object->padfY[v], object->padfX[v]);
      plainCoast.push_back(std::move(line));
      SHPDestroyObject(object);
    }
    SHPClose(file);
  }

  void Show(const View& view) {
    chart.View().SetViewport(kFrame);
    if (view.metresPerPixel == 0) {
      chart.View().FitBounds(southWest, northEast);
      return;
    }
    const WreckDef& first = *wrecks.GetAt(0);
    chart.View().CentreOn({first.data.latitude, first.data.longitude});
    chart.View().SetMetresPerPixel(view.metresPerPixel);
  }
};

Scene& TheScene() {
  static Scene scene;
  return scene;
}

void BM_ChartRepaint(benchmark::State& state) {
  Scene& scene = TheScene();
  scene.Show(kViews[state.range(0)]);
  QImage frame(kFrame, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    QPainter painter(&frame);
    scene.chart.Render(painter, kFrame);
  }
  state.SetLabel(kViews[state.range(0)].name);
}

// The coastline alone, as the plain loop draws it: every polyline through
// the view's transform into QPainter, whatever the scale.
void BM_PlainCoastline(benchmark::State& state) {
  Scene& scene = TheScene();
  scene.Show(kViews[state.range(0)]);
  const chart::ChartView& view = scene.chart.View();
  QImage frame(kFrame, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(frame.rect(), Qt::white);
    for (const QPolygonF& line : scene.plainCoast) {
      QPolygonF screen;
      screen.reserve(line.size());
      for (const QPointF& p : line) screen << view.ToScreen(p);
      painter.drawPolyline(screen);
    }
  }
  state.SetLabel(kViews[state.range(0)].name);
}

void BM_IndexedCoastline(benchmark::State& state) {
  Scene& scene = TheScene();
  scene.Show(kViews[state.range(0)]);
  chart::ChartLayer& wrecks = *scene.chart.FindLayer("wrecks");
  wrecks.visible = false;
  QImage frame(kFrame, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    QPainter painter(&frame);
    scene.chart.Render(painter, kFrame);
  }
  wrecks.visible = true;
  state.SetLabel(kViews[state.range(0)].name);
}

// What the chart pays once per load, before the first frame: the coastline
// cut, indexed and decimated, and the wrecks indexed and thinned (both from
// plane positions already projected).
void BM_IndexCoastline(benchmark::State& state) {
  const Scene& scene = TheScene();
  for (auto _ : state) {
    chart::PolylineIndex index;
    for (const QPolygonF& line : scene.plainCoast) index.Add(line);
    index.Build();
    benchmark::DoNotOptimize(index.VertexCount());
  }
}

void BM_IndexWrecks(benchmark::State& state) {
  const Scene& scene = TheScene();
  std::vector<QPointF> places;
  for (const WreckDef* record : scene.wrecks.records)
    places.push_back(scene.chart.Projection().Forward(record->data.latitude, record->data.longitude));
  for (auto _ : state) {
    chart::PointIndex index;
    index.Build(places);
    benchmark::DoNotOptimize(index.Size());
  }
}

BENCHMARK(BM_IndexCoastline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndexWrecks)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_IndexedCoastline)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_PlainCoastline)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2);

}  // namespace

int main(int argc, char** argv) {
  if (bench_support::CoastlineMissing()) return 0;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication application(argc, argv);
  // ms per frame of the plain drawing over ours: how much the index and
  // the level of detail save.
  bench_support::RunAndCompare(argc, argv,
                               {{"the coastline, every wreck in view, indexed against plain",
                                 "BM_IndexedCoastline/0/min_time:2.000", "BM_PlainCoastline/0/min_time:2.000", 1,
                                 "frame"},
                                {"the coastline at harbour scale, indexed against plain",
                                 "BM_IndexedCoastline/1/min_time:2.000", "BM_PlainCoastline/1/min_time:2.000", 1,
                                 "frame"}},
                               bench_support::Clock::Wall);
  return 0;
}
