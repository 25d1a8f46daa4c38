#pragma once
// The chart as a whole: the plane, the view onto it and the layers drawn
// in order (the first underneath), painted onto any paint device: a
// widget on screen, an image in a test or a benchmark.

#include <QImage>
#include <QPainter>

#include <memory>
#include <string_view>
#include <vector>

#include "chart/ChartLayer.h"
#include "chart/ChartView.h"
#include "chart/MercatorProjection.h"
#include "chart/ScaleBar.h"

namespace chart {

class Chart {
 public:
  Chart() : view_(projection_) {}
  Chart(const Chart&) = delete;
  Chart& operator=(const Chart&) = delete;

  const MercatorProjection& Projection() const { return projection_; }
  ChartView& View() { return view_; }
  const ChartView& View() const { return view_; }

  // Drawn above the layers added before it.
  ChartLayer& AddLayer(std::unique_ptr<ChartLayer> layer);
  const std::vector<std::unique_ptr<ChartLayer>>& Layers() const { return layers_; }
  // The layer of that name, or null.
  ChartLayer* FindLayer(std::string_view name) const;

  // The sea, every layer switched on, then the scale bar, over `size` pixels.
  void Render(QPainter& painter, QSize size);
  QImage RenderImage(QSize size);

  DistanceUnit scaleUnit = DistanceUnit::NauticalMiles;

 private:
  MercatorProjection projection_;
  ChartView view_;
  std::vector<std::unique_ptr<ChartLayer>> layers_;
};

}  // namespace chart
