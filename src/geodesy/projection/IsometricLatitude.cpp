#include "geodesy/projection/IsometricLatitude.h"

#include <cmath>

#include "geodesy/projection/ProjectionLimits.h"

double IsometricLatitude(double e, double sinPhi) { return std::atanh(sinPhi) - e * std::atanh(e * sinPhi); }

namespace {

// dq/dphi = (1 − e²)/((1 − e²·sin²phi)·cos phi).
double IsometricSlope(double e, double phi) {
  const double es = e * e, sinPhi = std::sin(phi);
  return (1 - es) / ((1 - es * sinPhi * sinPhi) * std::cos(phi));
}

}  // namespace

bool LatitudeFromIsometric(double e, double q, double& phi) {
  phi = std::atan(std::sinh(q));
  for (int step = 0; step < kMaxProjectionIterations; ++step) {
    const double change = (IsometricLatitude(e, std::sin(phi)) - q) / IsometricSlope(e, phi);
    phi -= change;
    if (std::fabs(change) <= kProjectionTolerance) return true;
  }
  phi = 0;
  return false;
}
