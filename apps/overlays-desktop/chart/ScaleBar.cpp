#include "chart/ScaleBar.h"

#include <cmath>

#include "chart/ChartPalette.h"

namespace chart {
namespace {

struct UnitDef {
  DistanceUnit unit;
  double metres;
  double smallest;  // below this many of the unit the bar counts metres
  const char* symbol;
};
constexpr UnitDef kUnits[] = {
    {DistanceUnit::NauticalMiles, 1852, 0.1, "NM"},
    {DistanceUnit::Kilometres, 1000, 1, "km"},
};
constexpr double kMaxBarPixels = 160;
constexpr double kMargin = 12;

const UnitDef& DefOf(DistanceUnit unit) {
  for (const UnitDef& def : kUnits)
    if (def.unit == unit) return def;
  return kUnits[0];
}

// The largest 1, 2 or 5 times a power of ten not above `value` (> 0).
double RoundDown(double value) {
  const double power = std::pow(10.0, std::floor(std::log10(value)));
  const double leading = value / power;
  return (leading >= 5 ? 5 : leading >= 2 ? 2 : 1) * power;
}

}  // namespace

ScaleBarLength ChooseScaleBar(double groundMetresPerPixel, double maxPixels, DistanceUnit unit) {
  const double room = groundMetresPerPixel * maxPixels;
  if (!(room > 0) || !std::isfinite(room)) return {};
  const UnitDef& def = DefOf(unit);
  if (room / def.metres >= def.smallest) {
    const double count = RoundDown(room / def.metres);
    return {count * def.metres, QStringLiteral("%1 %2").arg(count).arg(def.symbol)};
  }
  const double metres = RoundDown(room);
  return {metres, QStringLiteral("%1 m").arg(metres)};
}

void DrawScaleBar(QPainter& painter, const ChartView& view, DistanceUnit unit) {
  const QPointF left(kMargin, view.Viewport().height() - kMargin);
  const double groundPerPixel = view.GroundMetresPerPixel(left);
  const ScaleBarLength length = ChooseScaleBar(groundPerPixel, kMaxBarPixels, unit);
  if (length.groundMetres <= 0) return;
  const QPointF right = left + QPointF(length.groundMetres / groundPerPixel, 0);
  painter.setPen(QPen(kScaleBarColour, 2));
  painter.drawLine(left, right);
  painter.drawLine(left, left - QPointF(0, 6));
  painter.drawLine(right, right - QPointF(0, 6));
  painter.drawText(left + QPointF(2, -8), length.text);
}

}  // namespace chart
