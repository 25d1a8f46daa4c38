#pragma once
// The host's wind farm outlines in the layer's colour, each labelled with
// the farm's name at its centre, while the layer is displayed.

#include "chart/ChartLayer.h"
#include "windfarm/WindFarmBoundaryList.h"

namespace chart {

class BoundaryLayer : public ChartLayer {
 public:
  explicit BoundaryLayer(const CWindFarmBoundaryList& boundaries) : boundaries_(boundaries) {}
  const char* Name() const override { return "boundaries"; }
  void Draw(QPainter& painter, const ChartView& view) override;

 private:
  const CWindFarmBoundaryList& boundaries_;
};

}  // namespace chart
