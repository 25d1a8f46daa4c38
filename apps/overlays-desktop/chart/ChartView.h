#pragma once
// Where the chart looks: the plane position at the centre of the viewport
// and the scale in plane metres per pixel, with the moves a user makes
// (zoom about a point, pan, fit a box) and the conversions between screen
// pixels, the plane and latitude and longitude. Screen y grows downwards,
// plane y northwards.

#include <QPointF>
#include <QRectF>
#include <QSize>

#include "chart/MercatorProjection.h"

namespace chart {

class ChartView {
 public:
  // A few centimetres a pixel at the finest; the whole world in a few
  // hundred pixels at the coarsest.
  static constexpr double kFinestMetresPerPixel = 0.05;
  static constexpr double kCoarsestMetresPerPixel = 160000;

  explicit ChartView(const MercatorProjection& projection) : projection_(projection) {}

  const MercatorProjection& Projection() const { return projection_; }

  void SetViewport(QSize size) { viewport_ = size; }
  QSize Viewport() const { return viewport_; }
  QPointF Centre() const { return centre_; }
  void SetCentre(QPointF plane);
  void CentreOn(const GeoPosition& position) { SetCentre(projection_.Forward(position.lat, position.lon)); }
  double MetresPerPixel() const { return metresPerPixel_; }
  void SetMetresPerPixel(double metresPerPixel);

  QPointF ToScreen(QPointF plane) const;
  QPointF ToPlane(QPointF screen) const;
  QPointF ScreenOf(const GeoPosition& position) const { return ToScreen(projection_.Forward(position.lat, position.lon)); }
  GeoPosition PositionAt(QPointF screen) const { return projection_.Inverse(ToPlane(screen)); }
  // The part of the plane the viewport shows.
  QRectF VisiblePlane() const;
  // Metres on the ground a pixel covers at a screen point.
  double GroundMetresPerPixel(QPointF screen) const;

  // Scales by `factor` (above 1 zooms in) keeping the plane point under
  // `screen` where it is, as a mouse wheel zoom must.
  void ZoomAbout(QPointF screen, double factor);
  // Moves the chart with the pointer: the plane point under one pixel goes
  // `screenDelta` pixels further.
  void Pan(QPointF screenDelta);
  // Shows the box of latitudes and longitudes (radians) whole, `marginPixels`
  // clear of every edge; a box of one point keeps the scale.
  void FitBounds(const GeoPosition& southWest, const GeoPosition& northEast, int marginPixels = 16);

 private:
  const MercatorProjection& projection_;
  QSize viewport_{800, 600};
  QPointF centre_;
  double metresPerPixel_ = 10000;
};

}  // namespace chart
