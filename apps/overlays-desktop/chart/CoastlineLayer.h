#pragma once
// The coastline under every overlay, so that a person knows where the
// overlays lie: the lines of a shapefile of longitudes and latitudes in
// degrees (the bundled world coastline, or a finer one), drawn at the
// level of detail the scale needs.

#include <filesystem>

#include "chart/ChartLayer.h"
#include "chart/PolylineIndex.h"

namespace chart {

class CoastlineLayer : public ChartLayer {
 public:
  const char* Name() const override { return "coastline"; }
  // Replaces the lines with those of the shapefile at a host path; false,
  // with no lines, when it cannot be opened.
  bool Load(const std::filesystem::path& shapefile, const MercatorProjection& projection);
  void Draw(QPainter& painter, const ChartView& view) override;
  const PolylineIndex& Lines() const { return lines_; }

 private:
  PolylineIndex lines_;
};

}  // namespace chart
