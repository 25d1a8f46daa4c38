#pragma once
// The host's KML overlays: polygons, lines and points of every loaded
// archive in the line style and polygon colour their placemarks name, the
// points with their names.

#include "chart/ChartLayer.h"
#include "kml/KMLFileList.h"

namespace chart {

class KmlLayer : public ChartLayer {
 public:
  explicit KmlLayer(const CKMLFileList& files) : files_(files) {}
  const char* Name() const override { return "kml"; }
  void Draw(QPainter& painter, const ChartView& view) override;

 private:
  void DrawOverlay(QPainter& painter, const ChartView& view, const CKML& kml) const;

  const CKMLFileList& files_;
};

}  // namespace chart
