#include "chart/ChartView.h"

#include <algorithm>
#include <cmath>

namespace chart {

void ChartView::SetCentre(QPointF plane) {
  // Not finite would poison every later conversion; keep the old centre.
  if (!std::isfinite(plane.x()) || !std::isfinite(plane.y())) return;
  centre_ = {std::clamp(plane.x(), -projection_.EastLimit(), projection_.EastLimit()),
             std::clamp(plane.y(), -projection_.NorthLimit(), projection_.NorthLimit())};
}

void ChartView::SetMetresPerPixel(double metresPerPixel) {
  if (!std::isfinite(metresPerPixel)) return;
  metresPerPixel_ = std::clamp(metresPerPixel, kFinestMetresPerPixel, kCoarsestMetresPerPixel);
}

QPointF ChartView::ToScreen(QPointF plane) const {
  return {viewport_.width() / 2.0 + (plane.x() - centre_.x()) / metresPerPixel_,
          viewport_.height() / 2.0 - (plane.y() - centre_.y()) / metresPerPixel_};
}

QPointF ChartView::ToPlane(QPointF screen) const {
  return {centre_.x() + (screen.x() - viewport_.width() / 2.0) * metresPerPixel_,
          centre_.y() - (screen.y() - viewport_.height() / 2.0) * metresPerPixel_};
}

QRectF ChartView::VisiblePlane() const {
  const QPointF topLeft = ToPlane({0, 0});
  const QPointF bottomRight = ToPlane({double(viewport_.width()), double(viewport_.height())});
  return QRectF(QPointF(topLeft.x(), bottomRight.y()), QPointF(bottomRight.x(), topLeft.y()));
}

double ChartView::GroundMetresPerPixel(QPointF screen) const {
  return metresPerPixel_ / projection_.ScaleAt(PositionAt(screen).lat);
}

void ChartView::ZoomAbout(QPointF screen, double factor) {
  if (!(factor > 0) || !std::isfinite(factor)) return;
  const QPointF anchor = ToPlane(screen);
  SetMetresPerPixel(metresPerPixel_ / factor);
  const QPointF drift = ToPlane(screen) - anchor;
  SetCentre(centre_ - drift);
}

void ChartView::Pan(QPointF screenDelta) {
  SetCentre({centre_.x() - screenDelta.x() * metresPerPixel_, centre_.y() + screenDelta.y() * metresPerPixel_});
}

void ChartView::FitBounds(const GeoPosition& southWest, const GeoPosition& northEast, int marginPixels) {
  const QPointF low = projection_.Forward(southWest.lat, southWest.lon);
  const QPointF high = projection_.Forward(northEast.lat, northEast.lon);
  SetCentre((low + high) / 2);
  const double width = std::max(1, viewport_.width() - 2 * marginPixels);
  const double height = std::max(1, viewport_.height() - 2 * marginPixels);
  const double needed = std::max(std::abs(high.x() - low.x()) / width, std::abs(high.y() - low.y()) / height);
  if (needed > 0) SetMetresPerPixel(needed);
}

}  // namespace chart
