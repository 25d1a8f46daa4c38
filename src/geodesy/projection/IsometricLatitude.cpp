#include "geodesy/projection/IsometricLatitude.h"

#include <cmath>

#include "geodesy/projection/ProjectionLimits.h"

double IsometricLatitude(double e, double sinPhi) { return std::atanh(sinPhi) - e * std::atanh(e * sinPhi); }

double LatitudeFromConformal(double es, double chi, double sinChi, double cosChi) {
  const double e4 = es * es, e6 = e4 * es, e8 = e4 * e4;
  const double c2 = es / 2 + 5 * e4 / 24 + e6 / 12 + 13 * e8 / 360;
  const double c4 = 7 * e4 / 48 + 29 * e6 / 240 + 811 * e8 / 11520;
  const double c6 = 7 * e6 / 120 + 81 * e8 / 1120;
  const double c8 = 4279 * e8 / 161280;
  // The multiple angles by double- and triple-angle identities.
  const double sin2 = 2 * sinChi * cosChi, cos2 = (cosChi - sinChi) * (cosChi + sinChi);
  const double sin4 = 2 * sin2 * cos2,
               sin6 = sin2 * (3 - 4 * sin2 * sin2), sin8 = 2 * sin4 * (1 - 2 * sin2 * sin2);
  return chi + c2 * sin2 + c4 * sin4 + c6 * sin6 + c8 * sin8;
}

bool LatitudeFromIsometric(double e, double q, double& phi) {
  const double es = e * e;
  // sinh q = tan chi, so sin chi = tanh q and cos chi = 1/cosh q: one exp
  // gives all three.
  const double growth = std::exp(q), shrink = 1 / growth;
  const double sinhQ = (growth - shrink) / 2, coshQ = (growth + shrink) / 2;
  phi = LatitudeFromConformal(es, std::atan(sinhQ), sinhQ / coshQ, 1 / coshQ);
  for (int step = 0; step < kMaxProjectionIterations; ++step) {
    const double sinPhi = std::sin(phi), cosPhi = std::cos(phi);
    const double miss = IsometricLatitude(e, sinPhi) - q;
    // Within some 1e-8 rad of a pole sin phi rounds to 1 and q(phi) is
    // infinite, so no step can be taken; the series' latitude there is
    // already far closer than the tolerance. An infinite q is no latitude.
    if (std::isinf(miss) && std::isfinite(q)) return true;
    // The miss in q over dq/dphi = (1 − e²)/((1 − e²·sin²phi)·cos phi).
    const double change = miss * (1 - es * sinPhi * sinPhi) * cosPhi / (1 - es);
    phi -= change;
    if (std::fabs(change) <= kProjectionTolerance) return true;
  }
  phi = 0;
  return false;
}
