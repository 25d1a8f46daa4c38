#pragma once
// The weather-forecast sea areas: boundaries in the areas' colour while
// they are displayed, names while they are labelled, and the highlighted
// area filled and outlined in its own colour whatever the display flag.

#include "chart/ChartLayer.h"
#include "seaareas/SeaAreas.h"

namespace chart {

class SeaAreaLayer : public ChartLayer {
 public:
  explicit SeaAreaLayer(const CSeaAreas& areas) : areas_(areas) {}
  const char* Name() const override { return "seaareas"; }
  void Draw(QPainter& painter, const ChartView& view) override;

 private:
  const CSeaAreas& areas_;
};

}  // namespace chart
