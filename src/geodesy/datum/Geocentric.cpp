#include "geodesy/datum/Geocentric.h"

#include <cmath>
#include <numbers>

#include "geodesy/ellipsoid/PrimeVerticalRadius.h"
#include "geodesy/ellipsoid/Spheroid.h"

namespace {

constexpr double kPi = std::numbers::pi;

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

// The latitude iteration runs on t = tan phi, so the step
// atan((Z + e²·nu·sin phi)/p) is just that quotient and the angle is taken
// once, at the end. With sin phi = t/√(1 + t²), e²·nu·sin phi becomes
// e²·a·t/√(1 + (1 − e²)·t²): one square root a step.
double TangentStep(double a, double es, double Z, double invP, double t) {
  return (Z + es * a * t / std::sqrt(1 + (1 - es) * t * t)) * invP;
}

// A last step below this leaves at most e²·1e-10 rad (4 micrometres) to go,
// so no further step is needed.
constexpr double kPolishedTolerance = 1e-10;

// |phi − phi′| > tolerance for the latitudes of two tangents:
// tan(phi − phi′) = (t − t′)/(1 + t·t′), and the tangent of these tiny
// tolerances equals them to far below rounding. Latitudes more than 90°
// apart (1 + t·t′ ≤ 0) differ by more in any case.
bool StepExceedsTolerance(double t, double next, double tolerance) {
  const double across = 1 + t * next;
  return !(across > 0) || std::fabs(t - next) > tolerance * across;
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
  const double invP = 1 / p;
  double t = std::tan(phi);
  bool settled = false;
  bool polish = true;
  for (int i = 0; i < kMaxLatitudeIterations && !settled; ++i) {
    const double next = TangentStep(a, es, Z, invP, t);
    settled = !StepExceedsTolerance(t, next, kLatitudeTolerance);
    polish = StepExceedsTolerance(t, next, kPolishedTolerance);
    t = next;
  }
  // The rule above stops when a step is below 0.001 arc-second, which can
  // leave the latitude e²·0.001" (0.2 mm) short of the fixed point after a
  // shift of a kilometre; one more step removes that whenever the last one
  // was not already small enough.
  if (polish) t = TangentStep(a, es, Z, invP, t);
  phi = std::atan(t);
  // The height h′ = Y/(sin lam·cos phi) = X/(cos lam·cos phi) is, since
  // X = p·cos lam and Y = p·sin lam, p/cos phi = p·√(1 + t²): the same
  // value without the division by a vanishing sine or cosine on the
  // meridians X = 0 and Y = 0.
  const double secPhi = std::sqrt(1 + t * t);
  h = p * secPhi - PrimeVerticalRadius(a, es, t / secPhi);
  return settled;
}
