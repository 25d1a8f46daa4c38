#include "geodesy/datum/Geocentric.h"

#include <cmath>
#include <numbers>

#include "geodesy/ellipsoid/Spheroid.h"

namespace {

constexpr double kPi = std::numbers::pi;

// Radius of curvature in the prime vertical; 0 where the radicand is not
// positive (only for a nonsensical e² ≥ 1).
double PrimeVerticalRadius(double a, double es, double sinPhi) {
  const double w = 1 - es * sinPhi * sinPhi;
  return w > 0 ? a / std::sqrt(w) : 0.0;
}

// atan(Y/X), turned into the left half-plane for X < 0 and brought into
// (−pi, pi]; on the Y axis straight ±pi/2.
double LongitudeOf(double X, double Y) {
  if (X == 0) return Y > 0 ? kPi / 2 : -kPi / 2;
  double lam = std::atan(Y / X);
  if (X < 0) lam += kPi;
  if (lam > kPi) lam -= 2 * kPi;
  if (lam <= -kPi) lam += 2 * kPi;
  return lam;
}

// (nu + h)·cos phi is the distance from the axis; it is recovered from the
// larger of |X| and |Y|, whose trigonometric factor is then at least
// cos 45°, so neither meridian X = 0 nor Y = 0 divides by a vanishing sine
// or cosine.
double HeightAboveEllipsoid(double X, double Y, double phi, double lam, double nu) {
  const double cosPhi = std::cos(phi);
  const bool useY = std::fabs(Y) > std::fabs(X);
  const double along = useY ? std::sin(lam) * cosPhi : std::cos(lam) * cosPhi;
  const double radius = along == 0 ? 0.0 : (useY ? Y : X) / along;
  return radius - nu;
}

// One step of the fixed-point map phi -> atan((Z + e²·nu(phi)·sin phi)/p).
double LatitudeStep(double a, double es, double Z, double p, double phi) {
  const double sinPhi = std::sin(phi);
  return std::atan((Z + es * PrimeVerticalRadius(a, es, sinPhi) * sinPhi) / p);
}

}  // namespace

void GeographicToGeocentric(const CSpheroid& ellipsoid, double phi, double lam, double h, double& X, double& Y,
                            double& Z) {
  const double es = ellipsoid.derived.es;
  if (!(es > 0)) {
    X = Y = Z = 0;
    return;
  }
  const double sinPhi = std::sin(phi), cosPhi = std::cos(phi);
  const double nu = PrimeVerticalRadius(ellipsoid.a, es, sinPhi);
  X = (nu + h) * cosPhi * std::cos(lam);
  Y = (nu + h) * cosPhi * std::sin(lam);
  Z = (nu * (1 - es) + h) * sinPhi;
}

bool GeocentricToGeographic(const CSpheroid& ellipsoid, double X, double Y, double Z, double& phi, double& lam,
                            double& h) {
  const double a = ellipsoid.a, es = ellipsoid.derived.es;
  if (!(es > 0)) return false;
  lam = LongitudeOf(X, Y);
  const double p = std::sqrt(X * X + Y * Y);
  if (!(p > 0)) {
    phi = 0;
    return false;
  }
  bool settled = false;
  for (int i = 0; i < kMaxLatitudeIterations && !settled; ++i) {
    const double next = LatitudeStep(a, es, Z, p, phi);
    settled = !(std::fabs(phi - next) > kLatitudeTolerance);
    phi = next;
  }
  // The rule above stops when a step is below 0.001 arc-second, which can
  // leave the latitude e²·0.001" (0.2 mm) short of the fixed point after a
  // shift of a kilometre; one more step removes that for the price of a
  // sine and an arc tangent.
  phi = LatitudeStep(a, es, Z, p, phi);
  h = HeightAboveEllipsoid(X, Y, phi, lam, PrimeVerticalRadius(a, es, std::sin(phi)));
  return settled;
}
