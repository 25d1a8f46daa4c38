#pragma once
// The chart's scale bar: the longest round length (1, 2 or 5 times a power
// of ten) of nautical miles or kilometres that fits the room given, in
// metres when a tenth of a mile or a kilometre would not fit.

#include <QPainter>
#include <QString>

#include "chart/ChartView.h"

namespace chart {

enum class DistanceUnit { NauticalMiles, Kilometres };

struct ScaleBarLength {
  double groundMetres = 0;
  QString text;  // "2 NM", "500 m"
};

// The length for a scale of `groundMetresPerPixel` in at most `maxPixels`.
ScaleBarLength ChooseScaleBar(double groundMetresPerPixel, double maxPixels, DistanceUnit unit);

// The bar at the bottom left of the view, true at the latitude it is drawn.
void DrawScaleBar(QPainter& painter, const ChartView& view, DistanceUnit unit);

}  // namespace chart
