#include "chart/MercatorProjection.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace chart {
namespace {

constexpr std::uint32_t kMercatorKind = 5;
constexpr double kRadiansPerDegree = 0.017453292519943;

}  // namespace

MercatorProjection::MercatorProjection() {
  grid_.kind = kMercatorKind;
  grid_.spheroid = &spheroid_;
  grid_.SetOrigin(0, 1, 0, 0, 0);
  northLimit_ = Forward(kLatitudeLimit, 0).y();
  eastLimit_ = Forward(0, std::numbers::pi).x();
}

QPointF MercatorProjection::Forward(double lat, double lon) const {
  double easting = 0, northing = 0;
  grid_.Forward(std::clamp(lat, -kLatitudeLimit, kLatitudeLimit), lon, &easting, &northing);
  return {easting, northing};
}

QPointF MercatorProjection::ForwardDegrees(double latDegrees, double lonDegrees) const {
  return Forward(latDegrees * kRadiansPerDegree, lonDegrees * kRadiansPerDegree);
}

GeoPosition MercatorProjection::Inverse(QPointF plane) const {
  GeoPosition position;
  grid_.Inverse(plane.x(), std::clamp(plane.y(), -northLimit_, northLimit_), &position.lat, &position.lon);
  return position;
}

double MercatorProjection::ScaleAt(double lat) const {
  double easting = 0, northing = 0, convergence = 0, scale = 1;
  grid_.Forward(std::clamp(lat, -kLatitudeLimit, kLatitudeLimit), 0, &easting, &northing, &convergence, &scale);
  return scale;
}

}  // namespace chart
