#include "chart/CursorReadout.h"

#include "chart/ChartDrawing.h"
#include "geodesy/angle/AngleSettings.h"
#include "geodesy/angle/AngleText.h"
#include "platform/qt/AnsiText.h"

namespace chart {
namespace {

constexpr int kLatitudeKind = 5;
constexpr int kLongitudeKind = 6;
constexpr int kGeographicalsOnly = -1;

QString AngleText(double radians, int kind) {
  const AngleSettings settings = ReadAngleSettings(kind);
  return platform::qt::FromAnsi(FormatAngle(radians, kind, settings.format, settings.decimals, settings.hemisphere));
}

}  // namespace

QString PositionText(const GeoPosition& position) {
  return AngleText(position.lat, kLatitudeKind) + QStringLiteral("  ") + AngleText(position.lon, kLongitudeKind);
}

QString GridText(const GeoPosition& position, CDatum* datum) {
  if (!datum || datum->Family() == kGeographicalsOnly) return {};
  const tagXY grid = datum->LatLonToGrid({position.lon, position.lat});
  // The datum object's way of saying it has no grid position here.
  if (grid.x == 0 && grid.y == 0) return QStringLiteral("E/N: off the grid");
  return QStringLiteral("E %1  N %2").arg(grid.x, 0, 'f', 0).arg(grid.y, 0, 'f', 0);
}

}  // namespace chart
