#include "geodesy/geodesic/GeodesicWindow.h"

#include <cmath>
#include <limits>

#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/geodesic/GeodesicInverse.h"
#include "geodesy/geodesic/GeodesicMath.h"

namespace {

constexpr double kHalfPi = geodesic::kPi / 2;
constexpr double kEverywhere = std::numeric_limits<double>::infinity();

}  // namespace

CGeodesicWindow::CGeodesicWindow(const CSpheroid& ellipsoid, double lat, double lon, double reach)
    : lat_(lat), lon_(lon), band_(kEverywhere), window_(kEverywhere), anyLongitude_(true) {
  const double minimumRho = ellipsoid.a * (1 - ellipsoid.derived.es);
  const bool bounded = ellipsoid.method == kAuxiliarySphereMethod && std::isfinite(minimumRho) && minimumRho > 0 &&
                       IsLatitude(lat) && std::isfinite(lon) && std::isfinite(reach);
  if (!bounded) return;
  const double s = std::max(reach, 0.0) + kSlackMetres;
  band_ = s / minimumRho;
  const double farthest = std::abs(lat) + band_;
  if (farthest >= kHalfPi) return;
  window_ = s / (ellipsoid.a * std::cos(farthest));
  anyLongitude_ = !(window_ < geodesic::kPi);
}

bool CGeodesicWindow::IsLatitude(double lat) { return std::abs(lat) <= kHalfPi; }

bool CGeodesicWindow::LongitudeWithin(double lon) const {
  // remainder is exact, so the difference the window sees is the one the
  // geodesic methods reduce to.
  return std::abs(std::remainder(lon - lon_, geodesic::kTwoPi)) <= window_ || !std::isfinite(lon);
}
