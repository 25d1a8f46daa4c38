#pragma once
// One overlay of the chart: it draws one of the host's lists (or the
// coastline) onto a painter as the view shows it. The chart draws its
// layers in order, each only while it is switched on.

#include <QPainter>

#include "chart/ChartView.h"

namespace chart {

class ChartLayer {
 public:
  virtual ~ChartLayer() = default;
  // A short lower-case name: the View menu, the saved settings and the
  // screenshots go by it.
  virtual const char* Name() const = 0;
  virtual void Draw(QPainter& painter, const ChartView& view) = 0;

  bool visible = true;
};

}  // namespace chart
