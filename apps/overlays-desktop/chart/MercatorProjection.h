#pragma once
// The chart's plane: the module's own Mercator (projection kind 5) on WGS
// 1984, true to scale on the equator. Plane positions are metres, x east
// and y north of the origin at latitude 0, longitude 0.

#include <QPointF>

#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/projection/GridSystem.h"

namespace chart {

// Latitude and longitude in radians.
struct GeoPosition {
  double lat = 0;
  double lon = 0;
};

class MercatorProjection {
 public:
  // Mercator runs to infinity at the poles; the chart stops where a
  // charting host stops, beyond every coast a mariner sails.
  static constexpr double kLatitudeLimit = 85.0 / 57.2957795131;  // radians

  MercatorProjection();
  // The grid points at the ellipsoid it holds.
  MercatorProjection(const MercatorProjection&) = delete;
  MercatorProjection& operator=(const MercatorProjection&) = delete;

  // A latitude beyond the limit is drawn at the limit, so that a coast
  // ring around a pole still closes; (0, 0) for a value that is not finite.
  QPointF Forward(double lat, double lon) const;
  QPointF ForwardDegrees(double latDegrees, double lonDegrees) const;
  GeoPosition Inverse(QPointF plane) const;
  // Plane metres per metre on the ground at a latitude (radians).
  double ScaleAt(double lat) const;
  // The plane's northing of the latitude limit.
  double NorthLimit() const { return northLimit_; }
  // Half the plane's width: the easting of longitude 180.
  double EastLimit() const { return eastLimit_; }

 private:
  CSpheroid spheroid_;
  CGridSystem grid_;
  double northLimit_ = 0;
  double eastLimit_ = 0;
};

}  // namespace chart
