#pragma once
// The host's wind turbines: each with its picture from the turbine image
// list on a ring of the layer's colour, labelled with its name or number
// in that colour, while the layer is displayed.

#include <QImage>

#include <vector>

#include "chart/ChartLayer.h"
#include "windfarm/TurbineList.h"

namespace chart {

class TurbineLayer : public ChartLayer {
 public:
  explicit TurbineLayer(const CTurbineList& turbines);
  const char* Name() const override { return "turbines"; }
  void Draw(QPainter& painter, const ChartView& view) override;

 private:
  const CTurbineList& turbines_;
  std::vector<QImage> pictures_;
};

}  // namespace chart
