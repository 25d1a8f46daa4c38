// The chart drawn offscreen over the sample data: each layer switched on
// and off where its data lies, with pixel probes there (a wreck, a turbine, a
// wind farm corner, a KML point, a shapefile line, the highlighted sea
// area, the coastline). Screenshots go to OVERLAYS_SCREENSHOTS.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <cmath>
#include <functional>
#include <optional>

#include "SampleChart.h"
#include "chart/CoastlineLayer.h"
#include "chart/ChartPalette.h"

namespace {

using chart::GeoPosition;
using desktop_test::SampleChart;

constexpr QSize kScreen(480, 360);
constexpr int kProbeHalf = 15;  // the probe box: 31 x 31 pixels around the position

// Colours match when each channel is within `tolerance` (antialiased
// edges and translucent fills blend with what lies under them).
bool Near(QRgb pixel, const QColor& colour, int tolerance) {
  return std::abs(qRed(pixel) - colour.red()) <= tolerance && std::abs(qGreen(pixel) - colour.green()) <= tolerance &&
         std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

struct BoxCount {
  int differing = 0;  // pixels that differ between the two images
  int coloured = 0;   // pixels of the first image near the colour
};

BoxCount CountInBox(const QImage& on, const QImage& off, QPoint centre, const std::optional<QColor>& colour,
                    int tolerance) {
  BoxCount count;
  for (int y = centre.y() - kProbeHalf; y <= centre.y() + kProbeHalf; ++y) {
    for (int x = centre.x() - kProbeHalf; x <= centre.x() + kProbeHalf; ++x) {
      if (!on.rect().contains(x, y)) continue;
      count.differing += on.pixel(x, y) != off.pixel(x, y);
      count.coloured += colour && Near(on.pixel(x, y), *colour, tolerance);
    }
  }
  return count;
}

QColor Blend(const QColor& under, const QColor& over, int alpha) {
  auto mix = [&](int a, int b) { return (a * (255 - alpha) + b * alpha) / 255; };
  return QColor(mix(under.red(), over.red()), mix(under.green(), over.green()), mix(under.blue(), over.blue()));
}

// A coastline vertex near a position (the bundled coast is coarse: the
// nearest may lie tens of kilometres off).
GeoPosition CoastNear(const SampleChart& sample, const GeoPosition& position) {
  const auto& coast = static_cast<const chart::CoastlineLayer&>(*sample.chart.FindLayer("coastline"));
  const QPointF at = sample.chart.Projection().Forward(position.lat, position.lon);
  std::optional<QPointF> vertex;
  coast.Lines().Visit(QRectF(at - QPointF(1e5, 1e5), at + QPointF(1e5, 1e5)), 1,
                      [&](std::span<const QPointF> piece) { vertex = vertex.value_or(piece.front()); });
  return sample.chart.Projection().Inverse(vertex.value_or(at));
}

class DesktopChart : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { sample_ = new SampleChart(); }
  static void TearDownTestSuite() { delete sample_; }

  static QImage Render(const GeoPosition& centre, double metresPerPixel) {
    sample_->chart.View().CentreOn(centre);
    sample_->chart.View().SetMetresPerPixel(metresPerPixel);
    return sample_->chart.RenderImage(kScreen);
  }
  static void Save(const QImage& image, const std::string& name) {
    image.save(QString::fromStdString((desktop_test::ScreenshotFolder() / ("chart-" + name + ".png")).string()));
  }

  static SampleChart* sample_;
};
SampleChart* DesktopChart::sample_ = nullptr;

// Every list has something to show, and the overview over the British
// Isles is kept for a person to look at.
TEST_F(DesktopChart, SampleDataFillsEveryList) {
  Save(Render({52.5 / 57.2957795131, -3.0 / 57.2957795131}, 4500), "all");
  chart::HostLists& lists = sample_->Lists();
  EXPECT_FALSE(lists.searchList.records.empty());
  EXPECT_EQ(lists.kml.GetCount(), 1u);
  EXPECT_EQ(lists.shapes.GetCount(), 1u);
  EXPECT_GT(lists.turbines.farms.size(), 1u);
  EXPECT_GT(lists.boundaries.farms.size(), 1u);
  EXPECT_NE(lists.seaAreas.activeArea, kNoActiveArea);
}

struct Probe {
  const char* layer;
  std::function<GeoPosition(SampleChart&)> where;
  double metresPerPixel;
  std::optional<QColor> colour;  // a colour only this layer puts in the box
  int tolerance;
};

GeoPosition Radians(const tagXY& p) { return {p.y, p.x}; }

const Probe kProbes[] = {
    // A record the search found: its symbol inside the highlight ring.
    {"wrecks", [](SampleChart& s) {
       const WreckDef& r = *s.Lists().searchList.GetAt(0);
       return GeoPosition{r.data.latitude, r.data.longitude};
     },
     20, chart::kSearchHighlightColour, 40},
    // The last record: its symbol alone, whether the search found it or not.
    {"wrecks", [](SampleChart& s) {
       const WreckDef& r = *s.Lists().wrecks.GetAt(s.Lists().wrecks.GetSize() - 1);
       return GeoPosition{r.data.latitude, r.data.longitude};
     },
     20, std::nullopt, 0},
    {"turbines", [](SampleChart& s) {
       return Radians(s.Lists().turbines.farms[1].turbines[0].position);
     },
     50, QColor(0xC0, 0, 0), 40},
    {"boundaries", [](SampleChart& s) {
       return Radians(s.Lists().boundaries.farms[1].outline[0]);
     },
     50, QColor(0, 0x80, 0), 40},
    {"kml", [](SampleChart& s) {
       const KMLPointDef& p = *s.Lists().kml.GetAt(0).Points().front();
       return GeoPosition{p.y, p.x};
     },
     20, std::nullopt, 0},
    {"shapefiles", [](SampleChart& s) {
       const SHPObject& line = *s.Lists().shapes.GetAt(0).Entities().front().object;
       return GeoPosition{line.padfY[0] / 57.2957795131, line.padfX[0] / 57.2957795131};
     },
     20, QColor(0, 0x80, 0xC0), 30},
    // Inside the highlighted Plymouth area, at a scale where the wrecks
    // leave some of its fill uncovered.
    {"seaareas", [](SampleChart&) { return GeoPosition{49.0 / 57.2957795131, -5.5 / 57.2957795131}; }, 1500,
     Blend(chart::kSeaColour, QColor(0xFF, 0xA5, 0), 80), 4},
    {"coastline", [](SampleChart& s) {
       return CoastNear(s, {50.3 / 57.2957795131, -4.1 / 57.2957795131});
     },
     200, chart::kCoastlineColour, 50},
};

TEST_F(DesktopChart, LayersShowWhereTheirDataLies) {
  for (const Probe& probe : kProbes) {
    SCOPED_TRACE(probe.layer);
    chart::ChartLayer* layer = sample_->chart.FindLayer(probe.layer);
    ASSERT_NE(layer, nullptr);
    const GeoPosition position = probe.where(*sample_);
    const QImage on = Render(position, probe.metresPerPixel);
    layer->visible = false;
    const QImage off = Render(position, probe.metresPerPixel);
    layer->visible = true;
    Save(on, std::string("probe-") + probe.layer);
    const QPoint centre = sample_->chart.View().ScreenOf(position).toPoint();
    const BoxCount withLayer = CountInBox(on, off, centre, probe.colour, probe.tolerance);
    const BoxCount withoutLayer = CountInBox(off, off, centre, probe.colour, probe.tolerance);
    EXPECT_GT(withLayer.differing, 0);
    if (!probe.colour) continue;
    EXPECT_GT(withLayer.coloured, 0);
    EXPECT_EQ(withoutLayer.coloured, 0);
  }
}

}  // namespace
